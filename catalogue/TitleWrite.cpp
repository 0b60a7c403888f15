#include "catalogue/TitleWrite.h"

#include "catalogue/EntryChecks.h"
#include "catalogue/NewJournal.h"
#include "catalogue/TitleDisplay.h"
#include "catalogue/TitleRecords.h"
#include "catalogue/TitleSaveRules.h"

namespace catalogue {

bool TitleWrite::write(bool adding, const QString& loadedKey) {
    const QString failed = QStringLiteral("การบันทึกข้อมูลล้มเหลว");
    TitleRecords records(db_);
    const TitleValues values = TitleDisplay(w_).entered(loadedKey);
    const auto rules = [this, &values, adding] { TitleSaveRules(db_).check(values, adding); };
    try {
        if (adding) {
            const int series = TitleRecords::seriesFor(w_.opt1.value(), w_.dcblanguage.boundText());
            w_.Text1.setText(records.addTitle(series, values, rules));
        } else {
            if (loadedKey.isEmpty())
                throw TitleNotFound(QStringLiteral("vorlen1"));
            records.editTitle(values, rules);
        }
        return true;
    } catch (const TitleRefused& e) {
        EntryChecks(w_, messages_).refuse(e.thaiMessage(), failed, e.field());
    } catch (const KeySeriesError& e) {
        messages_.show(e.thaiMessage(), failed, ui::msg::kStop);
    } catch (const TitleNotFound&) {
        messages_.show(QStringLiteral("ไม่พบข้อมูลที่ต้องการค้นหา กรุณาตรวจสอบอีกครั้ง"),
                       QStringLiteral("ผลการค้นหา"), ui::msg::kStop);
    }
    return false;
}

}  // namespace catalogue
