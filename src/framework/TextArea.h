#pragma once

#include <QPalette>
#include <QString>
#include <memory>

#include "framework/RectControl.h"

class EventFilter;
class QEvent;
class QKeyEvent;
class QPlainTextEdit;

// A multi-line plain-text editor. Its selection shows only while it has the
// focus (or while a menu or the menu bar has the keyboard for a moment).
// Return and Shift+Return type the same line break.
class TextArea : public RectControl {
public:
    explicit TextArea(Window& window);
    ~TextArea() override;

    // Every character as the area holds it; paragraph breaks are line feeds.
    QString Text() const;
    // Adds the text at the end, whatever the area holds and wherever the
    // user's cursor is; the cost does not grow with the text already there.
    // An area that showed its end scrolls to show the new end.
    void AppendText(const QString& text);
    // True: the Tab key types a tab; false: it moves the focus on.
    void AcceptTabs(bool accept);
    // With a horizontal scroll bar lines are not wrapped.
    void ScrollbarHorizontal(bool shown);

private:
    QPlainTextEdit* Editor() const;
    bool OnEvent(QEvent* event);
    bool TypeLineBreak(const QKeyEvent& shifted);
    void ShowSelection(bool shown);

    struct State {
        std::unique_ptr<EventFilter> watch;
        QPalette shownSelection;
    };

    GuiThreadOnly<State> state_;
};
