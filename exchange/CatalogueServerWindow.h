#pragma once

#include <QStringList>
#include <functional>

#include "exchange/CatalogueServers.h"
#include "ui/Services.h"

namespace exchange {

// The settings window of the library's catalogue servers: the list is
// edited here and kept only when saved.
class CatalogueServerWindow {
  public:
    CatalogueServerWindow(ui::Services& services, CatalogueServers store)
        : services_(services), store_(std::move(store)), servers_(store_.list()) {}

    static QString caption() { return QStringLiteral("เครื่องบริการสืบค้นของห้องสมุด"); }

    const QStringList& servers() const { return servers_; }
    // Adds the address to the list; false (the user told why) when it is no
    // server address or is listed already.
    bool add(const QString& address);
    void remove(int row);
    bool save();

    std::function<void()> onChange;

  private:
    void changed();

    ui::Services& services_;
    CatalogueServers store_;
    QStringList servers_;
};

}  // namespace exchange
