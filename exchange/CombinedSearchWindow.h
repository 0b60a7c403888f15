#pragma once

#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

#include "exchange/CatalogueSearch.h"
#include "ui/Services.h"

class QThread;

namespace exchange {

// One query over the library's catalogue servers and this desk's titles. The
// desk's list shows at once; the servers are asked on a thread of their own,
// so the window keeps answering, and their records follow, each periodical
// the desk holds (by ISSN) marked with its key.
class CombinedSearchWindow {
  public:
    CombinedSearchWindow(ui::Services& services, QStringList servers);
    ~CombinedSearchWindow();
    CombinedSearchWindow(const CombinedSearchWindow&) = delete;
    CombinedSearchWindow& operator=(const CombinedSearchWindow&) = delete;

    static QString caption() { return QStringLiteral("สืบค้นวารสารร่วมกับหนังสือ"); }

    struct DeskTitle {
        QString key, name, issn;
    };
    struct Found {
        CatalogueHit hit;
        QString server;
        QString heldKey;  // the desk's title of the same ISSN, empty when none
    };

    void search(const CatalogueQuery& query);
    bool searching() const { return searching_; }
    const std::vector<DeskTitle>& deskTitles() const { return desk_; }
    const std::vector<Found>& catalogueRecords() const { return found_; }
    // What the search says of the servers, in Thai: asking, none set, or
    // which did not answer.
    const QStringList& status() const { return status_; }

    // Opens the desk's title of the row (or the title a catalogue record is
    // held as) in the title window, or the registration window.
    void openDeskTitle(int row, bool registration);
    void openHeldTitle(int row, bool registration);

    std::function<void()> onChange;

  private:
    void finish(int generation, const std::vector<ServerAnswer>& answers);
    void changed();

    ui::Services& services_;
    QStringList servers_;
    std::vector<DeskTitle> desk_;
    std::vector<DeskTitle> allTitles_;
    std::vector<Found> found_;
    QStringList status_;
    bool searching_ = false;
    int generation_ = 0;
    QObject context_;  // where the thread's answer is delivered
    std::unique_ptr<QThread> worker_;
};

}  // namespace exchange
