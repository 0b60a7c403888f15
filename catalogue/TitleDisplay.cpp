#include "catalogue/TitleDisplay.h"

#include <algorithm>

#include "catalogue/NewJournal.h"
#include "catalogue/TitleSearch.h"
#include "data/DateText.h"

namespace catalogue {

namespace {

// A stored ISSN of just eight digits is shown as "9999-9999"; any other text
// as it is, so that nothing typed around the digits is lost by the next save.
QString issnShown(const QString& stored) {
    if (stored.size() != 8 ||
        !std::all_of(stored.begin(), stored.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return stored;
    return stored.left(4) + u'-' + stored.mid(4);
}

QString unknownCode(const QString& code) {
    return QStringLiteral("รหัส %1 ไม่มีในตาราง").arg(code.trimmed());
}

void showCode(ui::PickList& list, const QString& code) {
    const QString wanted = code.trimmed();
    for (std::size_t i = 0; i < list.rows().size(); ++i)
        if (list.rows()[i].code.trimmed() == wanted) {
            list.chooseRow(int(i));
            return;
        }
    list.setText(wanted.isEmpty() ? QString() : unknownCode(wanted));
}

// The name of a publisher or agent; a code with no publisher row is marked.
void showDealer(ui::TextBox& name, ui::TextBox& codeField, const data::Row& row, int codeColumn,
                int nameColumn) {
    const QString code = row.text(codeColumn);
    codeField.setText(code);
    name.setText(row.isNull(nameColumn) && !code.trimmed().isEmpty() ? unknownCode(code)
                                                                     : row.text(nameColumn));
}

}  // namespace

void TitleDisplay::showKind(const QString& code) {
    showCode(w_.dlbtypemag, code);
}

void TitleDisplay::blank() {
    for (ui::TextBox* box : {&w_.Text2, &w_.Text3, &w_.Text4, &w_.Text5, &w_.Mask1, &w_.Mask2,
                             &w_.Text8, &w_.Text9, &w_.Text6, &w_.Text10, &w_.Text7, &w_.Text11,
                             &w_.Text12, &w_.Mask3, &w_.Mask4, &w_.Mask5, &w_.Text13, &w_.Text14})
        box->setText({});
    for (ui::PickList* list :
         {&w_.dlbtypemag, &w_.dcblanguage, &w_.dcbmagtype, &w_.dcbdepart, &w_.dcbrecei,
          &w_.dcbcurren, &w_.dcbstatus, &w_.dcbbindsta, &w_.dcbbindco})
        list->setText({});
}

void TitleDisplay::showTitle(const data::Row& row) {
    namespace q = titlequery;
    w_.Text1.setText(row.text(q::pointer));
    const QString letter = w_.Text1.text().trimmed().left(1);
    if (letter == u"J" || letter == u"I") {
        w_.opt1.setValue(true);
        w_.opt2.setValue(false);
    } else if (letter == u"K" || letter == u"L") {
        w_.opt1.setValue(false);
        w_.opt2.setValue(true);
    }
    w_.Text2.setText(row.text(q::vorlen_name));
    w_.Text3.setText(row.text(q::compare_name));
    w_.Text4.setText(row.text(q::old_name));
    w_.Text5.setText(row.text(q::shot_name));
    w_.Mask1.setText(data::reformatDate(row.text(q::First_year_printed)));
    w_.Mask2.setText(issnShown(row.text(q::issn)));
    w_.Text8.setText(row.text(q::number_per_volume));
    w_.Text9.setText(row.text(q::volume_per_year));
    showCode(w_.dcblanguage, row.text(q::language_code));
    showCode(w_.dcbmagtype, row.text(q::magtype_code));
    showDealer(w_.Text10, w_.Text6, row, q::Publisher_code, q::publisher_name);
}

void TitleDisplay::showSubscription(const data::Row& row) {
    namespace q = subscriptionquery;
    w_.Text7.setText(row.text(q::copy_per_year));
    w_.Text11.setText(row.text(q::price_per_year));
    w_.Text12.setText(row.text(q::exchange_rate));
    w_.Mask3.setText(data::reformatDate(row.text(q::begin_period)));
    w_.Mask4.setText(data::reformatDate(row.text(q::end_period)));
    w_.Mask5.setText(data::reformatDate(row.text(q::order_date)));
    showCode(w_.dcbdepart, row.text(q::department_code));
    showCode(w_.dcbrecei, row.text(q::Receive_Code));
    showCode(w_.dcbcurren, row.text(q::currency_code));
    showDealer(w_.Text14, w_.Text13, row, q::Publisher_code, q::Publisher_Name);
    showCode(w_.dcbstatus, row.text(q::status_code));
    showCode(w_.dcbbindsta, row.text(q::bind_type_code));
    showCode(w_.dcbbindco, row.text(q::bind_color_code));
}

TitleValues TitleDisplay::entered(const QString& loadedKey) const {
    TitleValues v;
    v.pointer = w_.addmode ? w_.Text1.text() : loadedKey;
    v.name = w_.Text2.text();
    v.compareName = w_.Text3.text();
    v.oldName = w_.Text4.text();
    v.shortName = w_.Text5.text();
    v.firstYearPrinted = w_.Mask1.text();
    v.issn = w_.Mask2.text();
    v.languageCode = w_.dcblanguage.boundText();
    v.magtypeCode = w_.dcbmagtype.boundText();
    v.numberPerVolume = w_.Text8.text();
    v.volumePerYear = w_.Text9.text();
    v.publisherCode = w_.Text6.text();
    v.departmentCode = w_.dcbdepart.boundText();
    v.bindTypeCode = w_.dcbbindsta.boundText();
    v.receiveCode = w_.dcbrecei.boundText();
    v.bindColorCode = w_.dcbbindco.boundText();
    v.copyPerYear = w_.Text7.text();
    v.pricePerYear = w_.Text11.text();
    v.currencyCode = w_.dcbcurren.boundText();
    v.exchangeRate = w_.Text12.text();
    v.beginPeriod = w_.Mask3.text();
    v.endPeriod = w_.Mask4.text();
    v.orderDate = w_.Mask5.text();
    v.agentCode = w_.Text13.text();
    v.statusCode = w_.dcbstatus.boundText();
    v.typeCode = w_.dlbtypemag.boundText();
    return v;
}

}  // namespace catalogue
