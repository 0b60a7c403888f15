#include "data/DbError.h"

#include <sqlite3.h>

namespace data {

DbError::DbError(int code, const QString& detail)
    : std::runtime_error(detail.toStdString()), code_(code), detail_(detail) {}

QString DbError::thaiMessage() const {
    QString head;
    switch (code_ & 0xff) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            head = QStringLiteral("ฐานข้อมูลกำลังถูกใช้งานโดยโปรแกรมอื่น กรุณารอสักครู่แล้วลองใหม่อีกครั้ง");
            break;
        case SQLITE_FULL:
            head = QStringLiteral("พื้นที่เก็บข้อมูลเต็ม บันทึกข้อมูลไม่ได้");
            break;
        case SQLITE_READONLY:
            head = QStringLiteral("ฐานข้อมูลเปิดได้เพื่ออ่านอย่างเดียว บันทึกข้อมูลไม่ได้");
            break;
        case SQLITE_NOTADB:
        case SQLITE_CORRUPT:
            head = QStringLiteral("แฟ้มฐานข้อมูลเสียหายหรือไม่ใช่ฐานข้อมูลของโปรแกรมนี้");
            break;
        case SQLITE_CANTOPEN:
        case SQLITE_PERM:
            head = QStringLiteral("เปิดแฟ้มฐานข้อมูลไม่ได้");
            break;
        case SQLITE_IOERR:
            head = QStringLiteral("อ่านหรือเขียนแฟ้มฐานข้อมูลไม่ได้");
            break;
        default:
            head = QStringLiteral("เกิดข้อผิดพลาดกับฐานข้อมูล");
    }
    return head + QStringLiteral("\n(") + detail_ + QStringLiteral(")");
}

}  // namespace data
