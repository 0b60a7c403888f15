// Saves without end into the database it is given, the way the windows save,
// until it is killed: crash_writer <database> <seed>.

#include <QCoreApplication>
#include <QRandomGenerator>

#include "catalogue/TitleRecords.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "issues/IssueRegister.h"
#include "renewal/ExpiryRecords.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    data::Database db(QString::fromLocal8Bit(argv[1]));
    QRandomGenerator random(quint32(QByteArray(argv[2]).toUInt()));
    catalogue::TitleRecords titles(db);
    issues::IssueRegister issues(db);
    renewal::ExpiryRecords renewals(db);
    for (unsigned n = 0;; ++n) {
        try {
            catalogue::TitleValues v;
            v.name = QStringLiteral("วารสารทดสอบ %1").arg(n);
            v.languageCode = random.bounded(2) ? QStringLiteral("01") : QStringLiteral("02");
            v.endPeriod = QStringLiteral("31/12/2027");
            v.departmentCode = QStringLiteral("01");
            const int series =
                catalogue::TitleRecords::seriesFor(random.bounded(2), v.languageCode);
            v.pointer = titles.addTitle(series, v);
            if (random.bounded(3) == 0) {
                v.name += QStringLiteral(" (แก้ไข)");
                titles.editTitle(v);
            }
            // Issues arrive, one is corrected, the subscription is renewed.
            QString last;
            for (int i = 0; i < 3; ++i)
                last = issues.addIssue({issues.nextNumber(), QStringLiteral("01"), v.pointer,
                                        QStringLiteral("05/12/2026"), QStringLiteral("01/12/2026"),
                                        QStringLiteral("1"), QString::number(i),
                                        QStringLiteral("ฉบับที่ %1").arg(i)});
            issues.updateIssue(last,
                               {QStringLiteral("06/12/2026"), QStringLiteral("01/12/2026"),
                                QStringLiteral("1"), QStringLiteral("9"), QStringLiteral("แก้ไข")});
            renewals.renew(db.first("SELECT rowid FROM vorlen WHERE pointer = ?", {v.pointer})
                               ->value(0)
                               .toLongLong(),
                           {QStringLiteral("1200"), QStringLiteral("01"), QStringLiteral("1"),
                            QStringLiteral("31/12/2028"), QStringLiteral("08/12/2026")});
            if (random.bounded(4) == 0) {
                issues.deleteIssue(last);
                titles.deleteTitle(v.pointer);
            }
        } catch (const data::DbError&) {
            // A busy moment: the next round tries again.
        }
    }
}
