#include "framework/TextArea.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

TextArea::TextArea(Window& window) : RectControl(window, new QPlainTextEdit) {
    Editor()->setTabChangesFocus(false);
}

QString TextArea::Text() const { return Editor()->toPlainText(); }

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

QPlainTextEdit* TextArea::Editor() const { return static_cast<QPlainTextEdit*>(GuiWidget()); }
