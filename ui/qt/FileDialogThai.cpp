#include "ui/qt/FileDialogThai.h"

#include <QCoreApplication>
#include <cstring>

namespace ui::qt {

namespace {

struct Text {
    const char* context;
    const char* source;
    const char16_t* thai;
};

// The source texts are Qt's own, exactly as its widgets ask for them.
constexpr Text kTexts[] = {
    {"QFileDialog", "Look in:", u"มองหาใน:"},
    {"QFileDialog", "File &name:", u"ชื่อไฟล์:"},
    {"QFileDialog", "Files of type:", u"ชนิดไฟล์:"},
    {"QFileDialog", "Directory:", u"โฟลเดอร์:"},
    {"QFileDialog", "&Save", u"บันทึก"},
    {"QFileDialog", "&Open", u"เปิด"},
    {"QFileDialog", "&Choose", u"เลือก"},
    {"QFileDialog", "Save As", u"บันทึกเป็น"},
    {"QFileDialog", "Open", u"เปิด"},
    {"QFileDialog", "Back", u"ย้อนกลับ"},
    {"QFileDialog", "Forward", u"ไปข้างหน้า"},
    {"QFileDialog", "Parent Directory", u"ขึ้นไปหนึ่งระดับ"},
    {"QFileDialog", "Create New Folder", u"สร้างโฟลเดอร์ใหม่"},
    {"QFileDialog", "List View", u"แสดงเป็นรายการ"},
    {"QFileDialog", "Detail View", u"แสดงรายละเอียด"},
    {"QFileDialog", "Go back", u"ย้อนกลับ"},
    {"QFileDialog", "Go forward", u"ไปข้างหน้า"},
    {"QFileDialog", "Go to the parent directory", u"ขึ้นไปหนึ่งระดับ"},
    {"QFileDialog", "Create a New Folder", u"สร้างโฟลเดอร์ใหม่"},
    {"QFileDialog", "Change to list view mode", u"แสดงเป็นรายการ"},
    {"QFileDialog", "Change to detail view mode", u"แสดงรายละเอียด"},
    {"QFileDialog", "Sidebar", u"แถบสถานที่"},
    {"QFileDialog", "List of places and bookmarks", u"สถานที่และที่คั่นไว้"},
    {"QFileDialog", "Files", u"ไฟล์"},
    {"QFileDialog", "&Rename", u"เปลี่ยนชื่อ"},
    {"QFileDialog", "&Delete", u"ลบ"},
    {"QFileDialog", "Show &hidden files", u"แสดงไฟล์ที่ซ่อนไว้"},
    {"QFileDialog", "&New Folder", u"โฟลเดอร์ใหม่"},
    {"QFileDialog", "New Folder", u"โฟลเดอร์ใหม่"},
    {"QFileDialog", "Show ", u"แสดง"},
    {"QFileDialog", "All Files (*)", u"ทุกไฟล์ (*)"},
    {"QFileDialog", "Recent Places", u"ที่ใช้ล่าสุด"},
    {"QFileDialog", "%1 already exists.\nDo you want to replace it?",
     u"มีไฟล์ %1 อยู่แล้ว\nต้องการบันทึกทับไฟล์นี้หรือไม่"},
    {"QFileDialog", "Are you sure you want to delete '%1'?", u"ต้องการลบ '%1' ใช่หรือไม่"},
    {"QFileDialog", "'%1' is write protected.\nDo you want to delete it anyway?",
     u"'%1' ถูกป้องกันการเขียน\nต้องการลบหรือไม่"},
    {"QFileDialog", "Could not delete directory.", u"ลบโฟลเดอร์ไม่ได้"},
    {"QFileDialog", "%1\nDirectory not found.\nPlease verify the correct directory name was given.",
     u"%1\nไม่พบโฟลเดอร์นี้\nกรุณาตรวจชื่อโฟลเดอร์"},
    {"QFileDialog", "%1\nFile not found.\nPlease verify the correct file name was given.",
     u"%1\nไม่พบไฟล์นี้\nกรุณาตรวจชื่อไฟล์"},
    {"QFileSystemModel", "Name", u"ชื่อ"},
    {"QFileSystemModel", "Size", u"ขนาด"},
    {"QFileSystemModel", "Type", u"ชนิด"},
    {"QFileSystemModel", "Kind", u"ชนิด"},
    {"QFileSystemModel", "Date Modified", u"วันที่แก้ไข"},
    {"QFileSystemModel", "Computer", u"คอมพิวเตอร์"},
    {"QFileSystemModel", "My Computer", u"คอมพิวเตอร์"},
    {"QFileSystemModel", "Invalid filename", u"ชื่อไฟล์ใช้ไม่ได้"},
    {"QFileSystemModel",
     "<b>The name \"%1\" cannot be used.</b><p>Try using another name, with fewer characters or "
     "no punctuation marks.",
     u"<b>ใช้ชื่อ \"%1\" ไม่ได้</b><p>กรุณาใช้ชื่ออื่นที่สั้นกว่านี้หรือไม่มีเครื่องหมายวรรคตอน"},
    {"QFileSystemModel", "<b>The name \"%1\" cannot be used.</b><p>Try using another name.",
     u"<b>ใช้ชื่อ \"%1\" ไม่ได้</b><p>กรุณาใช้ชื่ออื่น"},
    {"QAbstractFileIconProvider", "Drive", u"ไดรฟ์"},
    {"QAbstractFileIconProvider", "Folder", u"โฟลเดอร์"},
    {"QAbstractFileIconProvider", "File", u"ไฟล์"},
    {"QAbstractFileIconProvider", "%1 File", u"ไฟล์ %1"},
    {"QAbstractFileIconProvider", "Shortcut", u"ทางลัด"},
    {"QAbstractFileIconProvider", "Alias", u"ทางลัด"},
    {"QPlatformTheme", "OK", u"ตกลง"},
    {"QPlatformTheme", "Save", u"บันทึก"},
    {"QPlatformTheme", "Open", u"เปิด"},
    {"QPlatformTheme", "Cancel", u"ยกเลิก"},
    {"QPlatformTheme", "Close", u"ปิด"},
    {"QPlatformTheme", "&Yes", u"ใช่"},
    {"QPlatformTheme", "&No", u"ไม่ใช่"},
};

}  // namespace

FileDialogThai::FileDialogThai() {
    QCoreApplication::installTranslator(this);
}

FileDialogThai::~FileDialogThai() {
    QCoreApplication::removeTranslator(this);
}

QString FileDialogThai::translate(const char* context, const char* sourceText,
                                  const char* /*disambiguation*/, int /*n*/) const {
    if (!context || !sourceText)
        return {};
    for (const Text& t : kTexts)
        if (std::strcmp(t.context, context) == 0 && std::strcmp(t.source, sourceText) == 0)
            return QString::fromUtf16(t.thai);
    return {};
}

}  // namespace ui::qt
