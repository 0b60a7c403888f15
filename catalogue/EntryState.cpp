#include "catalogue/EntryState.h"

#include "catalogue/NewJournal.h"

namespace catalogue {

namespace {

template <typename Field>
void paintField(Field& field, bool locked) {
    field.setEnabled(!locked);
    field.setBackColor(locked ? ui::kLockedColor : ui::kEditableColor);
}

}  // namespace

void EntryState::blank(NewJournal& w, const QString& today) {
    w.Text1.setText({});
    w.opt1.setValue(false);
    w.opt2.setValue(false);
    w.dlbtypemag.setText({});
    for (ui::TextBox* name : {&w.Text2, &w.Text3, &w.Text4, &w.Text5})
        name->setText({});
    w.Text7.setText(QStringLiteral("1"));
    w.Text8.setText(QStringLiteral("0"));
    w.Text9.setText(QStringLiteral("0"));
    w.Text10.setText({});
    w.Text11.setText(QStringLiteral("0"));
    w.Text12.setText(QStringLiteral("0"));
    w.Mask1.setText(today);
    w.Mask2.setText(QStringLiteral(" "));
    w.Mask3.setText(today);
    w.Mask4.setText(today);
    w.Mask5.setText(today);
    for (ui::PickList* list :
         {&w.dcblanguage, &w.dcbmagtype, &w.dcbdepart, &w.dcbrecei, &w.dcbcurren})
        list->setText({});
    w.Text14.setText({});
    for (ui::PickList* list : {&w.dcbstatus, &w.dcbbindsta, &w.dcbbindco})
        list->setText({});
}

void EntryState::setLocked(NewJournal& w, bool locked) {
    paintField(w.Text1, !locked);
    for (ui::Control* c : std::initializer_list<ui::Control*>{&w.opt1, &w.opt2, &w.dlbtypemag})
        c->setEnabled(!locked);
    // The fields that lock and unlock together, in their order.
    for (ui::TextBox* box :
         {&w.Text3, &w.Text4, &w.Text5, &w.Text8, &w.Text9, &w.Text10, &w.Text7, &w.Text11,
          &w.Text12, &w.Mask1, &w.Mask2, &w.Mask3, &w.Mask4, &w.Mask5})
        paintField(*box, locked);
    for (ui::PickList* list :
         {&w.dcblanguage, &w.dcbmagtype, &w.dcbdepart, &w.dcbrecei, &w.dcbcurren})
        paintField(*list, locked);
    paintField(w.Text14, locked);
    for (ui::PickList* list : {&w.dcbstatus, &w.dcbbindsta, &w.dcbbindco})
        paintField(*list, locked);
}

void EntryState::paint(ui::TextBox& field, bool locked) {
    paintField(field, locked);
}

}  // namespace catalogue
