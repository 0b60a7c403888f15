#include "late/LateCsv.h"

#include <QStringList>

#include "data/DateText.h"

namespace late {

namespace {

QString field(QString text) {
    // A leading sign would make a spreadsheet run the text as a formula; so
    // may a tab or a carriage return before one, which spreadsheets skip.
    if (!text.isEmpty() && QStringLiteral("=+-@\t\r").contains(text.front()))
        text.prepend(QLatin1Char('\''));
    if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) ||
        text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')))
        return QLatin1Char('"') + text.replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
               QLatin1Char('"');
    return text;
}

}  // namespace

QByteArray csvLine(const QStringList& fields) {
    QStringList quoted;
    for (const QString& f : fields)
        quoted << field(f);
    return quoted.join(QLatin1Char(',')).toUtf8() + "\r\n";
}

bool writeLateCsv(const LateList& list, QIODevice& out) {
    const auto put = [&](const QByteArray& bytes) { return out.write(bytes) == bytes.size(); };
    bool ok =
        put("\xEF\xBB\xBF" + csvLine({QStringLiteral("รหัส"), QStringLiteral("ชื่อวารสาร/สิ่งพิมพ์"),
                                      QStringLiteral("คณะ/หน่วยงาน"), QStringLiteral("ตัวแทน/ร้านค้า"),
                                      QStringLiteral("กำหนดออก"), QStringLiteral("ฉบับล่าสุด"),
                                      QStringLiteral("วันที่รับ"), QStringLiteral("กำหนดได้รับ"),
                                      QStringLiteral("ช้า (วัน)"), QStringLiteral("ฉบับที่ค้าง")}));
    list.forEach([&](const LateTitle& t) {
        ok = ok && put(csvLine({t.pointer, t.name, t.departmentName, t.agentName, t.frequency,
                                t.lastIssue, t.lastReceived, data::writeDate(t.expected),
                                QString::number(t.daysLate), t.issue}));
    });
    return ok;
}

}  // namespace late
