#include <gtest/gtest.h>
#include <qpa/qwindowsysteminterface.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include "app/Startup.h"
#include "framework/MsgBox.h"
#include "framework/SaveDialog.h"
#include "main_window/Window1.h"

// The program in its own process, ended by the window manager's close command
// on the main window while the About window is open.
namespace {

struct Seen {
    std::size_t windowsOpenAtTheClose = 0;
    int handlersRun = 0;
};

Seen& Observed() {
    static Seen seen;
    return seen;
}

void CloseTheMainWindowFromTheWindowManager() {
    QTimer::singleShot(0, [] {
        class Window1* main = Window1();
        main->MenuItemChosen(main->WindowAboutVorlix());
        Observed().windowsOpenAtTheClose = Window::OpenWindows().size();
        SetMsgBoxPresenter([](const QString&) { ++Observed().handlersRun; });
        SetSaveDialogPresenter([](const QString&, const QString&) {
            ++Observed().handlersRun;
            return QString();
        });
        QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(
            main->Widget()->windowHandle());
        // Reached only if the program is still running after the close.
        QTimer::singleShot(0, [] { QCoreApplication::exit(1); });
    });
}

TEST(ShutdownProcessTest, TheWindowManagersCloseOfTheMainWindowEndsTheProgramAsExitDoes) {
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    qAddPreRoutine(CloseTheMainWindowFromTheWindowManager);
    char program[] = "vorlix";
    char* argv[] = {program, nullptr};
    int argc = 1;

    EXPECT_EQ(RunProgram(argc, argv), 0);

    EXPECT_EQ(Observed().windowsOpenAtTheClose, 2u);
    EXPECT_EQ(QCoreApplication::instance(), nullptr);
    EXPECT_EQ(Observed().handlersRun, 0);
}

}  // namespace
