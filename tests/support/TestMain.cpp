#include <gtest/gtest.h>

#include <QApplication>

#include "ui/qt/Fonts.h"

// Every test program gets an application object, so widget tests and logic
// tests share one main; without a display the offscreen platform is used.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::qt::setUpFonts();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
