#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <functional>

class QLocalServer;

namespace shell {

// One program per user and database: the first start holds a lock file beside
// the database and listens on a local socket; a later start asks it to bring
// its main window to the front and ends.
class SingleInstance : public QObject {
    Q_OBJECT
  public:
    explicit SingleInstance(const QString& databasePath);
    ~SingleInstance() override;

    // True when no other program holds the database; the lock is kept until
    // this object is destroyed. A folder where no lock can be written (a
    // read-only mount) is shared freely, since nothing there can change.
    bool claim();
    // Asks the running program to show its main window; true when it answered.
    bool activateRunning(int timeoutMs = 5000);
    // Answers later starts by calling `show`.
    void listen(const std::function<void()>& show);

  private:
    QString serverName_;
    QLockFile lock_;
    QLocalServer* server_ = nullptr;
};

}  // namespace shell
