#include "framework/TextField.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <limits>

#include "framework/EventFilter.h"
#include "framework/Keyboard.h"
#include "framework/Window.h"

namespace {

// Losing the focus to another window, to a menu or to the menu bar (Alt, or
// Escape out of a menu) is no focus change within the window.
bool StaysInField(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
           reason == Qt::MenuBarFocusReason;
}

bool IsLeftPress(const QEvent* event) {
    return (event->type() == QEvent::MouseButtonPress ||
            event->type() == QEvent::MouseButtonDblClick) &&
           static_cast<const QMouseEvent*>(event)->button() == Qt::LeftButton;
}

}  // namespace

TextField::TextField(Window& window) : RectControl(window, NewWidget<QLineEdit>()) {
    QLineEdit* edit = Edit();
    LimitText(0);
    QObject::connect(edit, &QLineEdit::textChanged, Guard(), [this] { Fire(TextChange, *this); });
    QObject::connect(edit, &QLineEdit::returnPressed, Guard(),
                     [this] { TrueWindow().PushDefaultButton(); });
    QObject::connect(qApp, &QApplication::focusChanged, Guard(),
                     [this](QWidget*, QWidget* now) { OnFocusChanged(now); });
    watch_ = std::make_unique<EventFilter>(edit, [this](QEvent* e) { return OnEvent(e); });
}

TextField::~TextField() = default;

QString TextField::Text() const { return Edit()->text(); }

void TextField::Text(const QString& text) { Edit()->setText(text); }

void TextField::SelectAll() { Edit()->selectAll(); }

void TextField::LimitText(std::int64_t limit) {
    constexpr std::int64_t kNoLimit = std::numeric_limits<int>::max();
    Edit()->setMaxLength(static_cast<int>(limit <= 0 || limit > kNoLimit ? kNoLimit : limit));
}

QLineEdit* TextField::Edit() const { return static_cast<QLineEdit*>(GuiWidget()); }

bool TextField::OnEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::FocusIn:
            OnFocusIn(static_cast<QFocusEvent*>(event)->reason());
            return false;
        case QEvent::FocusOut:
            OnFocusOut(static_cast<QFocusEvent*>(event)->reason());
            return false;
        case QEvent::KeyPress:
            focusedByPress_ = false;
            return Keyboard::IsAltCharacter(*static_cast<QKeyEvent*>(event));
        default:
            return KeepSelectionThroughClick(event);
    }
}

void TextField::OnFocusIn(Qt::FocusReason reason) {
    holdsFocus_ = true;
    focusedByPress_ = reason == Qt::MouseFocusReason;
    // From the menu bar the keyboard comes back directly, or by way of another
    // window that became the active one meanwhile.
    if (atMenuBar_ && (reason == Qt::MenuBarFocusReason || reason == Qt::ActiveWindowFocusReason)) {
        RestoreSelection();
    }
    atMenuBar_ = false;
}

void TextField::OnFocusOut(Qt::FocusReason reason) {
    focusedByPress_ = false;
    if (!holdsFocus_) return;
    if (reason == Qt::MenuBarFocusReason) {
        // The line edit drops its selection when the menu bar takes the keyboard.
        atMenuBar_ = true;
        SaveSelection();
    }
    if (!StaysInField(reason)) Leave();
}

// From the menu bar the user can go straight to another control (a click, or
// Tab): the field was left then, though it had no focus to lose.
void TextField::OnFocusChanged(QWidget* now) {
    QWidget* edit = Widget();
    if (!atMenuBar_ || now == nullptr || now == edit || now->window() != edit->window() ||
        qobject_cast<QMenuBar*>(now) != nullptr) {
        return;
    }
    Leave();
}

// A handler that selects the whole text of the field that a click is giving
// the focus to (the jump over the lower triangle) wants the selection to
// stand: the click only gives the focus, it neither places the caret nor
// drags a selection.
bool TextField::KeepSelectionThroughClick(QEvent* event) {
    if (IsLeftPress(event)) {
        holdingClick_ = focusedByPress_ && Edit()->hasSelectedText();
        focusedByPress_ = false;
        return holdingClick_;
    }
    if (!holdingClick_) return false;
    if (event->type() == QEvent::MouseButtonRelease) {
        holdingClick_ = false;
        return true;
    }
    return event->type() == QEvent::MouseMove;
}

void TextField::Leave() {
    holdsFocus_ = false;
    atMenuBar_ = false;
    Fire(LostFocus, *this);
}

void TextField::SaveSelection() {
    QLineEdit* edit = Edit();
    selectionAtMenuBar_ = {edit->text(), edit->selectionStart(), edit->selectionLength(),
                           edit->cursorPosition() == edit->selectionStart()};
}

void TextField::RestoreSelection() {
    QLineEdit* edit = Edit();
    const Selection& saved = selectionAtMenuBar_;
    if (saved.start < 0 || saved.text != edit->text()) return;
    if (saved.cursorAtStart) {
        edit->setSelection(saved.start + saved.length, -saved.length);
    } else {
        edit->setSelection(saved.start, saved.length);
    }
}
