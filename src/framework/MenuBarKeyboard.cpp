#include "framework/MenuBarKeyboard.h"

#include <QApplication>
#include <QFocusEvent>
#include <QMenuBar>

MenuBarKeyboard::MenuBarKeyboard(QMenuBar* bar) : QObject(bar), bar_(bar) {
    bar->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget* old, QWidget* now) { OnFocusChanged(old, now); });
}

bool MenuBarKeyboard::eventFilter(QObject* watched, QEvent* event) {
    if (watched != bar_ || event->type() != QEvent::FocusOut) return false;
    const bool toAnotherWindow =
        static_cast<QFocusEvent*>(event)->reason() == Qt::ActiveWindowFocusReason;
    // The window is no longer the active one: setting the focus only makes the
    // control the window's focus widget, which gets the focus on activation.
    if (toAnotherWindow && lender_ && !bar_->window()->isActiveWindow()) lender_->setFocus();
    return false;
}

void MenuBarKeyboard::OnFocusChanged(QWidget* old, QWidget* now) {
    if (now == bar_) {
        lender_ = old != nullptr && old->window() == bar_->window() ? old : nullptr;
    } else if (old == bar_) {
        lender_ = nullptr;
    }
}
