#pragma once

#include <QString>

#include "framework/RectControl.h"

class QPlainTextEdit;

// A multi-line plain-text editor.
class TextArea : public RectControl {
public:
    explicit TextArea(Window& window);

    QString Text() const;
    // Adds the text at the end, whatever the area holds and wherever the
    // user's cursor is; the cost does not grow with the text already there.
    void AppendText(const QString& text);
    // True: the Tab key types a tab; false: it moves the focus on.
    void AcceptTabs(bool accept);
    // With a horizontal scroll bar lines are not wrapped.
    void ScrollbarHorizontal(bool shown);

private:
    QPlainTextEdit* Editor() const;
};
