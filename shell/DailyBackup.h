#pragma once

#include <QDate>
#include <QObject>
#include <QString>
#include <atomic>
#include <thread>

#include "data/Backup.h"

namespace shell {

// The day's backup, made on a thread of its own so the main window paints and
// answers meanwhile. Destroying it (the program closing) stops the copy
// between two steps and waits: the database stays whole and the partial copy
// is removed.
class DailyBackup : public QObject {
    Q_OBJECT
  public:
    DailyBackup(const QString& databasePath, const QDate& today, QObject* parent);
    ~DailyBackup() override;

    void start();
    bool running() const { return running_; }

  signals:
    // On the thread of this object, once the backup has ended; `error` is the
    // Thai message of a copy that could not be made, else empty.
    void finished(const data::BackupResult& result, const QString& error);

  private:
    QString path_;
    QDate today_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> running_{false};
    std::thread thread_;
};

}  // namespace shell
