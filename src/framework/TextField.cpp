#include "framework/TextField.h"

#include <QFocusEvent>
#include <QLineEdit>

#include "framework/EventFilter.h"
#include "framework/Window.h"

namespace {

// Losing the focus to a menu or to another application's window is no
// focus change within the window.
bool StaysInField(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

}  // namespace

TextField::TextField(Window& window) : RectControl(window, new QLineEdit) {
    QLineEdit* edit = Edit();
    QObject::connect(edit, &QLineEdit::textChanged, Guard(), [this] { Fire(TextChange, *this); });
    QObject::connect(edit, &QLineEdit::returnPressed, Guard(),
                     [this] { TrueWindow().PushDefaultButton(); });
    focusWatch_ =
        std::make_unique<EventFilter>(edit, [this](QEvent* e) { return OnFocusEvent(e); });
}

TextField::~TextField() = default;

QString TextField::Text() const { return Edit()->text(); }

void TextField::Text(const QString& text) { Edit()->setText(text); }

void TextField::SelectAll() { Edit()->selectAll(); }

QLineEdit* TextField::Edit() const { return static_cast<QLineEdit*>(GuiWidget()); }

bool TextField::OnFocusEvent(QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        holdsFocus_ = true;
    } else if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (holdsFocus_ && !StaysInField(reason)) {
            holdsFocus_ = false;
            Fire(LostFocus, *this);
        }
    }
    return false;
}
