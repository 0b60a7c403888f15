#pragma once

#include <memory>
#include <vector>

#include "articles/CardPrint.h"
#include "articles/IndexCards.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Grid.h"
#include "ui/Services.h"
#include "ui/TextBox.h"

namespace articles {

// The index cards of the articles indexed on a range of days
// ("ำบัตรดัชนีวารส", "พิมพ์บัตรดัชนีวารสาร"): the new cards are printed once
// and remembered as printed; chosen cards can be printed again.
class IndexCardWindow : public ui::Form {
  public:
    explicit IndexCardWindow(ui::Services& services);
    ~IndexCardWindow() override;

    ui::Label fromLabel{"fromLabel", QStringLiteral("ทำดัชนีตั้งแต่วันที่")};
    ui::TextBox fromText{"fromText"};
    ui::Label toLabel{"toLabel", QStringLiteral("ถึงวันที่")};
    ui::TextBox toText{"toText"};
    ui::OptionButton newOption{"newOption", QStringLiteral("บัตรที่ยังไม่ได้พิมพ์")};
    ui::OptionButton allOption{"allOption", QStringLiteral("บัตรทั้งหมด")};
    ui::CommandButton showButton{"showButton", QStringLiteral("แสดง")};
    ui::Grid cardList{"cardList", 1, 3};
    ui::OptionButton a4Option{"a4Option", QStringLiteral("กระดาษ A4 (3 ใบต่อหน้า)")};
    ui::OptionButton cardStockOption{"cardStockOption", QStringLiteral("กระดาษบัตร (1 ใบ)")};
    ui::CommandButton printButton{"printButton", QStringLiteral("พิมพ์บัตรที่แสดง")};
    ui::CommandButton pdfButton{"pdfButton", QStringLiteral("บันทึก PDF")};
    ui::CommandButton reprintButton{"reprintButton", QStringLiteral("พิมพ์ซ้ำบัตรที่เลือก")};
    ui::CommandButton closeButton{"closeButton", QStringLiteral("ปิด")};

    bool Form_Load();
    void showButton_Click();
    void printButton_Click() { output(cards_, false); }
    void pdfButton_Click() { output(cards_, true); }
    void reprintButton_Click();

    const std::vector<IndexCard>& shown() const { return cards_; }

  private:
    // Prints the cards (to the printer or a PDF the user names) and marks
    // them printed once the document is complete.
    void output(const std::vector<IndexCard>& cards, bool pdf);
    bool attempt(const std::function<void()>& step);

    ui::Services& services_;
    std::unique_ptr<data::Database> db_;
    std::vector<IndexCard> cards_;
};

}  // namespace articles
