#include "data/DbError.h"

#include <sqlite3.h>

#include "data/FieldLimits.h"

namespace data {

namespace {

QString headFor(int code) {
    switch (code & 0xff) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return QStringLiteral("ฐานข้อมูลกำลังถูกใช้งานโดยโปรแกรมอื่น กรุณารอสักครู่แล้วลองใหม่อีกครั้ง");
        case SQLITE_FULL:
            return QStringLiteral("พื้นที่เก็บข้อมูลเต็ม บันทึกข้อมูลไม่ได้");
        case SQLITE_READONLY:
            return QStringLiteral("ฐานข้อมูลเปิดได้เพื่ออ่านอย่างเดียว บันทึกข้อมูลไม่ได้");
        case SQLITE_NOTADB:
        case SQLITE_CORRUPT:
            return QStringLiteral("แฟ้มฐานข้อมูลเสียหายหรือไม่ใช่ฐานข้อมูลของโปรแกรมนี้");
        case SQLITE_CANTOPEN:
        case SQLITE_PERM:
            return QStringLiteral("เปิดแฟ้มฐานข้อมูลไม่ได้");
        case SQLITE_AUTH:
            return QStringLiteral("ชื่อผู้ใช้ที่เข้าสู่เซิร์ฟเวอร์ฐานข้อมูลไม่มีสิทธิ์ทำรายการนี้");
        case SQLITE_TOOBIG:
            return QStringLiteral("ข้อความยาวเกินกว่าที่ช่องนั้นรับได้ บันทึกข้อมูลไม่ได้ กรุณาแก้ให้สั้นลง");
        case SQLITE_IOERR:
            return QStringLiteral("อ่านหรือเขียนแฟ้มฐานข้อมูลไม่ได้");
        default:
            return QStringLiteral("เกิดข้อผิดพลาดกับฐานข้อมูล");
    }
}

}  // namespace

// A length rule's refusal reaches SQLite as a trigger's abort; it is told
// as a value too long, as the server's is.
DbError::DbError(int code, const QString& detail)
    : std::runtime_error(detail.toStdString()),
      code_(detail.startsWith(QLatin1String(kTooLongMark)) ? SQLITE_TOOBIG : code),
      detail_(detail) {}

DbError::DbError(int code, const QString& detail, const QString& thaiHead) : DbError(code, detail) {
    thaiHead_ = thaiHead;
}

QString DbError::thaiMessage() const {
    const QString head = thaiHead_.isEmpty() ? headFor(code_) : thaiHead_;
    return head + QStringLiteral("\n(") + detail_ + QStringLiteral(")");
}

}  // namespace data
