#include "exchange/MarcExchangeWindow.h"

#include <QFile>

#include "data/Database.h"
#include "data/DbError.h"
#include "exchange/ExchangeError.h"
#include "exchange/ImportReport.h"
#include "exchange/MarcReader.h"

namespace exchange {

void MarcExchangeWindow::tell(const QString& text, int style) {
    services_.messages.show(text, caption(), style);
}

void MarcExchangeWindow::changed() {
    if (onChange)
        onChange();
}

bool MarcExchangeWindow::exportTo(const QString& file, MarcFormat format, bool withArticles) {
    try {
        data::Database db(services_.databasePath);
        const ExchangeRecords records(db);
        const auto titles = records.titlesWithHoldings(services_.clock.today());
        const auto articles =
            withArticles ? records.articles(titles) : std::vector<CatalogueArticle>{};
        exportMarc(titles, articles, file, format, services_.clock.today());
        tell(exportSummary(titles.size(), articles.size(), withArticles) + u'\n' + file,
             ui::msg::kInformation);
        return true;
    } catch (const data::DbError& e) {
        tell(e.thaiMessage(), ui::msg::kStop);
    } catch (const ExchangeError& e) {
        tell(e.thaiMessage(), ui::msg::kStop);
    }
    return false;
}

void MarcExchangeWindow::readImport(const QString& file) {
    plan_.reset();
    lines_.clear();
    QFile in(file);
    try {
        if (!in.open(QIODevice::ReadOnly))
            throw ExchangeError(QStringLiteral("เปิดแฟ้ม %1 ไม่ได้: %2").arg(file, in.errorString()));
        const std::vector<MarcRecord> records = readMarc(in.readAll());
        data::Database db(services_.databasePath);
        plan_ = planImport(records, db);
        lines_ = importReport(*plan_);
    } catch (const data::DbError& e) {
        tell(e.thaiMessage(), ui::msg::kStop);
    } catch (const ExchangeError& e) {
        tell(e.thaiMessage(), ui::msg::kStop);
    }
    changed();
}

void MarcExchangeWindow::importPlanned() {
    if (!canImport())
        return;
    try {
        data::Database db(services_.databasePath);
        const std::vector<QString> keys = applyImport(*plan_, db);
        plan_.reset();
        lines_.clear();
        changed();
        tell(keys.empty() ? QStringLiteral("ไม่ได้เพิ่มวารสาร: ทุกรายการมีอยู่แล้ว")
                          : QStringLiteral("เพิ่มวารสารแล้ว %1 รายการ (%2 ถึง %3)")
                                    .arg(keys.size())
                                    .arg(keys.front(), keys.back()) +
                                u'\n' + subscriptionNeeded(),
             ui::msg::kInformation);
    } catch (const catalogue::KeySeriesError& e) {
        tell(e.thaiMessage() + QStringLiteral("\nยังไม่ได้เพิ่มวารสารใด"), ui::msg::kStop);
    } catch (const data::DbError& e) {
        tell(e.thaiMessage() + QStringLiteral("\nยังไม่ได้เพิ่มวารสารใด"), ui::msg::kStop);
    }
}

}  // namespace exchange
