#pragma once

#include <QObject>
#include <QPointer>

class QEvent;
class QMenuBar;
class QWidget;

// Alt gives a window's menu bar the keyboard. Should another window become the
// active one meanwhile, Qt's bar stops taking keys but stays the window's focus
// widget, so that nothing would have the keyboard once the window is active
// again. This hands the window's focus back to the control the bar took it
// from instead. It belongs to the bar and ends with it.
class MenuBarKeyboard : public QObject {
public:
    explicit MenuBarKeyboard(QMenuBar* bar);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnFocusChanged(QWidget* old, QWidget* now);

    QMenuBar* bar_;
    // The control of the bar's window that had the keyboard before the bar.
    QPointer<QWidget> lender_;
};
