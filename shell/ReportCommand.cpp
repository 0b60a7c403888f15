#include "shell/ReportCommand.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "data/Database.h"
#include "data/DateText.h"
#include "data/DbError.h"
#include "late/ClaimReport.h"
#include "late/LateCsv.h"
#include "late/LateList.h"
#include "late/LateRecords.h"
#include "late/ReceivingStats.h"
#include "renewal/ExpiryPrint.h"
#include "renewal/ExpiryRecords.h"
#include "settings/UnitName.h"
#include "titlelist/TitleListPrint.h"
#include "titlelist/TitleListSource.h"
#include "ui/TablePrint.h"
#include "ui/qt/QtPrinting.h"

namespace shell {

namespace {

QString none(const ReportOptions&) {
    return {};
}

late::LateList lateList(data::Database& db, const ReportOptions& o) {
    return late::LateRecords(db).list({late::Kind::Both, o.faculty, o.agent}, o.today);
}

void printLate(data::Database& db, const ReportOptions& o, ui::PageSurface& surface) {
    ui::PrintedTable table{
        QStringLiteral("รายการวารสาร/สิ่งพิมพ์ที่ยังไม่ได้รับตามกำหนด"),
        o.faculty.isEmpty() ? QStringLiteral("ทุกคณะ/หน่วยงาน")
                            : QStringLiteral("คณะ/หน่วยงาน ") + o.faculty,
        {QStringLiteral("รหัส"), QStringLiteral("ชื่อวารสาร/สิ่งพิมพ์"), QStringLiteral("คณะ/หน่วยงาน"),
         QStringLiteral("ตัวแทน/ร้านค้า"), QStringLiteral("ฉบับล่าสุด"), QStringLiteral("กำหนดได้รับ"),
         QStringLiteral("ช้า (วัน)"), QStringLiteral("ฉบับที่ค้าง")},
        {0, 0.08, 0.29, 0.42, 0.55, 0.69, 0.80, 0.86, 1},
        {}};
    lateList(db, o).forEach([&](const late::LateTitle& t) {
        table.rows.push_back({t.pointer, t.name, t.departmentName, t.agentName, t.lastIssue,
                              data::writeDate(t.expected), QString::number(t.daysLate), t.issue});
    });
    ui::TablePrint(surface).print(table, o.today);
}

// The late list as CSV, streamed row by row into the file; the PDF as the
// other reports print theirs.
QString writeLate(data::Database& db, const ReportOptions& o, const QString& output) {
    if (QFileInfo(output).suffix().toLower() == u"csv") {
        QSaveFile file(output);
        if (!file.open(QIODevice::WriteOnly) || !late::writeLateCsv(lateList(db, o), file) ||
            !file.commit())
            throw ui::PrintError(
                QStringLiteral("บันทึกแฟ้ม %1 ไม่ได้: %2").arg(output, file.errorString()));
    } else {
        printLate(db, o, *ui::qt::QtPrinting().openPdf(output));
    }
    return QStringLiteral("บันทึกรายงาน late แล้วที่ %1").arg(QFileInfo(output).absoluteFilePath());
}

// The claims the ladder offers today, to one agent or to every agent, kept
// as the late issues window keeps them.
QString writeClaims(data::Database& db, const ReportOptions& o, const QString& output) {
    ui::qt::QtPrinting printing;
    const late::ClaimReport::Result r =
        late::ClaimReport(db, printing)
            .write({late::Kind::Both, o.faculty, o.agent}, o.today, output);
    if (!r.ok)
        throw ui::PrintError(r.message);
    return r.message;
}

std::vector<renewal::ExpiryLine> expiryLines(data::Database& db, const ReportOptions& o) {
    std::vector<renewal::ExpiryLine> lines;
    for (const auto& s : renewal::ExpiryRecords(db).expiring(renewal::Kind::Both, o.from, o.to))
        lines.push_back({s.name, data::reformatDate(s.endPeriod), s.latestIssue, s.departmentName});
    return lines;
}

QByteArray expiryCsv(data::Database& db, const ReportOptions& o) {
    QByteArray csv = "\xEF\xBB\xBF";
    csv += late::csvLine({QStringLiteral("ชื่อวารสาร"), QStringLiteral("คณะที่บอกรับ"),
                          QStringLiteral("วันหมดอายุสมาชิก"), QStringLiteral("ฉบับล่าสุดที่ได้รับ")});
    for (const renewal::ExpiryLine& l : expiryLines(db, o))
        csv += late::csvLine({l.name, l.department, l.endPeriod, l.latestIssue});
    return csv;
}

// The receiving statistics by faculty: a row per faculty, a column per month.
std::vector<QStringList> statsRows(data::Database& db, const ReportOptions& o,
                                   QStringList& headings) {
    headings = {QStringLiteral("คณะ/หน่วยงาน")};
    for (const char16_t* month : {u"ม.ค.", u"ก.พ.", u"มี.ค.", u"เม.ย.", u"พ.ค.", u"มิ.ย.", u"ก.ค.",
                                  u"ส.ค.", u"ก.ย.", u"ต.ค.", u"พ.ย.", u"ธ.ค."})
        headings << QString::fromUtf16(month);
    headings << QStringLiteral("รวม");
    std::vector<QStringList> rows;
    for (const late::MonthCounts& c :
         late::ReceivingStats(db).byMonth(o.year, late::Grouping::Faculty)) {
        QStringList row{c.group};
        for (int n : c.months)
            row << QString::number(n);
        row << QString::number(c.total());
        rows.push_back(row);
    }
    return rows;
}

QByteArray statsCsv(data::Database& db, const ReportOptions& o) {
    QStringList headings;
    const std::vector<QStringList> rows = statsRows(db, o, headings);
    QByteArray csv = "\xEF\xBB\xBF" + late::csvLine(headings);
    for (const QStringList& row : rows)
        csv += late::csvLine(row);
    return csv;
}

void printStats(data::Database& db, const ReportOptions& o, ui::PageSurface& surface) {
    ui::PrintedTable table{QStringLiteral("สถิติการรับวารสาร/สิ่งพิมพ์"),
                           QStringLiteral("ปี ค.ศ. %1").arg(o.year),
                           {},
                           {0},
                           {}};
    table.rows = statsRows(db, o, table.headings);
    for (int c = 1; c <= 14; ++c)
        table.starts.push_back(0.2 + 0.8 * c / 14.0);
    ui::TablePrint(surface).print(table, o.today);
}

titlelist::TitleListFilter titleFilter(const ReportOptions& o) {
    return o.faculty.isEmpty() ? titlelist::TitleListFilter{}
                               : titlelist::TitleListFilter{titlelist::Scope::Faculty, o.faculty};
}

std::optional<QDate> dateOption(const QString& text) {
    if (const auto dayFirst = data::readDate(text))
        return dayFirst;
    const QDate iso = QDate::fromString(text, Qt::ISODate);
    return iso.isValid() ? std::optional(iso) : std::nullopt;
}

}  // namespace

std::vector<Report> reports() {
    return {
        {QStringLiteral("late"), none, {}, {}, writeLate},
        // The claim letters, one per agent, as the late issues window claims.
        {QStringLiteral("claims"), none, {}, {}, writeClaims},
        {QStringLiteral("expiry"),
         [](const ReportOptions& o) {
             return o.from.isValid() && o.to.isValid()
                        ? QString()
                        : QStringLiteral("ต้องระบุ --from และ --to (วันที่ วว/ดด/ปปปป)");
         },
         expiryCsv,
         [](data::Database& db, const ReportOptions& o, ui::PageSurface& surface) {
             renewal::ExpiryPrint(surface).print(expiryLines(db, o), data::writeDate(o.from),
                                                 data::writeDate(o.to), o.today);
         },
         {}},
        {QStringLiteral("stats"), none, statsCsv, printStats, {}},
        {QStringLiteral("titles"),
         none,
         [](data::Database& db, const ReportOptions& o) {
             const titlelist::TitleListSource source(db, titleFilter(o), o.today);
             QBuffer csv;
             csv.open(QIODevice::WriteOnly);
             titlelist::writeTitleListCsv(csv,
                                          [&](const auto& each) { ui::forEachRow(source, each); });
             return csv.data();
         },
         [](data::Database& db, const ReportOptions& o, ui::PageSurface& surface) {
             const titlelist::TitleListSource source(db, titleFilter(o), o.today);
             titlelist::printTitleList(
                 surface, [&](const auto& each) { ui::forEachRow(source, each); },
                 titlelist::TitleListRecords(db).scopeName(titleFilter(o)), o.today);
         },
         {}},
    };
}

std::optional<ReportOptions> reportOptions(const QMap<QString, QString>& given, QDate today,
                                           QString& problem) {
    ReportOptions o;
    o.today = today;
    o.year = today.year();
    for (const auto& [name, date] :
         {std::pair{QStringLiteral("from"), &o.from}, std::pair{QStringLiteral("to"), &o.to}})
        if (given.contains(name)) {
            const auto read = dateOption(given.value(name));
            if (!read) {
                problem = QStringLiteral("วันที่ %1 ของ --%2 ไม่ถูกต้อง (วว/ดด/ปปปป)")
                              .arg(given.value(name), name);
                return std::nullopt;
            }
            *date = *read;
        }
    if (given.contains(QStringLiteral("year"))) {
        bool ok = false;
        o.year = given.value(QStringLiteral("year")).toInt(&ok);
        if (!ok || o.year < 1900 || o.year > 2200) {
            problem = QStringLiteral("ปี %1 ของ --year ไม่ถูกต้อง (ปี ค.ศ. เช่น 2025)")
                          .arg(given.value(QStringLiteral("year")));
            return std::nullopt;
        }
    }
    o.faculty = given.value(QStringLiteral("faculty")).trimmed();
    o.agent = given.value(QStringLiteral("agent")).trimmed();
    if (o.from.isValid() && o.to.isValid() && o.from > o.to) {
        problem = QStringLiteral("วันที่ --from ต้องไม่หลังวันที่ --to");
        return std::nullopt;
    }
    return o;
}

int writeReport(const QString& location, const QString& kind, const QMap<QString, QString>& given,
                QDate today, QTextStream& out) {
    const std::vector<Report> list = reports();
    const auto report =
        std::find_if(list.begin(), list.end(), [&](const Report& r) { return r.name == kind; });
    QStringList names;
    for (const Report& r : list)
        names << r.name;
    QString problem;
    const QString output = given.value(QStringLiteral("output"));
    const QString suffix = QFileInfo(output).suffix().toLower();
    const auto options = reportOptions(given, today, problem);
    if (report == list.end())
        problem = QStringLiteral("ไม่รู้จักรายงาน %1 (เลือกได้: %2)").arg(kind, names.join(u'|'));
    else if (output.isEmpty())
        problem = QStringLiteral("ต้องระบุ --output ชื่อแฟ้ม .pdf หรือ .csv");
    else if (suffix != u"pdf" && suffix != u"csv")
        problem = QStringLiteral("แฟ้ม %1 ต้องลงท้ายด้วย .pdf หรือ .csv").arg(output);
    else if (options)
        problem = report->problem(*options);
    if (!problem.isEmpty()) {
        out << problem << u'\n';
        return 2;
    }
    QString written =
        QStringLiteral("บันทึกรายงาน %1 แล้วที่ %2").arg(kind, QFileInfo(output).absoluteFilePath());
    try {
        data::Database db(location);
        if (report->write) {
            written = report->write(db, *options, output);
        } else if (suffix == u"csv") {
            const QByteArray csv = report->csv(db, *options);
            QFile file(output);
            if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
                file.write(csv) != csv.size() || !file.flush()) {
                out << QStringLiteral("บันทึกแฟ้ม %1 ไม่ได้: %2\n").arg(output, file.errorString());
                return 2;
            }
        } else {
            std::unique_ptr<ui::PageSurface> surface = ui::qt::QtPrinting().openPdf(output);
            report->print(db, *options, *surface);
        }
    } catch (const data::DbError& e) {
        out << QStringLiteral("อ่านฐานข้อมูลไม่ได้\n") << e.thaiMessage() << u'\n';
        return 2;
    } catch (const ui::PrintError& e) {
        out << e.thaiMessage() << u'\n';
        return 2;
    }
    out << written << u'\n';
    return 0;
}

}  // namespace shell
