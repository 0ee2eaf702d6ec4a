#include "framework/StandardEditCommands.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

#include "framework/Listbox.h"
#include "framework/Window.h"

namespace {

// Delete removes the selection or, with none, the character after the cursor.
void DeleteForward(QLineEdit* edit) { edit->del(); }

void DeleteForward(QPlainTextEdit* editor) {
    QTextCursor cursor = editor->textCursor();
    cursor.deleteChar();
    editor->setTextCursor(cursor);
}

template <class Editor>
bool RunOnEditor(const QString& name, Editor* editor) {
    if (name == QLatin1String("EditUndo")) {
        editor->undo();
    } else if (name == QLatin1String("EditCut")) {
        editor->cut();
    } else if (name == QLatin1String("EditCopy")) {
        editor->copy();
    } else if (name == QLatin1String("EditPaste")) {
        editor->paste();
    } else if (name == QLatin1String("EditClear")) {
        DeleteForward(editor);
    } else if (name == QLatin1String("EditSelectAll")) {
        editor->selectAll();
    } else {
        return false;
    }
    return true;
}

bool RunOnListbox(const QString& name, Listbox& list, QWidget* focus) {
    if (name == QLatin1String("EditCopy")) {
        // As in the text controls, nothing to copy leaves the clipboard alone.
        const QString text = list.SelectedRowsText();
        if (!text.isEmpty()) QGuiApplication::clipboard()->setText(text);
        return true;
    }
    if (name == QLatin1String("EditSelectAll")) {
        QMetaObject::invokeMethod(focus, "selectAll");
        return true;
    }
    return false;
}

}  // namespace

bool RunStandardEditCommand(const QString& itemName, const Window& window) {
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr || focus->window() != window.Widget()) return false;
    if (auto* edit = qobject_cast<QLineEdit*>(focus)) {
        return RunOnEditor(itemName, edit);
    }
    if (auto* editor = qobject_cast<QPlainTextEdit*>(focus)) {
        return RunOnEditor(itemName, editor);
    }
    if (auto* list = dynamic_cast<Listbox*>(window.ControlByWidget(focus))) {
        return RunOnListbox(itemName, *list, focus);
    }
    return false;
}
