#include "ui/StatsOutput.h"

#include <QFileInfo>

#include "ui/Printing.h"

namespace ui {

std::optional<StatsOutput> statsOutput(StatsOutput to, bool anythingShown,
                                       const QString& nothingShown, const QString& caption,
                                       Services& services) {
    if (!anythingShown) {
        services.messages.show(nothingShown, caption, msg::kStop);
        return std::nullopt;
    }
    if (to == StatsOutput::Printer &&
        !(services.printing && services.printing->hasDefaultPrinter())) {
        if (services.messages.show(QStringLiteral("ไม่พบเครื่องพิมพ์ ต้องการบันทึกสถิติเป็นไฟล์ PDF หรือไม่"),
                                   caption, msg::kConfirm) != msg::kOk)
            return std::nullopt;
        return StatsOutput::Pdf;
    }
    return to;
}

void reportStatsSaved(MessageBox& messages, const QString& caption, const QString& path) {
    messages.show(QStringLiteral("บันทึกสถิติเป็นไฟล์ ") + QFileInfo(path).suffix().toUpper() +
                      QStringLiteral(" แล้วที่ ") + QFileInfo(path).absoluteFilePath(),
                  caption, msg::kInformation);
}

void reportStatsUnsaved(MessageBox& messages, const QString& caption, const QString& path) {
    messages.show(QStringLiteral("บันทึกไฟล์ ") + path + QStringLiteral(" ไม่ได้"), caption, msg::kStop);
}

}  // namespace ui
