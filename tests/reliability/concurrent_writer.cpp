// One clerk saving as fast as the windows let it:
// concurrent_writer <database> <name> <titles> <issues per title>.
// Each title is added, its issues are registered and its subscription is
// renewed; a save refused as busy is tried again, as the clerk would.

#include <QCoreApplication>
#include <QTextStream>

#include "catalogue/TitleRecords.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "issues/IssueRegister.h"
#include "renewal/ExpiryRecords.h"

namespace {

bool busy(const data::DbError& e) {
    return (e.code() & 0xff) == 5 || (e.code() & 0xff) == 6;  // SQLITE_BUSY, SQLITE_LOCKED
}

template <typename Save>
auto retried(int& retries, Save save) {
    for (;;) {
        try {
            return save();
        } catch (const data::DbError& e) {
            if (!busy(e))
                throw;
            ++retries;
        }
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 5)
        return 2;
    data::Database db(QString::fromLocal8Bit(argv[1]));
    const QString name = QString::fromLocal8Bit(argv[2]);
    const int titleCount = QByteArray(argv[3]).toInt();
    const int issueCount = QByteArray(argv[4]).toInt();
    catalogue::TitleRecords titles(db);
    issues::IssueRegister issues(db);
    renewal::ExpiryRecords renewals(db);
    int retries = 0;
    try {
        for (int n = 0; n < titleCount; ++n) {
            catalogue::TitleValues v;
            v.name = QStringLiteral("%1 วารสาร %2").arg(name, QString::number(n));
            v.languageCode = n % 2 ? QStringLiteral("01") : QStringLiteral("02");
            v.endPeriod = QStringLiteral("31/12/2027");
            v.departmentCode = QStringLiteral("01");
            const int series = catalogue::TitleRecords::seriesFor(n % 3 != 0, v.languageCode);
            v.pointer = retried(retries, [&] { return titles.addTitle(series, v); });
            for (int i = 0; i < issueCount; ++i)
                retried(retries, [&] {
                    return issues.addIssue({issues.nextNumber(), QStringLiteral("01"), v.pointer,
                                            QStringLiteral("05/12/2026"),
                                            QStringLiteral("01/12/2026"), QStringLiteral("1"),
                                            QString::number(i), QStringLiteral("ฉบับที่ %1").arg(i)});
                });
            const qint64 subscription =
                db.first("SELECT rowid FROM vorlen WHERE pointer = ?", {v.pointer})
                    ->value(0)
                    .toLongLong();
            retried(retries, [&] {
                renewals.renew(subscription,
                               {QStringLiteral("1200"), QStringLiteral("01"), QStringLiteral("1"),
                                QStringLiteral("31/12/2028"), QStringLiteral("08/12/2026")});
                return 0;
            });
        }
    } catch (const data::DbError& e) {
        QTextStream(stderr) << e.thaiMessage() << '\n';
        return 1;
    }
    QTextStream(stdout) << retries << '\n';
    return 0;
}
