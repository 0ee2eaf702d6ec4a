#include "framework/TextField.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <limits>

#include "framework/EventFilter.h"
#include "framework/Keyboard.h"
#include "framework/Window.h"

TextField::TextField(Window& window) : RectControl(window, NewWidget<QLineEdit>()) {
    QLineEdit* edit = Edit();
    LimitText(0);
    QObject::connect(edit, &QLineEdit::textChanged, Guard(), [this] { Fire(TextChange, *this); });
    QObject::connect(edit, &QLineEdit::returnPressed, Guard(),
                     [this] { TrueWindow().PushDefaultButton(); });
    QObject::connect(qApp, &QApplication::focusChanged, Guard(),
                     [this](QWidget*, QWidget* now) { OnFocusChanged(now); });
    state_->watch = std::make_unique<EventFilter>(edit, [this](QEvent* e) { return OnEvent(e); });
}

TextField::~TextField() = default;

QString TextField::Text() const { return Edit()->text(); }

void TextField::Text(const QString& text) { Edit()->setText(text); }

void TextField::SelectAll() { Edit()->selectAll(); }

void TextField::LimitText(std::int64_t limit) {
    constexpr std::int64_t kNoLimit = std::numeric_limits<int>::max();
    Edit()->setMaxLength(static_cast<int>(limit <= 0 || limit > kNoLimit ? kNoLimit : limit));
}

QLineEdit* TextField::Edit() const { return static_cast<QLineEdit*>(Widget()); }

bool TextField::OnEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::FocusIn:
            return Advance(FocusInput::FocusIn, static_cast<QFocusEvent*>(event)->reason());
        case QEvent::FocusOut:
            return Advance(FocusInput::FocusOut, static_cast<QFocusEvent*>(event)->reason());
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return Advance(static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton
                               ? FocusInput::LeftPress
                               : FocusInput::OtherPress);
        case QEvent::MouseMove:
            return Advance(FocusInput::MouseMove);
        case QEvent::MouseButtonRelease:
            return Advance(FocusInput::Release);
        case QEvent::KeyPress:
            Advance(FocusInput::Key);
            return Keyboard::IsAltCharacter(*static_cast<QKeyEvent*>(event));
        default:
            return false;
    }
}

// From the menu bar the user can go straight to another control (a click, or
// Tab): the field is left then, though it has no focus to lose. Qt reports
// this only once the other control has its focus.
void TextField::OnFocusChanged(QWidget* now) {
    QWidget* edit = Widget();
    if (now == nullptr || now == edit || now->window() != edit->window() ||
        qobject_cast<QMenuBar*>(now) != nullptr) {
        return;
    }
    Advance(FocusInput::FocusElsewhere);
}

bool TextField::Advance(FocusInput input, Qt::FocusReason reason) {
    FocusState& focus = state_->focus;
    switch (input) {
        case FocusInput::FocusIn:
            // From the menu bar the keyboard comes back directly, or by way of
            // another window that became the active one meanwhile.
            if (focus == FocusState::AtMenuBar &&
                (reason == Qt::MenuBarFocusReason || reason == Qt::ActiveWindowFocusReason)) {
                RestoreSelection();
            }
            focus =
                reason == Qt::MouseFocusReason ? FocusState::AwaitingPress : FocusState::Entered;
            return false;
        // Losing the focus to another window or to a menu is no leaving, nor is
        // the menu bar taking the keyboard (Alt, or Escape out of a menu). A
        // field that Qt made the focus widget for a moment, while a handler sent
        // the focus elsewhere, never had it and is not left either.
        case FocusInput::FocusOut:
            if (focus == FocusState::Away) return false;
            if (reason == Qt::MenuBarFocusReason) {
                // The line edit drops its selection when the menu bar takes the keyboard.
                SaveSelection();
                focus = FocusState::AtMenuBar;
            } else if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) {
                focus = FocusState::Entered;
            } else {
                focus = FocusState::Away;
                Fire(LostFocus, *this);
            }
            return false;
        case FocusInput::FocusElsewhere:
            if (focus == FocusState::AtMenuBar) {
                focus = FocusState::Away;
                Fire(LostFocus, *this);
            }
            return false;
        // A handler that selects the whole text of the field that a click is
        // giving the focus to (the jump over the lower triangle) wants the
        // selection to stand: that click only gives the focus, it neither
        // places the caret nor drags a selection. Any later press is the line
        // edit's, and so is every press once a key was typed.
        case FocusInput::LeftPress:
            if (focus == FocusState::AwaitingPress && Edit()->hasSelectedText()) {
                focus = FocusState::HoldingClick;
                return true;
            }
            [[fallthrough]];
        case FocusInput::OtherPress:
            if (focus == FocusState::AwaitingPress || focus == FocusState::HoldingClick) {
                focus = FocusState::Entered;
            }
            return false;
        case FocusInput::MouseMove:
            return focus == FocusState::HoldingClick;
        case FocusInput::Release:
            if (focus != FocusState::HoldingClick) return false;
            focus = FocusState::Entered;
            return true;
        case FocusInput::Key:
            if (focus == FocusState::AwaitingPress) focus = FocusState::Entered;
            return false;
    }
    return false;
}

void TextField::SaveSelection() {
    QLineEdit* edit = Edit();
    state_->selectionAtMenuBar = {edit->text(), edit->selectionStart(), edit->selectionLength(),
                                  edit->cursorPosition() == edit->selectionStart()};
}

void TextField::RestoreSelection() {
    QLineEdit* edit = Edit();
    const Selection& saved = state_->selectionAtMenuBar;
    if (saved.start < 0 || saved.text != edit->text()) return;
    if (saved.cursorAtStart) {
        edit->setSelection(saved.start + saved.length, -saved.length);
    } else {
        edit->setSelection(saved.start, saved.length);
    }
}
