#pragma once

#include <QStringList>
#include <functional>
#include <optional>

#include "exchange/MarcImport.h"
#include "exchange/MarcWriter.h"
#include "ui/Services.h"

namespace exchange {

// The window that sends the desk's titles to the library's catalogue as
// MARC 21 and takes a catalogue's serial records in. An import is read and
// shown first; only the user's second step writes it.
class MarcExchangeWindow {
  public:
    explicit MarcExchangeWindow(ui::Services& services) : services_(services) {}

    static QString caption() { return QStringLiteral("แลกเปลี่ยนระเบียน MARC 21"); }

    // Writes every title (and with `withArticles` every indexed article) to
    // the file; the user is told how many, or why not.
    bool exportTo(const QString& file, MarcFormat format, bool withArticles = false);
    // Reads the file and plans the import; planLines() then say what it does.
    void readImport(const QString& file);
    const QStringList& planLines() const { return lines_; }
    bool canImport() const { return plan_ && !plan_->titles.empty(); }
    // Writes the planned titles in one transaction and forgets the plan.
    void importPlanned();

    std::function<void()> onChange;

  private:
    void tell(const QString& text, int style);
    void changed();

    ui::Services& services_;
    std::optional<ImportPlan> plan_;
    QStringList lines_;
};

}  // namespace exchange
