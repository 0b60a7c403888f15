// Renders the expiry window with a list and a chosen row, and prints the list
// of subscriptions into a PDF file, on a fresh database in a temporary folder:
// expdate_docs <output folder>. The titles are long, in Thai and English, and
// every third one is subscribed by two or three faculties.

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include "data/Database.h"
#include "data/DatabaseFile.h"
#include "renewal/expdateView.h"
#include "tests/renewal/ExpiryFixture.h"
#include "ui/Fakes.h"
#include "ui/qt/Fonts.h"
#include "ui/qt/QtPrinting.h"

namespace {

// No printer here: the list goes to the PDF file the "user" names.
class PdfOnly : public ui::qt::QtPrinting {
  public:
    explicit PdfOnly(QString path) : path_(std::move(path)) {}
    bool hasDefaultPrinter() override { return false; }
    std::optional<QString> askPdfPath(const QString&) override { return path_; }

  private:
    QString path_;
};

const char* const kNames[] = {
    "วารสารวิทยาศาสตร์และเทคโนโลยีเพื่อการพัฒนาท้องถิ่นอย่างยั่งยืน มหาวิทยาลัยราชภัฏ",
    "วารสารเศรษฐศาสตร์ธรรมศาสตร์",
    "International Journal of Computational Methods in Engineering Science and Mechanics",
    "วารสารการศึกษาไทย",
    "Nature",
    "วารสารสังคมศาสตร์และมนุษยศาสตร์ประยุกต์เพื่อการพัฒนาคุณภาพชีวิต",
    "Science",
    "วารสารพยาบาลศาสตร์",
    "The Lancet Infectious Diseases and Global Public Health Review",
    "วารสารวิศวกรรมศาสตร์",
    "สารคดี",
    "IEEE Transactions on Pattern Analysis and Machine Intelligence",
    "วารสารภาษาและวรรณคดีไทยสมัยใหม่ ฉบับรวมบทความวิชาการ",
    "วารสารบริหารธุรกิจ",
    "Journal of Chemical Education",
    "วารสารเกษตรศาสตร์ สาขาวิทยาศาสตร์การเกษตรและเทคโนโลยีชีวภาพ",
    "ศิลปวัฒนธรรม",
    "วารสารนิติศาสตร์",
    "The Economist",
    "วารสารห้องสมุดและสารสนเทศศาสตร์",
    "วารสารแพทยศาสตร์",
    "National Geographic",
    "วารสารสถาปัตยกรรม",
    "Harvard Business Review",
    "วารสารจิตวิทยา",
    "วารสารรัฐศาสตร์",
    "Scientific American",
    "วารสารคณิตศาสตร์"};

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::qt::setUpFonts();
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    QDir().mkpath(out);

    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/Vorlen.db");
    data::prepareDatabase(path);
    {
        data::Database db(path);
        for (int i = 0; i < int(std::size(kNames)); ++i) {
            const QString key = QStringLiteral("J%1").arg(i + 1, 6, 10, QChar('0'));
            const QString name = QString::fromUtf8(kNames[i]);
            const QString end = QStringLiteral("%1/%2/2027")
                                    .arg(1 + (i * 7) % 28, 2, 10, QChar('0'))
                                    .arg(1 + i % 3, 2, 10, QChar('0'));
            const int faculties = i % 3 == 0 ? 2 + i % 2 : 1;
            for (int f = 0; f < faculties; ++f)
                renewal_test::addSubscription(
                    db, {key, name, end, "1", QString::number(1 + i % 5),
                         QString::number(1 + (i + f) % 5), QStringLiteral("0%1").arg(1 + i % 3),
                         QString::number(800 + 50 * i + 100 * f), i % 3 == 0 ? "1" : "35.50",
                         "05/01/2026", QStringLiteral("0%1").arg(1 + (i + 2 * f) % 7)});
            if (i % 4 != 3)
                renewal_test::addIssue(
                    db, key, QStringLiteral("%1/11/2026").arg(10 + i % 15),
                    i % 5 == 0 ? QStringLiteral("ปีที่ %1 ฉบับที่ %2 (ตุลาคม-ธันวาคม 2569) ฉบับพิเศษ")
                                     .arg(20 + i % 7)
                                     .arg(1 + i % 12)
                               : QStringLiteral("ปีที่ %1 ฉบับที่ %2").arg(20 + i % 7).arg(1 + i % 12));
        }
    }

    ui::FakeMessageBox messages;
    ui::FixedClock clock{QDate(2026, 12, 8)};
    ui::RecordingOpener opener;
    QString newdealer;
    PdfOnly printing(out + QStringLiteral("/expiry-list.pdf"));
    ui::Services services{path, messages, clock, opener, newdealer, &printing};
    renewal::expdateView view(services);
    if (!view.load())
        return 1;
    renewal::expdate& f = view.logic();
    f.Option1.click();
    f.Text1.setText(QStringLiteral("01/01/2027"));
    f.Text2.setText(QStringLiteral("31/03/2027"));
    f.Command1.click();
    f.showjour.click(3, 0);
    f.cmdedit.click();
    view.show();
    QCoreApplication::processEvents();
    view.grab().save(out + QStringLiteral("/expdate-list.png"));

    f.Cmdprint.click();
    for (const auto& shown : messages.shown())
        qInfo("%s", qPrintable(shown.text));
    return 0;
}
