#pragma once

#include <QString>
#include <optional>

#include "ui/Services.h"

namespace ui {

// Where a statistics window puts its table and chart.
enum class StatsOutput { Printer, Pdf, Png };

// The statistics windows' common way out: nothing shown is refused with the
// window's own Thai reason, and without a printer the clerk is offered a PDF.
// Returns where to go, or nothing when the clerk is told why not.
std::optional<StatsOutput> statsOutput(StatsOutput to, bool anythingShown,
                                       const QString& nothingShown, const QString& caption,
                                       Services& services);
// The view wrote the file the clerk named, or could not: said the same way.
void reportStatsSaved(MessageBox& messages, const QString& caption, const QString& path);
void reportStatsUnsaved(MessageBox& messages, const QString& caption, const QString& path);

}  // namespace ui
