#include <gtest/gtest.h>

#include <QFile>

#include "tests/shell/Program.h"

using testing_support::Program;

TEST(CommandLine, HelpAndVersionSucceedAndEveryMistakeIsSaidWithTheUsage) {
    struct Case {
        QStringList args;
        int code;
        QString said;  // on the output for a success, on the error output else
    };
    const Case cases[] = {
        {{"--help"}, 0, "--restore BACKUP"},
        {{"-h"}, 0, "--copy-to URL"},
        {{"--version"}, 0, "periodicals 1."},
        {{"--chek"}, 2, QStringLiteral("ไม่รู้จักตัวเลือก --chek")},
        {{"-x"}, 2, QStringLiteral("ไม่รู้จักตัวเลือก -x")},
        {{"--restore"}, 2, QStringLiteral("ต้องระบุ BACKUP ต่อจากตัวเลือก --restore")},
        {{"--copy-to"}, 2, QStringLiteral("ต้องระบุ URL ต่อจากตัวเลือก --copy-to")},
        {{"backup.db"}, 2, QStringLiteral("ไม่รู้จักคำสั่ง backup.db")},
        {{"--check", "--init-database"}, 2, QStringLiteral("ใช้ได้ครั้งละหนึ่งตัวเลือก")},
        {{"--help", "--bogus"}, 2, QStringLiteral("ไม่รู้จักตัวเลือก --bogus")},
        {{"--format", "marcxml"}, 2, QStringLiteral("ตัวเลือก --format ต้องใช้คู่กับคำสั่ง")},
        {{"--check", "--format", "marcxml"},
         2,
         QStringLiteral("ตัวเลือก --format ใช้กับ --check ไม่ได้")},
    };
    for (const Case& c : cases) {
        Program program;
        const QString what = c.args.join(' ');
        EXPECT_EQ(program.run(c.args), c.code) << what.toStdString();
        const QString& said = c.code == 0 ? program.output : program.errors;
        EXPECT_TRUE(said.contains(c.said)) << what.toStdString() << ": " << said.toStdString();
        if (c.code != 0) {
            EXPECT_TRUE(program.errors.contains(QStringLiteral("วิธีใช้: periodicals")))
                << what.toStdString();
            EXPECT_TRUE(program.output.isEmpty()) << what.toStdString();
        }
        EXPECT_FALSE(QFile::exists(program.database())) << what.toStdString();
    }
}
