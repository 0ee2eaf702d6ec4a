#include "framework/StandardEditCommands.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "framework/Listbox.h"
#include "framework/Window.h"

namespace {

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
        editor->insertPlainText(QString());
    } else if (name == QLatin1String("EditSelectAll")) {
        editor->selectAll();
    } else {
        return false;
    }
    return true;
}

bool RunOnListbox(const QString& name, Listbox& list, QWidget* focus) {
    if (name == QLatin1String("EditCopy")) {
        QGuiApplication::clipboard()->setText(list.SelectedRowsText());
        return true;
    }
    if (name == QLatin1String("EditSelectAll")) {
        QMetaObject::invokeMethod(focus, "selectAll");
        return true;
    }
    return false;
}

// QLineEdit names its deletion of the selection del() and has no
// insertPlainText; give both editors the one vocabulary.
class LineEditCommands {
public:
    explicit LineEditCommands(QLineEdit* edit) : edit_(edit) {}
    void undo() { edit_->undo(); }
    void cut() { edit_->cut(); }
    void copy() { edit_->copy(); }
    void paste() { edit_->paste(); }
    void insertPlainText(const QString&) { edit_->del(); }
    void selectAll() { edit_->selectAll(); }

private:
    QLineEdit* edit_;
};

}  // namespace

bool RunStandardEditCommand(const QString& itemName, const Window& window) {
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr || focus->window() != window.Widget()) return false;
    if (auto* edit = qobject_cast<QLineEdit*>(focus)) {
        LineEditCommands commands(edit);
        return RunOnEditor(itemName, &commands);
    }
    if (auto* editor = qobject_cast<QPlainTextEdit*>(focus)) {
        return RunOnEditor(itemName, editor);
    }
    if (auto* list = dynamic_cast<Listbox*>(window.ControlByWidget(focus))) {
        return RunOnListbox(itemName, *list, focus);
    }
    return false;
}
