#pragma once

#include <QString>
#include <cstdint>
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

    Event<TextField> TextChange;
    // The user left the field for another control of its window. Only for a
    // field that held the focus: a field that Qt made the focus widget for a
    // moment, while a handler sent the focus elsewhere, is passed over without
    // ever having had it. The menu bar taking the keyboard, a menu, or another
    // window is no leaving.
    Event<TextField> LostFocus;

private:
    struct Selection {
        QString text;
        int start = -1;
        int length = 0;
        bool cursorAtStart = false;
    };

    // Where the field stands with the user; Qt's focus is only part of it.
    enum class FocusState {
        Away,           // never entered, or left
        Entered,        // has the keyboard, or lent it to a menu or another window
        AwaitingPress,  // entered by a mouse press that has not reached the field yet
        HoldingClick,   // that press kept the selection; its moves and release are held back
        AtMenuBar,      // the menu bar has the keyboard; the field is not left
    };

    // What can move the field from one state to another.
    enum class FocusInput {
        FocusIn,
        FocusOut,
        // Another control of the window got the focus while the field had none.
        FocusElsewhere,
        LeftPress,
        OtherPress,
        MouseMove,
        Release,
        Key,
    };

    QLineEdit* Edit() const;
    bool OnEvent(QEvent* event);
    void OnFocusChanged(QWidget* now);
    // Every change of state; true when the event is to be held back from the line edit.
    bool Advance(FocusInput input, Qt::FocusReason reason = Qt::OtherFocusReason);
    void SaveSelection();
    void RestoreSelection();

    struct State {
        std::unique_ptr<EventFilter> watch;
        FocusState focus = FocusState::Away;
        Selection selectionAtMenuBar;
    };

    GuiThreadOnly<State> state_;
};
