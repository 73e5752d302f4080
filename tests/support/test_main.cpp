#include <QApplication>
#include <gtest/gtest.h>

// Every test program runs with a real QApplication on the offscreen platform, so widgets,
// pictures and fonts behave as in the game without a display.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
