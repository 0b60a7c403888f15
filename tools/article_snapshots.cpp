// Renders the article index's windows to PNG files and prints the day's
// index cards and the bulletin, under the offscreen platform, from a
// database of its own:
//   article_snapshots <output folder>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include "articles/ArticleRecords.h"
#include "articles/ArticleWindowView.h"
#include "articles/AuthorWindowView.h"
#include "articles/Bulletin.h"
#include "articles/CardPrint.h"
#include "articles/IndexCards.h"
#include "data/Database.h"
#include "data/DatabaseFile.h"
#include "issues/IssueRegister.h"
#include "ui/Fakes.h"
#include "ui/qt/Fonts.h"
#include "ui/qt/QtPrinting.h"

namespace {

QString out;

void save(QWidget& w, const char* name) {
    QCoreApplication::processEvents();
    w.grab().save(out + u'/' + QLatin1String(name) + QStringLiteral(".png"));
}

// A journal, one registered issue and three indexed articles.
QString stock(data::Database& db, const QDate& today) {
    db.exec("INSERT INTO vorlen1 (pointer, vorlen_name) VALUES ('S1', 'วารสารห้องสมุด')");
    db.exec("INSERT INTO vorlen (pointer, department_code) VALUES ('S1', '01')");
    QString magno = issues::IssueRegister(db).addIssue(
        {{}, "01", "S1", "08/12/2026", "01/11/2026", "42", "3", {}});
    articles::ArticleRecords records(db);
    auto add = [&](const QString& title, std::vector<articles::AuthorName> authors,
                   QStringList headings, const QString& pages, const QString& abstract) {
        articles::Article a;
        a.magno = magno;
        a.title = title;
        a.authors = std::move(authors);
        a.headings = std::move(headings);
        a.pages = pages;
        a.abstract = abstract;
        records.save(a, today);
    };
    add(QStringLiteral("การศึกษาพฤติกรรมการแสวงหาสารสนเทศของนักศึกษาระดับบัณฑิตศึกษาสาขาวิชา"
                       "วิทยาศาสตร์สุขภาพในมหาวิทยาลัยของรัฐ"),
        {{QStringLiteral("วิมล รักดี")}, {QStringLiteral("Smith, John")}},
        {QStringLiteral("การแสวงหาสารสนเทศ"), QStringLiteral("นักศึกษา")}, QStringLiteral("1-18"),
        QStringLiteral("การวิจัยเชิงสำรวจจากนักศึกษา 420 คน พบว่าฐานข้อมูลออนไลน์เป็นแหล่งแรก"));
    add(QStringLiteral("บริการยืมระหว่างห้องสมุดในยุคดิจิทัล"), {{QStringLiteral("ประไพ ศรีสุข")}},
        {QStringLiteral("ห้องสมุด")}, QStringLiteral("19-30"), {});
    add(QStringLiteral("รายงานประจำปีของหอสมุด"), {{QStringLiteral("สำนักหอสมุดกลาง"), true}},
        {QStringLiteral("ห้องสมุด")}, QStringLiteral("31-40"), {});
    return magno;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::qt::setUpFonts();
    out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    QDir().mkpath(out);
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/Vorlen.db");
    data::prepareDatabase(path);
    const QDate today(2026, 12, 8);
    QString magno;
    {
        data::Database db(path);
        magno = stock(db, today);
    }
    ui::FakeMessageBox messages;
    ui::FixedClock clock(today);
    ui::RecordingOpener opener;
    QString newdealer;
    ui::Services services{path, messages, clock, opener, newdealer};

    articles::ArticleWindowView article(services, articles::ArticleWindow::kArticleTab);
    article.load();
    article.show();
    article.showTitle(magno);
    article.logic().articleList.click(1, 1);
    save(article, "article-window");
    article.logic().pages.click(articles::ArticleWindow::kAbstractTab);
    save(article, "article-abstract");

    articles::AuthorWindowView authors(services);
    authors.load();
    authors.show();
    authors.logic().authorList.click(1, 0);
    save(authors, "author-window");

    data::Database db(path);
    const auto page = ui::qt::QtPrinting().openPdf(out + QStringLiteral("/index-cards.pdf"));
    articles::CardPrint(*page).print(articles::IndexCards(db).unprinted(today, today),
                                     articles::CardPrint::Sheet::A4);
    const auto bulletin = ui::qt::QtPrinting().openPdf(out + QStringLiteral("/index-bulletin.pdf"));
    articles::Bulletin(db, today, today).print(*bulletin, true);
    return 0;
}
