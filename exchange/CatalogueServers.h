#pragma once

#include <QString>
#include <QStringList>

namespace exchange {

// The library's catalogue servers the combined search asks, kept in the
// program's configuration file ([catalogue] servers), in the order given.
class CatalogueServers {
  public:
    explicit CatalogueServers(QString configFile) : file_(std::move(configFile)) {}

    QStringList list() const;
    // Replaces the list; false when the file cannot be written.
    bool save(const QStringList& servers) const;

    // Why the address cannot be a server, in Thai; empty when it can.
    static QString problem(const QString& address);

  private:
    QString file_;
};

}  // namespace exchange
