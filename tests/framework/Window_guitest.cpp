#include <qpa/qwindowsysteminterface.h>

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <stdexcept>

#include "framework/Application.h"
#include "framework/GuiTestSupport.h"
#include "framework/IOException.h"
#include "framework/Listbox.h"
#include "framework/PushButton.h"
#include "framework/QuitMenuItem.h"
#include "framework/Separator.h"
#include "framework/TextField.h"

namespace {

// A window whose controls and menu handlers each test supplies.
class ProbeWindow : public Window {
public:
    static constexpr const char* kClassName = "Probe.Probe";
    ProbeWindow() : Window(QString::fromUtf8(kClassName)) {}

    std::function<void(ProbeWindow&)> build;
    std::function<void(ProbeWindow&)> addMenuHandlers;
    QStringList* trace = nullptr;

protected:
    void Layout() override {
        Note("Layout");
        Width(300);
        Height(200);
        MinWidth(200);
        MinHeight(150);
        Title(QStringLiteral("Probe"));
    }
    void CreateControls() override {
        Note("CreateControls");
        if (build) build(*this);
    }
    void AddMenuHandlers() override {
        Note("AddMenuHandlers");
        if (addMenuHandlers) addMenuHandlers(*this);
    }

private:
    void Note(const char* step) {
        if (trace != nullptr) *trace << QString::fromUtf8(step);
    }
};

ProbeWindow& Build(std::function<void(ProbeWindow&)> build,
                   std::function<void(ProbeWindow&)> addMenuHandlers = {}) {
    auto window = std::make_unique<ProbeWindow>();
    window->build = std::move(build);
    window->addMenuHandlers = std::move(addMenuHandlers);
    return *static_cast<ProbeWindow*>(Window::Constructor(std::move(window)));
}

template <class T>
T& Place(Window& window, const char* name, int left, int top, int width, int height) {
    T& control = window.NewControl<T>(QString::fromUtf8(name));
    control.Left(left);
    control.Top(top);
    control.Width(width);
    control.Height(height);
    return control;
}

bool IsOpen(const Window* window) {
    const std::vector<Window*> open = Window::OpenWindows();
    return std::find(open.begin(), open.end(), window) != open.end();
}

// The window manager's close command, as the platform hands it to Qt.
void CloseFromTheWindowManager(const Window& window) {
    QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(
        window.Widget()->windowHandle());
}

using WindowTest = GuiTest;

TEST_F(WindowTest, ConstructionRunsHooksInOrderAndOpensBeforeOpenEvents) {
    QStringList trace;
    auto window = std::make_unique<ProbeWindow>();
    window->trace = &trace;
    window->build = [&trace](ProbeWindow& w) {
        Listbox& list = w.NewControl<Listbox>(QStringLiteral("List"));
        list.Open = [&trace, &w](Listbox&) {
            trace << (w.Visible() ? QStringLiteral("Open (visible)") : QStringLiteral("Open"));
        };
    };
    Window* built = Window::Constructor(std::move(window));

    EXPECT_EQ(trace,
              QStringList({"Layout", "CreateControls", "AddMenuHandlers", "Open (visible)"}));
    EXPECT_EQ(Window::GetImplicitWindow(QStringLiteral("Probe.Probe")), built);
    EXPECT_EQ(built->Width(), 300);
    EXPECT_EQ(built->Height(), 200);
    EXPECT_EQ(built->ContentArea()->size(), QSize(300, 200));
}

TEST_F(WindowTest, ObtainFindsTheOpenWindowAndBuildsANewOneOnceItIsClosed) {
    ProbeWindow* first = Window::Obtain<ProbeWindow>();
    EXPECT_EQ(Window::Obtain<ProbeWindow>(), first);
    EXPECT_EQ(Window::OpenWindows().size(), 1u);

    first->Close();
    EXPECT_EQ(Window::GetImplicitWindow(QStringLiteral("Probe.Probe")), nullptr);
    QCoreApplication::processEvents();
    ProbeWindow* second = Window::Obtain<ProbeWindow>();
    EXPECT_EQ(Window::OpenWindows().size(), 1u);
    EXPECT_EQ(Window::GetImplicitWindow(QStringLiteral("Probe.Probe")), second);
}

TEST_F(WindowTest, TheWindowManagersCloseQuitsFromAWindowWithoutACloseButtonOnly) {
    ProbeWindow* main = &Build([](ProbeWindow& w) { w.CloseButton(false); });
    ProbeWindow* other = &Build([](ProbeWindow&) {});
    QTimer stillRunning;
    stillRunning.setSingleShot(true);
    QObject::connect(&stillRunning, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    QTimer::singleShot(0, [&] {
        CloseFromTheWindowManager(*main);
        stillRunning.start(0);
    });
    EXPECT_EQ(QApplication::exec(), 0);
    // Nothing was closed on the way: the end of the run closes every window.
    ASSERT_TRUE(IsOpen(main));
    EXPECT_TRUE(main->Visible());
    ASSERT_TRUE(IsOpen(other));

    // A window with a close button closes alone, and the program's own Close
    // closes any window.
    CloseFromTheWindowManager(*other);
    EXPECT_FALSE(IsOpen(other));
    EXPECT_TRUE(IsOpen(main));
    main->Close();
    EXPECT_FALSE(IsOpen(main));
}

TEST_F(WindowTest, AWindowClosedAsTheEventLoopEndsIsDestroyed) {
    ProbeWindow& window = Build([](ProbeWindow&) {});
    const QPointer<QWidget> widget = window.Widget();
    QTimer::singleShot(0, [&window] {
        window.Close();
        Application::Quit();
    });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(widget.isNull());
}

TEST_F(WindowTest, AFailingHookLeavesNoOpenWindow) {
    EXPECT_THROW(Build([](ProbeWindow&) { throw IOException("broken design"); }), IOException);
    EXPECT_TRUE(Window::OpenWindows().empty());
}

TEST_F(WindowTest, LocksMoveAndStretchControlsWithTheWindow) {
    struct Case {
        const char* name;
        bool left, top, right, bottom;
        QRect afterGrowing;  // window 100 wider and 100 taller
    };
    const Case cases[] = {
        {"TopLeft", true, true, false, false, QRect(10, 10, 50, 20)},
        {"LeftRight", true, true, true, false, QRect(10, 10, 150, 20)},
        {"RightOnly", false, true, true, false, QRect(110, 10, 50, 20)},
        {"TopBottom", true, true, false, true, QRect(10, 10, 50, 120)},
        {"BottomOnly", true, false, false, true, QRect(10, 110, 50, 20)},
        {"AllFour", true, true, true, true, QRect(10, 10, 150, 120)},
    };
    ProbeWindow& window = Build([&cases](ProbeWindow& w) {
        for (const Case& c : cases) {
            TextField& field = Place<TextField>(w, c.name, 10, 10, 50, 20);
            field.LockLeft(c.left);
            field.LockTop(c.top);
            field.LockRight(c.right);
            field.LockBottom(c.bottom);
        }
    });
    window.Width(400);
    window.Height(300);
    for (const Case& c : cases) {
        const RectControl& control = window.Control<TextField>(QString::fromUtf8(c.name));
        EXPECT_EQ(QRect(control.Left(), control.Top(), control.Width(), control.Height()),
                  c.afterGrowing)
            << c.name;
    }
    window.Width(300);
    window.Height(200);
    const RectControl& restored = window.Control<TextField>(QStringLiteral("AllFour"));
    EXPECT_EQ(QRect(restored.Left(), restored.Top(), restored.Width(), restored.Height()),
              QRect(10, 10, 50, 20));
}

TEST_F(WindowTest, AFieldPassedOverWhileAHandlerMovesTheFocusGetsNoLostFocus) {
    QStringList lost;
    ProbeWindow& window = Build([&lost](ProbeWindow& w) {
        const char* names[] = {"A", "B", "C"};
        for (int i = 0; i < 3; ++i) {
            TextField& field = Place<TextField>(w, names[i], 10, 10 + 30 * i, 100, 22);
            field.TabIndex(i);
            field.LostFocus = [&lost](TextField& f) { lost << f.Name(); };
        }
        w.Control<TextField>(QStringLiteral("A")).LostFocus = [&lost, &w](TextField& f) {
            lost << f.Name();
            w.Control<TextField>(QStringLiteral("C")).SetFocus();
        };
    });
    ShowAndActivate(window);
    TextField& a = window.Control<TextField>(QStringLiteral("A"));
    a.SetFocus();
    QTest::keyClick(a.Widget(), Qt::Key_Tab);

    EXPECT_EQ(lost, QStringList({"A"}));
    EXPECT_EQ(QApplication::focusWidget(), window.Control<TextField>(QStringLiteral("C")).Widget());

    // Setting a text moves no focus and raises no LostFocus.
    a.Text(QStringLiteral("1.5"));
    EXPECT_EQ(lost, QStringList({"A"}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(lost, QStringList({"A", "C"}));
}

TEST_F(WindowTest, ReturnInAFieldPressesTheDefaultButtonOnly) {
    QStringList pressed;
    ProbeWindow& window = Build([&pressed](ProbeWindow& w) {
        Place<TextField>(w, "Field", 10, 10, 100, 22);
        PushButton& other = Place<PushButton>(w, "Other", 10, 40, 80, 22);
        other.Action = [&pressed](PushButton& b) { pressed << b.Name(); };
        PushButton& main = Place<PushButton>(w, "Main", 100, 40, 80, 22);
        main.Default(true);
        main.Action = [&pressed](PushButton& b) { pressed << b.Name(); };
    });
    ShowAndActivate(window);
    TextField& field = window.Control<TextField>(QStringLiteral("Field"));
    field.SetFocus();
    QTest::keyClick(field.Widget(), Qt::Key_Return);
    QTest::keyClick(field.Widget(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(pressed, QStringList({"Main", "Main"}));

    QWidget* other = window.Control<PushButton>(QStringLiteral("Other")).Widget();
    QTest::mouseClick(other, Qt::LeftButton);
    other->setFocus();
    QTest::keyClick(other, Qt::Key_Space);
    EXPECT_EQ(pressed, QStringList({"Main", "Main", "Other", "Other"}));
}

TEST_F(WindowTest, AnExceptionInAHandlerIsReportedAndTheWindowGoesOnWorking) {
    int calls = 0;
    ProbeWindow& window = Build([&calls](ProbeWindow& w) {
        PushButton& button = Place<PushButton>(w, "Button", 10, 10, 80, 22);
        button.Action = [&calls](PushButton&) {
            ++calls;
            if (calls == 1) throw IOException("cannot write \"/x/y.txt\": No such file");
            if (calls == 2) throw std::runtime_error("foreign failure");
        };
    });
    ShowAndActivate(window);
    QWidget* button = window.Control<PushButton>(QStringLiteral("Button")).Widget();
    for (int i = 0; i < 3; ++i) QTest::mouseClick(button, Qt::LeftButton);

    EXPECT_EQ(calls, 3);
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages[0].contains("IOException")) << messages[0].toStdString();
    EXPECT_TRUE(messages[0].contains("cannot write \"/x/y.txt\": No such file"));
    EXPECT_TRUE(messages[1].contains("std::runtime_error")) << messages[1].toStdString();
    EXPECT_TRUE(messages[1].contains("foreign failure"));
}

TEST_F(WindowTest, MenuItemsReachHandlersByNameWithoutRegardToCase) {
    auto bar = std::make_shared<MenuBar>();
    auto menu = std::make_unique<MenuItem>();
    menu->Name(QStringLiteral("FileMenu"));
    menu->Text(QStringLiteral("&File"));
    const struct {
        const char* name;
        const char* shortcut;
    } items[] = {{"FileSaveText", "Ctrl+S"}, {"FileDeclined", "Ctrl+D"}};
    for (const auto& entry : items) {
        auto item = std::make_unique<MenuItem>();
        item->Name(QString::fromUtf8(entry.name));
        item->Text(QString::fromUtf8(entry.name));
        item->KeyboardShortcut(QString::fromUtf8(entry.shortcut));
        menu->Append(std::move(item));
    }
    bar->Append(std::move(menu));

    QStringList ran;
    Application::RuntimeRegisterAppObject(std::make_unique<Application>());
    Application::GetAppObject()->AddMenuHandler(QStringLiteral("FileDeclined"), [&ran] {
        ran << QStringLiteral("application");
        return true;
    });
    ProbeWindow& window = Build([&bar](ProbeWindow& w) { w.MenuBar(bar); },
                                [&ran](ProbeWindow& w) {
                                    w.AddMenuHandler(QStringLiteral("FilesaveText"), [&ran] {
                                        ran << QStringLiteral("save");
                                        return true;
                                    });
                                    w.AddMenuHandler(QStringLiteral("FileDeclined"), [&ran] {
                                        ran << QStringLiteral("window");
                                        return false;
                                    });
                                });
    ShowAndActivate(window);
    QTest::keyClick(window.ContentArea(), Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(window.ContentArea(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(ran, QStringList({"save", "window", "application"}));
    Application::RuntimeRegisterAppObject(nullptr);
}

TEST_F(WindowTest, TheQuitItemEndsTheEventLoop) {
    auto bar = std::make_shared<MenuBar>();
    auto menu = std::make_unique<MenuItem>();
    menu->Name(QStringLiteral("FileMenu"));
    menu->Text(QStringLiteral("&File"));
    auto quit = std::make_unique<QuitMenuItem>();
    quit->Name(QStringLiteral("FileQuit"));
    quit->Text(QStringLiteral("E&xit"));
    MenuItem& quitItem = *quit;
    menu->Append(std::move(quit));
    bar->Append(std::move(menu));
    ProbeWindow& window = Build([&bar](ProbeWindow& w) { w.MenuBar(bar); });

    QTimer::singleShot(0, [&] { window.MenuItemChosen(quitItem); });
    EXPECT_EQ(QApplication::exec(), 0);
}

TEST_F(WindowTest, OnlyAPressTheWindowTakesIsFollowedByDragAndUp) {
    QStringList events;
    ProbeWindow& window =
        Build([](ProbeWindow& w) { Place<Separator>(w, "Grip", 100, 100, 60, 4); });
    window.MouseMove = [&](std::int64_t x, std::int64_t y) {
        events << QStringLiteral("move %1,%2").arg(x).arg(y);
    };
    window.MouseDown = [&](std::int64_t x, std::int64_t y) {
        events << QStringLiteral("down %1,%2").arg(x).arg(y);
        return y > 95;
    };
    window.MouseDrag = [&](std::int64_t x, std::int64_t y) {
        events << QStringLiteral("drag %1,%2").arg(x).arg(y);
    };
    window.MouseUp = [&](std::int64_t, std::int64_t) { events << QStringLiteral("up"); };
    ShowAndActivate(window);
    QWidget* grip = window.Control<Separator>(QStringLiteral("Grip")).Widget();
    QWidget* onGrip = window.ContentArea()->childAt(120, 102);
    EXPECT_NE(onGrip, grip);  // the grip lets the pointer through

    QWidget* content = window.ContentArea();
    SendMouse(content, QEvent::MouseButtonPress, {120, 102}, Qt::LeftButton);
    SendMouse(content, QEvent::MouseMove, {120, 130}, Qt::LeftButton);
    SendMouse(content, QEvent::MouseButtonRelease, {120, 130}, Qt::NoButton);
    SendMouse(content, QEvent::MouseButtonPress, {120, 50}, Qt::LeftButton);
    SendMouse(content, QEvent::MouseMove, {120, 60}, Qt::LeftButton);
    SendMouse(content, QEvent::MouseButtonRelease, {120, 60}, Qt::NoButton);
    EXPECT_EQ(events,
              QStringList({"down 120,102", "drag 120,130", "up", "down 120,50", "move 120,60"}));

    window.MouseCursor(Cursors::SplitterNorthSouth);
    EXPECT_EQ(content->cursor().shape(), Qt::SplitVCursor);
    window.MouseCursor(Cursors::StandardPointer);
    EXPECT_EQ(content->cursor().shape(), Qt::ArrowCursor);
}

}  // namespace
