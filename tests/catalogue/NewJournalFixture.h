#pragma once

#include <gtest/gtest.h>

#include "catalogue/NewJournal.h"
#include "data/Database.h"
#include "tests/support/TempDatabase.h"
#include "ui/Fakes.h"

namespace testing_support {

// The title window loaded on a fresh database, with fake services; the day is
// 5 March 2026.
struct NewJournalWindow {
    TempDatabase temp;
    ui::FakeMessageBox messages;
    ui::FixedClock clock{QDate(2026, 3, 5)};
    ui::RecordingOpener opener;
    QString newdealer;
    ui::Services services{temp.path(), messages, clock, opener, newdealer};
    catalogue::NewJournal w{services};

    NewJournalWindow() { EXPECT_TRUE(w.Form_Load()); }

    // A complete entry: every required field filled, after Cmdadd.
    void fillEntry(const QString& name, bool journal = true, const QString& language = "ภาษาไทย") {
        (journal ? w.opt1 : w.opt2).click();
        w.dlbtypemag.userChoose(0);
        w.Text2.setText(name);
        w.dcblanguage.setText(language);
        w.dcbmagtype.setText("รายเดือน");
        w.Text8.setText("12");
        w.Text9.setText("1");
        w.Text10.setText("Elsevier");
        w.Text6.setText("4");
        w.Mask2.setText("12345679");
        w.dcbdepart.setText("คณะครุศาสตร์");
        w.dcbcurren.setText("บาท");
        w.dcbrecei.setText("บอกรับเป็นสมาชิก");
        w.Text14.setText("บริษัท มติชน จำกัด (มหาชน)");
        w.Text13.setText("2");
        w.Text11.setText("1500");
        w.dcbstatus.setText("สมาชิกใหม่");
        w.dcbbindsta.setText("เย็บเล่ม");
        w.dcbbindco.setText("สีน้ำเงิน");
        w.Mask4.setText("31/12/2026");
    }

    // Adds a title through the window and returns its key.
    QString addTitle(const QString& name, bool journal = true,
                     const QString& language = "ภาษาไทย") {
        w.Cmdadd.click();
        fillEntry(name, journal, language);
        w.Cmdsave.click();
        return cell("SELECT pointer FROM vorlen1 WHERE vorlen_name = ? ORDER BY rowid DESC",
                    {name});
    }

    // Finds a stored title by its whole name and shows it, as the clerk does.
    void showTitle(const QString& name) {
        w.Text2.setText(name);
        w.Text2.doubleClick();
        for (size_t i = 0; i < w.dlbnamemag.rows().size(); ++i)
            if (w.dlbnamemag.rows()[i].description == name) {
                w.dlbnamemag.userChoose(int(i));
                return;
            }
        ADD_FAILURE() << "no title " << name.toStdString();
    }

    QString cell(const char* sql, const QVariantList& params = {}) {
        const auto row = temp.db().first(sql, params);
        return row ? row->text(0) : QStringLiteral("<none>");
    }
    int count(const char* table) {
        return cell((QStringLiteral("SELECT count(*) FROM ") + table).toUtf8().constData()).toInt();
    }
};

}  // namespace testing_support
