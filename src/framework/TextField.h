#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

#include "framework/RectControl.h"

class EventFilter;
class QEvent;
class QLineEdit;
class QWidget;

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
    // The most characters the user can type; 0 (the default) sets no limit.
    void LimitText(std::int64_t limit);

    std::function<void(TextField&)> TextChange;
    // The user left the field for another control of its window. Only for a
    // field that held the focus: a field that Qt made the focus widget for a
    // moment, while a handler sent the focus elsewhere, is passed over without
    // ever having had it. The menu bar taking the keyboard, a menu, or another
    // window is no leaving.
    std::function<void(TextField&)> LostFocus;

private:
    struct Selection {
        QString text;
        int start = -1;
        int length = 0;
        bool cursorAtStart = false;
    };

    QLineEdit* Edit() const;
    bool OnEvent(QEvent* event);
    void OnFocusIn(Qt::FocusReason reason);
    void OnFocusOut(Qt::FocusReason reason);
    void OnFocusChanged(QWidget* now);
    bool KeepSelectionThroughClick(QEvent* event);
    void Leave();
    void SaveSelection();
    void RestoreSelection();

    std::unique_ptr<EventFilter> watch_;
    bool holdsFocus_ = false;
    // The menu bar has the keyboard for a moment; the field has not been left.
    bool atMenuBar_ = false;
    Selection selectionAtMenuBar_;
    // The field got the focus by a press that has not reached it yet.
    bool focusedByPress_ = false;
    bool holdingClick_ = false;
};
