#include "late/ClaimReport.h"

#include <QFileInfo>
#include <QSaveFile>

#include "data/Database.h"
#include "data/DbError.h"
#include "late/ClaimLetters.h"
#include "late/ClaimPrint.h"
#include "ui/Printing.h"

namespace late {

ClaimReport::Result ClaimReport::write(const LateFilter& filter, QDate today,
                                       const QString& output) {
    const QString suffix = QFileInfo(output).suffix().toLower();
    if (suffix != u"pdf" && suffix != u"csv")
        return {false, 0, QStringLiteral("ชื่อไฟล์ต้องลงท้ายด้วย .pdf หรือ .csv: ") + output};
    try {
        const std::vector<LateTitle> titles = LateRecords(db_).late(filter, today);
        const ClaimSender sender = claimSender(db_);
        const auto sent =
            sendClaims(db_, titles, today, [&](const std::vector<ClaimLetter>& letters) {
                if (suffix == u"pdf") {
                    ClaimPrint(*printing_.openPdf(output)).print(sender, letters, today);
                    return;
                }
                QSaveFile file(output);
                const QByteArray csv = claimsCsv(letters);
                if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size() ||
                    !file.commit())
                    throw ui::PrintError(QStringLiteral("บันทึกไฟล์ ") + output +
                                         QStringLiteral(" ไม่ได้: ") + file.errorString());
            });
        int claimed = 0;
        for (const ClaimLetter& letter : sent)
            claimed += int(letter.lines.size());
        if (claimed == 0)
            return {true, 0, QStringLiteral("ไม่มีรายการที่ทวงถามได้ในวันนี้")};
        return {true, claimed,
                QStringLiteral("บันทึกใบทวงถาม %1 ฉบับ ถึงตัวแทน %2 ราย แล้วที่ %3")
                    .arg(claimed)
                    .arg(sent.size())
                    .arg(QFileInfo(output).absoluteFilePath())};
    } catch (const ui::PrintError& e) {
        return {false, 0, e.thaiMessage()};
    } catch (const data::DbError& e) {
        return {false, 0, e.thaiMessage()};
    }
}

}  // namespace late
