#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include "framework/Keyboard.h"
#include "framework/MsgBox.h"
#include "framework/QStringPrinter.h"
#include "framework/SaveDialog.h"
#include "framework/Window.h"

// Sends a left-button mouse event (a move with the given buttons held, which
// QTest's helpers cannot do) straight to the widget.
inline void SendMouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    QMouseEvent event(type, at, target->mapToGlobal(at),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// Key presses as the platform delivers them: to the focus widget of the
// widget's window, or to the menu that is open.
inline void PressKey(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(window->windowHandle(), key, modifiers);
}

// Mouse events as the platform delivers them, at a point of a widget; the
// platform makes a press soon after a release at the same place a double click.
class PlatformMouse {
public:
    explicit PlatformMouse(QWidget* window) : window_(window) {}
    // QtTest's next press is no double click with this mouse's last one.
    ~PlatformMouse() { QTest::lastMouseTimestamp += QTest::mouseDoubleClickInterval; }
    PlatformMouse(const PlatformMouse&) = delete;
    PlatformMouse& operator=(const PlatformMouse&) = delete;

    void Press(QWidget* widget, QPoint at) {
        Send(widget, at, Qt::LeftButton, QEvent::MouseButtonPress);
    }
    void Move(QWidget* widget, QPoint at) { Send(widget, at, buttons_, QEvent::MouseMove); }
    void Release(QWidget* widget, QPoint at) { Send(widget, at, {}, QEvent::MouseButtonRelease); }

private:
    void Send(QWidget* widget, QPoint at, Qt::MouseButtons buttons, QEvent::Type type) {
        const QPoint local = widget->mapTo(window_, at);
        // Later than any event QtTest has sent, but close enough to the last
        // one of this mouse to make a double click.
        QTest::lastMouseTimestamp += 20;
        buttons_ = buttons;
        qt_handleMouseEvent(window_->windowHandle(), local, window_->mapToGlobal(local), buttons,
                            type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, type,
                            Qt::NoModifier, QTest::lastMouseTimestamp);
        QCoreApplication::processEvents();
    }

    QWidget* window_;
    Qt::MouseButtons buttons_;
};

// Records the message boxes instead of showing them and closes every window
// after each test.
class GuiTest : public testing::Test {
protected:
    void SetUp() override {
        previousPresenter_ = SetMsgBoxPresenter([this](const QString& text) { messages << text; });
    }

    void TearDown() override {
        Window::CloseAll();
        SetMsgBoxPresenter(previousPresenter_);
        QCoreApplication::processEvents();
    }

    static void ShowAndActivate(Window& window) {
        window.Show();
        QApplication::setActiveWindow(window.Widget());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.Widget()));
    }

    QStringList messages;

private:
    MsgBoxPresenter previousPresenter_;
};
