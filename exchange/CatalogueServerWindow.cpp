#include "exchange/CatalogueServerWindow.h"

namespace exchange {

void CatalogueServerWindow::changed() {
    if (onChange)
        onChange();
}

bool CatalogueServerWindow::add(const QString& address) {
    QString why = CatalogueServers::problem(address);
    if (why.isEmpty() && servers_.contains(address.trimmed()))
        why = QStringLiteral("เครื่องบริการนี้อยู่ในรายการแล้ว");
    if (!why.isEmpty()) {
        services_.messages.show(why, caption(), ui::msg::kWarning);
        return false;
    }
    servers_ << address.trimmed();
    changed();
    return true;
}

void CatalogueServerWindow::remove(int row) {
    if (row < 0 || row >= servers_.size())
        return;
    servers_.removeAt(row);
    changed();
}

bool CatalogueServerWindow::save() {
    if (!store_.save(servers_)) {
        services_.messages.show(QStringLiteral("บันทึกแฟ้มค่าที่กำหนดไม่ได้"), caption(), ui::msg::kStop);
        return false;
    }
    services_.messages.show(
        servers_.isEmpty()
            ? QStringLiteral("บันทึกแล้ว: ไม่มีเครื่องบริการ การสืบค้นจะค้นเฉพาะวารสารของงานวารสาร")
            : QStringLiteral("บันทึกเครื่องบริการ %1 เครื่องแล้ว").arg(servers_.size()),
        caption(), ui::msg::kInformation);
    return true;
}

}  // namespace exchange
