#include <gtest/gtest.h>

#include <QApplication>

// GUI tests need one QApplication for the whole process; the offscreen
// platform is chosen through QT_QPA_PLATFORM by CTest.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
