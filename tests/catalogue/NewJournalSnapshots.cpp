// Renders the title window in its states to PNG files under the offscreen
// platform: newjournal_snapshots <output folder>.

#include <QApplication>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>

#include "catalogue/NewJournalView.h"
#include "data/DatabaseFile.h"
#include "ui/Fakes.h"
#include "ui/qt/Fonts.h"

namespace {

void save(QMdiSubWindow* frame, const QString& file) {
    QCoreApplication::processEvents();
    frame->grab().save(file);
}

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

    ui::FakeMessageBox messages;
    ui::FixedClock clock(QDate(2026, 3, 5));
    ui::RecordingOpener opener;
    QString newdealer;
    ui::Services services{path, messages, clock, opener, newdealer};

    QMdiArea area;
    auto* view = new catalogue::NewJournalView(services);
    if (!view->load())
        return 1;
    QMdiSubWindow* frame = area.addSubWindow(view);
    frame->setWindowTitle(view->windowTitle());
    frame->resize(frame->sizeHint());
    area.resize(frame->sizeHint() + QSize(4, 4));
    area.show();
    frame->show();
    catalogue::NewJournal& w = view->logic();
    save(frame, out + QStringLiteral("/newjournal-browse.png"));

    w.Cmdadd.click();
    w.opt1.click();
    w.dlbtypemag.userChoose(0);
    w.Text2.setText(QStringLiteral("วารสารวิทยาศาสตร์ไทย"));
    w.Text3.setText(QStringLiteral("Thai Science Journal"));
    w.Text5.setText(QStringLiteral("วทท."));
    w.Mask2.typeText(QStringLiteral("12345678"));
    w.dcblanguage.userChoose(0);
    w.dcbmagtype.userChoose(3);
    w.Text8.setText(QStringLiteral("4"));
    w.Text9.setText(QStringLiteral("1"));
    w.Text10.setText(QStringLiteral("บริษัท ซีเอ็ดยูเคชั่น จำกัด (มหาชน)"));
    w.Text6.setText(QStringLiteral("1"));
    save(frame, out + QStringLiteral("/newjournal-adding-page1.png"));

    w.Text10.setText(QStringLiteral("บริษัท"));
    w.Text10.doubleClick();
    save(frame, out + QStringLiteral("/newjournal-publisher-list.png"));
    w.dlbdeler.userChoose(0);
    w.dlbdeler.doubleClick();

    w.SSTab1.setTab(1);
    w.dcbdepart.userChoose(2);
    w.dcbrecei.userChoose(0);
    w.Text11.setText(QStringLiteral("1500"));
    w.dcbcurren.userChoose(0);
    w.Text12.setText(QStringLiteral("1"));
    w.Mask4.setText(QStringLiteral("31/12/2026"));
    w.Text14.setText(QStringLiteral("บริษัท ดวงกมลสมัย จำกัด"));
    w.Text13.setText(QStringLiteral("3"));
    w.dcbstatus.userChoose(0);
    w.dcbbindsta.userChoose(0);
    w.dcbbindco.userChoose(1);
    save(frame, out + QStringLiteral("/newjournal-adding-page2.png"));

    w.Cmdsave.click();
    w.Text2.setText(QStringLiteral("วิทยา"));
    w.Text2.doubleClick();
    w.dlbnamemag.userChoose(0);
    save(frame, out + QStringLiteral("/newjournal-title-shown.png"));
    return 0;
}
