#include "data/FirstRunData.h"

#include <QString>
#include <utility>
#include <vector>

#include "data/Database.h"

namespace data {

namespace {

using Pairs = std::vector<std::pair<const char*, const char*>>;

void fill(Database& db, const char* insert, const Pairs& rows) {
    for (const auto& [code, description] : rows)
        db.exec(insert, {QString::fromUtf8(code), QString::fromUtf8(description)});
}

}  // namespace

void insertFrequencyIntervals(Database& db) {
    // Daily, weekly, fortnightly, monthly, bimonthly, quarterly, half-yearly,
    // yearly; a code without a row (irregular) is never late.
    const int days[][2] = {{1, 2},   {7, 7},   {14, 10},  {30, 20},
                           {61, 30}, {91, 45}, {182, 60}, {365, 90}};
    for (int i = 0; i < 8; ++i) {
        const QString code = QStringLiteral("%1").arg(i + 1, 2, 10, QLatin1Char('0'));
        if (db.first("SELECT 1 FROM magtype WHERE trim(MagType_Code) = ?", {code}))
            db.exec(
                "INSERT INTO magtype_interval VALUES (?, ?, ?)"
                " ON CONFLICT (MagType_Code) DO NOTHING",
                {code, days[i][0], days[i][1]});
    }
}

void insertFirstRunRows(Database& db) {
    fill(db, "INSERT INTO maglang VALUES (?, ?)",
         {{"01", "ภาษาไทย"},
          {"02", "ภาษาอังกฤษ"},
          {"03", "ภาษาจีน"},
          {"04", "ภาษาญี่ปุ่น"},
          {"05", "ภาษาฝรั่งเศส"}});
    fill(db, "INSERT INTO magtype VALUES (?, ?)",
         {{"01", "รายวัน"},
          {"02", "รายสัปดาห์"},
          {"03", "รายปักษ์"},
          {"04", "รายเดือน"},
          {"05", "รายสองเดือน"},
          {"06", "รายสามเดือน"},
          {"07", "รายหกเดือน"},
          {"08", "รายปี"}});
    insertFrequencyIntervals(db);
    fill(db, "INSERT INTO department VALUES (?, ?)",
         {{"01", "ศูนย์วิทยบริการ"},
          {"02", "คณะครุศาสตร์"},
          {"03", "คณะวิทยาศาสตร์และเทคโนโลยี"},
          {"04", "คณะมนุษยศาสตร์และสังคมศาสตร์"},
          {"05", "คณะวิทยาการจัดการ"},
          {"06", "คณะเทคโนโลยีการเกษตร"},
          {"07", "คณะเทคโนโลยีอุตสาหกรรม"}});
    fill(db, "INSERT INTO receives VALUES (?, ?)",
         {{"1", "บอกรับเป็นสมาชิก"},
          {"2", "ได้รับเป็นอภินันทนาการ"},
          {"3", "แลกเปลี่ยน"},
          {"4", "ยกเลิกการบอกรับ"}});
    fill(
        db, "INSERT INTO currmony VALUES (?, ?)",
        {{"01", "บาท"}, {"02", "ดอลลาร์สหรัฐ"}, {"03", "ปอนด์สเตอร์ลิง"}, {"04", "เยน"}, {"05", "ยูโร"}});
    fill(db, "INSERT INTO statustype VALUES (?, ?)",
         {{"01", "สมาชิกใหม่"}, {"02", "ต่ออายุสมาชิก"}, {"03", "หมดอายุสมาชิก"}});
    fill(db, "INSERT INTO bindtype VALUES (?, ?)",
         {{"01", "เย็บเล่ม"}, {"02", "ไม่เย็บเล่ม"}, {"03", "รอเย็บเล่ม"}});
    fill(db, "INSERT INTO bindcolor VALUES (?, ?)",
         {{"01", "สีแดง"}, {"02", "สีน้ำเงิน"}, {"03", "สีเขียว"}, {"04", "สีดำ"}, {"05", "สีน้ำตาล"}});
    fill(db, "INSERT INTO typemag VALUES (?, ?)",
         {{"01", "วิชาการ"},
          {"02", "ข่าวและเหตุการณ์ปัจจุบัน"},
          {"03", "บันเทิง"},
          {"04", "ศาสนาและปรัชญา"},
          {"05", "วิทยาศาสตร์และเทคโนโลยี"}});
    db.exec("INSERT INTO recsetup VALUES ('1', 'J000001', 'I000001', 'K000001', 'L000001')");
    db.exec("INSERT INTO jourctrl VALUES ('1')");
    fill(db, "INSERT INTO dealer (Publisher_Code, Publisher_Name) VALUES (?, ?)",
         {{"1", "บริษัท ซีเอ็ดยูเคชั่น จำกัด (มหาชน)"},
          {"2", "บริษัท มติชน จำกัด (มหาชน)"},
          {"3", "บริษัท ดวงกมลสมัย จำกัด"},
          {"4", "Elsevier"},
          {"5", "Springer Nature"}});
}

}  // namespace data
