#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "app/Startup.h"
#include "framework/MsgBox.h"
#include "framework/QStringPrinter.h"
#include "main_window/Window1.h"

// The program as it starts in its own process: no QApplication exists until
// its start-up makes one.
namespace {

struct Seen {
    bool ran = false;
    Qt::HighDpiScaleFactorRoundingPolicy policy = Qt::HighDpiScaleFactorRoundingPolicy::Unset;
    QString boxTitle;
};

Seen& Observed() {
    static Seen seen;
    return seen;
}

// Runs as the program's QApplication is made: once the main window is open,
// looks at the running program, shows a real message box and quits.
void LookAtTheRunningProgram() {
    QTimer::singleShot(0, [] {
        Seen& seen = Observed();
        seen.ran = true;
        seen.policy = QGuiApplication::highDpiScaleFactorRoundingPolicy();
        QTimer::singleShot(0, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                Observed().boxTitle = box->windowTitle();
                box->accept();
            }
        });
        MsgBox(QStringLiteral("A message"));
        Window1()->MenuItemChosen(Window1()->FileQuit());
    });
}

TEST(StartupProcessTest, HighResolutionSupportTakesEffectAndMessageBoxesSayVorlix) {
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    // Another policy than Qt's default, so that the program's request shows.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    qAddPreRoutine(LookAtTheRunningProgram);
    char program[] = "vorlix";
    char* argv[] = {program, nullptr};
    int argc = 1;

    EXPECT_EQ(RunProgram(argc, argv), 0);

    EXPECT_TRUE(Observed().ran);
    EXPECT_EQ(Observed().policy, Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    EXPECT_EQ(Observed().boxTitle, QStringLiteral("Vorlix"));
    EXPECT_EQ(QCoreApplication::instance(), nullptr);
}

}  // namespace
