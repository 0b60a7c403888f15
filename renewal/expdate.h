#pragma once

#include <memory>

#include "renewal/ExpiryPrint.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Grid.h"
#include "ui/PickList.h"
#include "ui/TextBox.h"

namespace data {
class Database;
}

namespace renewal {

// The expiry and renewal window: lists the subscriptions whose period ends in
// a range, prints that list and renews one subscription at a time.
class expdate : public ui::Form {
  public:
    explicit expdate(ui::Services& services);
    ~expdate() override;

    bool Form_Load();

    ui::Frame Frame2{"Frame2", QStringLiteral("เลือกประเภท")};
    ui::OptionButton Option1{"Option1", QStringLiteral("วารสาร")};
    ui::OptionButton Option2{"Option2", QStringLiteral("หนังสือพิมพ์")};
    ui::Label Label1{"Label1", QStringLiteral("วันที่")};
    ui::TextBox Text1{"Text1"};
    ui::Label Label2{"Label2", QStringLiteral("ถึงวันที่")};
    ui::TextBox Text2{"Text2"};
    ui::CommandButton Command1{"Command1", QStringLiteral("Search")};
    ui::CommandButton Command2{"Command2", QStringLiteral("Clear")};
    ui::CommandButton Command3{"Command3", QStringLiteral("Exit")};
    ui::Grid showjour{"showjour", 11, 11};
    ui::Label Label3{"Label3", QStringLiteral("รายชื่อวารสาร")};
    ui::TextBox Text3{"Text3"};
    // The faculty, so that two subscriptions of one title can be told apart.
    ui::Label Label10{"Label10", QStringLiteral("คณะที่บอกรับ")};
    ui::TextBox Text9{"Text9"};
    ui::Label Label4{"Label4", QStringLiteral("ตัวแทน/ร้านค้า")};
    ui::TextBox Text4{"Text4"};
    ui::Label Label5{"Label5", QStringLiteral("ค่าสมาชิก/ปี")};
    ui::TextBox Text5{"Text5"};
    ui::Label Label7{"Label7", QStringLiteral("สกุลเงิน")};
    ui::PickList DataCombo1{"DataCombo1"};
    ui::Label Label6{"Label6", QStringLiteral("อัตรา")};
    ui::TextBox Text6{"Text6"};
    ui::Label Label8{"Label8", QStringLiteral("วันที่ต่ออายุ")};
    ui::TextBox Text7{"Text7"};
    ui::Label Label9{"Label9", QStringLiteral("วันที่ครบอายุ")};
    ui::TextBox Text8{"Text8"};
    ui::CommandButton Cmdprint{"Cmdprint", QStringLiteral("พิมพ์")};
    ui::CommandButton cmdedit{"cmdedit", QStringLiteral("แก้ไข")};
    ui::CommandButton cmdsave{"cmdsave", QStringLiteral("บันทึก")};

    // The key of the row last clicked, and the grid row a search fills next.
    QString selpointer;
    int nextrow = 1;

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void showjour_Click();
    void Cmdprint_Click();
    void cmdedit_Click();
    void cmdsave_Click();
    void lockinput();
    void unlockinput();

  private:
    void selectAll(ui::TextBox& box);
    void todayIntoRange();
    void clearDetails();
    // A date field that does not hold a date: tells the user and focuses it.
    bool checkDateField(ui::TextBox& box);
    // The clicked subscription's own currency code, when the list has it.
    void showStoredCurrency();
    // The listed lines to print, read a page at a time.
    void listedLines(const ExpiryPrint::EachLine& each);
    // The printer, or the PDF file the user names (then `pdfPath` is set).
    std::unique_ptr<ui::PageSurface> openSurface(QString& pdfPath);
    // The file name the PDF question proposes: the list and its range.
    QString proposedPdfName() const;
    // The grid row that lists this subscription; -1 when none does.
    int rowOfSubscription(const QString& subscription) const;
    // Escape while a renewal is open: the row's values come back, unsaved.
    void abandonRenewal();

    ui::Services& services_;
    std::unique_ptr<data::Database> db_;
    // The subscription row last clicked, the one a renewal writes.
    QString selsubscription_;
};

}  // namespace renewal
