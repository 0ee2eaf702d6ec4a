#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "framework/RectControl.h"

class EventFilter;
class QEvent;
class QLineEdit;

// A single-line entry field. Return or Enter in it presses the window's
// default button.
class TextField : public RectControl {
public:
    explicit TextField(Window& window);
    ~TextField() override;

    QString Text() const;
    // Replaces the whole text; the keyboard focus stays where it is.
    void Text(const QString& text);
    void SelectAll();

    std::function<void(TextField&)> TextChange;
    // Only for a field that held the focus: a field that Qt made the focus
    // widget for a moment, while a handler sent the focus elsewhere, is passed
    // over without ever having had it.
    std::function<void(TextField&)> LostFocus;

private:
    QLineEdit* Edit() const;
    bool OnFocusEvent(QEvent* event);

    std::unique_ptr<EventFilter> focusWatch_;
    bool holdsFocus_ = false;
};
