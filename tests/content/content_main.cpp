// The content tests draw and measure text, which needs a GUI application
// (offscreen under CTest).

#include "stage/fonts.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    registerFonts();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
