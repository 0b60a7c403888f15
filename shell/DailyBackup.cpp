#include "shell/DailyBackup.h"

#include "data/DbError.h"

namespace shell {

DailyBackup::DailyBackup(const QString& databasePath, const QDate& today, QObject* parent)
    : QObject(parent), path_(databasePath), today_(today) {}

DailyBackup::~DailyBackup() {
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
}

void DailyBackup::start() {
    running_ = true;
    thread_ = std::thread([this] {
        data::BackupResult result;
        QString error;
        try {
            result = data::backUpDaily(path_, today_, 14, [this] { return !stop_; });
        } catch (const data::DbError& e) {
            error = e.thaiMessage();
        }
        running_ = false;
        QMetaObject::invokeMethod(
            this, [this, result, error] { emit finished(result, error); }, Qt::QueuedConnection);
    });
}

}  // namespace shell
