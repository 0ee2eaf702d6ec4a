#include "framework/TextArea.h"

#include <QFocusEvent>
#include <QPlainTextEdit>
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

void TextArea::AppendText(const QString& text) {
    QTextCursor end(Editor()->document());
    end.movePosition(QTextCursor::End);
    end.insertText(text);
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
        case QEvent::KeyPress:
            return Keyboard::IsAltCharacter(*static_cast<QKeyEvent*>(event));
        default:
            return false;
    }
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
