// Saves without end into the database it is given, the way the windows save,
// until it is killed: crash_writer <database> <seed>.

#include <QCoreApplication>
#include <QRandomGenerator>

#include "catalogue/TitleRecords.h"
#include "data/Database.h"
#include "data/DbError.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    data::Database db(QString::fromLocal8Bit(argv[1]));
    QRandomGenerator random(quint32(QByteArray(argv[2]).toUInt()));
    catalogue::TitleRecords titles(db);
    for (unsigned n = 0;; ++n) {
        try {
            catalogue::TitleValues v;
            v.name = QStringLiteral("วารสารทดสอบ %1").arg(n);
            v.languageCode = random.bounded(2) ? QStringLiteral("01") : QStringLiteral("02");
            v.endPeriod = QStringLiteral("31/12/2027");
            const int series =
                catalogue::TitleRecords::seriesFor(random.bounded(2), v.languageCode);
            v.pointer = titles.addTitle(series, v);
            if (random.bounded(3) == 0) {
                v.name += QStringLiteral(" (แก้ไข)");
                titles.editTitle(v);
            }
            if (random.bounded(4) == 0)
                titles.deleteTitle(v.pointer);
        } catch (const data::DbError&) {
            // A busy moment: the next round tries again.
        }
    }
}
