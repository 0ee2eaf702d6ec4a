#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include "framework/Keyboard.h"
#include "framework/MsgBox.h"
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
