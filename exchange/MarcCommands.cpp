#include "exchange/MarcCommands.h"

#include <QFile>
#include <QTextStream>

#include "catalogue/TitleRecords.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "exchange/ExchangeError.h"
#include "exchange/ImportReport.h"
#include "exchange/MarcImport.h"
#include "exchange/MarcWriter.h"

namespace exchange {

int exportMarcCommand(const QString& location, const QString& file, const QString& format,
                      bool withArticles, QDate today, QTextStream& out) {
    if (!format.isEmpty() && format != u"iso2709" && format != u"marcxml") {
        out << QStringLiteral("รูปแบบ %1 ไม่รู้จัก ใช้ได้ iso2709 หรือ marcxml\n").arg(format);
        return 2;
    }
    try {
        data::Database db(location);
        const ExchangeRecords records(db);
        const auto titles = records.titlesWithHoldings(today);
        const auto articles =
            withArticles ? records.articles(titles) : std::vector<CatalogueArticle>{};
        exportMarc(titles, articles, file,
                   format == u"marcxml" ? MarcFormat::MarcXml : MarcFormat::Iso2709, today);
        out << exportSummary(titles.size(), articles.size(), withArticles) << u' ' << file << u'\n';
        return 0;
    } catch (const data::DbError& e) {
        out << e.thaiMessage() << u'\n';
    } catch (const ExchangeError& e) {
        out << e.thaiMessage() << u'\n';
    }
    return 1;
}

int importMarcCommand(const QString& location, const QString& file, QTextStream& out) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        out << QStringLiteral("เปิดแฟ้ม %1 ไม่ได้: %2\n").arg(file, in.errorString());
        return 2;
    }
    try {
        const std::vector<MarcRecord> records = readMarc(in.readAll());
        data::Database db(location);
        const ImportPlan plan = planImport(records, db);
        for (const QString& line : importReport(plan))
            out << line << u'\n';
        const std::vector<QString> keys = applyImport(plan, db);
        out << QStringLiteral("เพิ่มวารสารแล้ว %1 รายการ\n").arg(keys.size());
        return 0;
    } catch (const ExchangeError& e) {
        out << e.thaiMessage() << u'\n';
    } catch (const catalogue::KeySeriesError& e) {
        out << e.thaiMessage() << QStringLiteral("\nยังไม่ได้เพิ่มวารสารใด\n");
    } catch (const data::DbError& e) {
        out << e.thaiMessage() << QStringLiteral("\nยังไม่ได้เพิ่มวารสารใด\n");
    }
    return 1;
}

}  // namespace exchange
