#include "framework/TextArea.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>

#include "framework/EventFilter.h"
#include "framework/Keyboard.h"

TextArea::TextArea(Window& window) : RectControl(window, NewWidget<QPlainTextEdit>()) {
    QPlainTextEdit* editor = Editor();
    editor->setTabChangesFocus(false);
    state_->shownSelection = editor->palette();
    state_->watch = std::make_unique<EventFilter>(editor, [this](QEvent* e) { return OnEvent(e); });
    ShowSelection(false);
}

TextArea::~TextArea() = default;

// toPlainText() would turn no-break spaces into spaces and line separators
// into line feeds; the raw text keeps them.
QString TextArea::Text() const {
    QString text = Editor()->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}

// An area that showed its end shows the new end, as a log does; one scrolled
// up to earlier text stays where it is.
void TextArea::AppendText(const QString& text) {
    QScrollBar* bar = Editor()->verticalScrollBar();
    const bool showedEnd = bar->value() >= bar->maximum();
    QTextCursor end(Editor()->document());
    end.movePosition(QTextCursor::End);
    end.insertText(text);
    if (showedEnd) bar->setValue(bar->maximum());
}

void TextArea::AcceptTabs(bool accept) { Editor()->setTabChangesFocus(!accept); }

void TextArea::ScrollbarHorizontal(bool shown) {
    QPlainTextEdit* editor = Editor();
    editor->setLineWrapMode(shown ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
    editor->setHorizontalScrollBarPolicy(shown ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

QPlainTextEdit* TextArea::Editor() const { return static_cast<QPlainTextEdit*>(Widget()); }

bool TextArea::OnEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::FocusIn:
            ShowSelection(true);
            return false;
        case QEvent::FocusOut: {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            ShowSelection(reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason);
            return false;
        }
        case QEvent::KeyPress: {
            const auto& key = *static_cast<QKeyEvent*>(event);
            if (key.matches(QKeySequence::InsertLineSeparator)) return TypeLineBreak(key);
            return Keyboard::IsAltCharacter(key);
        }
        default:
            return false;
    }
}

// Shift+Return would type a line separator (U+2028), which the saved file
// keeps and most editors show as no break at all: it types what Return types.
bool TextArea::TypeLineBreak(const QKeyEvent& shifted) {
    QKeyEvent unshifted(QEvent::KeyPress, shifted.key(), shifted.modifiers() & ~Qt::ShiftModifier,
                        shifted.text(), shifted.isAutoRepeat(), shifted.count());
    QCoreApplication::sendEvent(Editor(), &unshifted);
    return true;
}

// Without the focus the editor paints its selection in the inactive colours;
// hiding it makes those the colours of unselected text.
void TextArea::ShowSelection(bool shown) {
    QPalette palette = state_->shownSelection;
    if (!shown) {
        palette.setBrush(QPalette::Inactive, QPalette::Highlight,
                         palette.brush(QPalette::Inactive, QPalette::Base));
        palette.setBrush(QPalette::Inactive, QPalette::HighlightedText,
                         palette.brush(QPalette::Inactive, QPalette::Text));
    }
    Editor()->setPalette(palette);
}
