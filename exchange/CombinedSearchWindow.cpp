#include "exchange/CombinedSearchWindow.h"

#include <QThread>

#include "data/Database.h"
#include "data/DbError.h"
#include "exchange/ExchangeRecords.h"

namespace exchange {

namespace {

// A desk title matches when every title and subject word is in one of its
// names and the number, when given, is its ISSN. The desk keeps no authors
// of its titles: a query of an author alone finds none of them.
bool matches(const CatalogueTitle& t, const CatalogueQuery& q) {
    const QStringList words = (q.words + u' ' + q.subject).split(u' ', Qt::SkipEmptyParts);
    const QString number = bareNumber(q.number);
    if (words.isEmpty() && number.isEmpty())
        return false;
    if (!number.isEmpty() && bareNumber(t.issn) != number)
        return false;
    const QString names = QStringList{t.name, t.compareName, t.oldName, t.shortName}.join(u'\n');
    for (const QString& w : words)
        if (!names.contains(w, Qt::CaseInsensitive))
            return false;
    return true;
}

}  // namespace

CombinedSearchWindow::CombinedSearchWindow(ui::Services& services, QStringList servers)
    : services_(services), servers_(std::move(servers)) {}

CombinedSearchWindow::~CombinedSearchWindow() {
    // The thread gives up by the servers' timeout; its answer then goes
    // nowhere, as the context goes with the window.
    if (worker_)
        worker_->wait();
}

void CombinedSearchWindow::changed() {
    if (onChange)
        onChange();
}

void CombinedSearchWindow::search(const CatalogueQuery& query) {
    if (searching_)
        return;
    if (query.empty()) {
        services_.messages.show(QStringLiteral("กรุณาพิมพ์คำที่ต้องการค้นอย่างน้อยหนึ่งช่อง"), caption(),
                                ui::msg::kWarning);
        return;
    }
    desk_.clear();
    allTitles_.clear();
    found_.clear();
    status_.clear();
    try {
        data::Database db(services_.databasePath);
        for (const CatalogueTitle& t : ExchangeRecords(db).titles()) {
            allTitles_.push_back({t.key, t.name, t.issn});
            if (matches(t, query))
                desk_.push_back(allTitles_.back());
        }
    } catch (const data::DbError& e) {
        services_.messages.show(e.thaiMessage(), caption(), ui::msg::kStop);
    }
    if (servers_.isEmpty()) {
        status_ << QStringLiteral("ยังไม่ได้กำหนดเครื่องบริการสืบค้นของห้องสมุด จึงค้นเฉพาะวารสารของงานวารสาร")
                << QStringLiteral("พบในงานวารสาร %1 รายการ").arg(desk_.size());
        changed();
        return;
    }
    status_ << QStringLiteral("กำลังค้นจากเครื่องบริการของห้องสมุด...");
    searching_ = true;
    const int generation = ++generation_;
    if (worker_)
        worker_->wait();
    worker_.reset(QThread::create([this, generation, servers = servers_, query] {
        const std::vector<ServerAnswer> answers = askCatalogues(servers, query);
        QMetaObject::invokeMethod(
            &context_, [this, generation, answers] { finish(generation, answers); },
            Qt::QueuedConnection);
    }));
    worker_->start();
    changed();
}

void CombinedSearchWindow::finish(int generation, const std::vector<ServerAnswer>& answers) {
    if (generation != generation_)
        return;
    searching_ = false;
    status_.clear();
    for (const ServerAnswer& a : answers) {
        if (!a.problem.isEmpty()) {
            status_ << a.problem;
            continue;
        }
        for (const CatalogueHit& h : a.hits) {
            Found f{h, a.server, {}};
            const QString issn = bareNumber(h.issn);
            for (const DeskTitle& t : allTitles_)
                if (!issn.isEmpty() && bareNumber(t.issn) == issn)
                    f.heldKey = t.key;
            found_.push_back(std::move(f));
        }
    }
    status_ << QStringLiteral("พบในระบบห้องสมุด %1 รายการ ในงานวารสาร %2 รายการ")
                   .arg(found_.size())
                   .arg(desk_.size());
    changed();
}

void CombinedSearchWindow::openDeskTitle(int row, bool registration) {
    if (row < 0 || row >= static_cast<int>(desk_.size()))
        return;
    services_.opener.openTitle(
        registration ? QStringLiteral("reg_journal") : QStringLiteral("NewJournal"),
        desk_[std::size_t(row)].key);
}

void CombinedSearchWindow::openHeldTitle(int row, bool registration) {
    if (row < 0 || row >= static_cast<int>(found_.size()))
        return;
    const QString& key = found_[std::size_t(row)].heldKey;
    if (key.isEmpty())
        return;
    services_.opener.openTitle(
        registration ? QStringLiteral("reg_journal") : QStringLiteral("NewJournal"), key);
}

}  // namespace exchange
