#include "app/MainMenuBar.h"

#include "framework/AppleMenuItem.h"
#include "framework/NilObjectException.h"
#include "framework/QuitMenuItem.h"

struct MainMenuBar::Entry {
    enum class Kind { Plain, Quit, About };
    const char* name;
    Kind kind;
    const char* text;
    // nullptr: the entry gets no shortcut at all (the separators).
    const char* shortcut;
};

namespace {

using Kind = MainMenuBar::Entry::Kind;

std::unique_ptr<MenuItem> NewItem(Kind kind) {
    switch (kind) {
        case Kind::Quit:
            return std::make_unique<QuitMenuItem>();
        case Kind::About:
            return std::make_unique<AppleMenuItem>();
        case Kind::Plain:
            break;
    }
    return std::make_unique<MenuItem>();
}

}  // namespace

MainMenuBar::MainMenuBar() {
    Untitled0();
    Untitled1();
    Untitled2();
}

void MainMenuBar::Untitled0() {
    AddMenu("FileMenu", "&File");
    AddItem("FileMenu", {"FileSaveText", Kind::Plain, "Save Text", "Ctrl+S"});
    AddItem("FileMenu", {"FileQuit", Kind::Quit, "E&xit", ""});
}

void MainMenuBar::Untitled1() {
    AddMenu("EditMenu", "&Edit");
    const Entry items[] = {
        {"EditUndo", Kind::Plain, "&Undo", "Ctrl+Z"},
        {"EditSeparator1", Kind::Plain, "-", nullptr},
        {"EditCut", Kind::Plain, "Cu&t", "Ctrl+X"},
        {"EditCopy", Kind::Plain, "&Copy", "Ctrl+C"},
        {"EditPaste", Kind::Plain, "&Paste", "Ctrl+V"},
        {"EditPasteMatrix", Kind::Plain, "Paste Matrix", "Ctrl+Shift+V"},
        {"EditClear", Kind::Plain, "&Delete", ""},
        {"EditSeparator2", Kind::Plain, "-", nullptr},
        {"EditSelectAll", Kind::Plain, "Select &All", "Ctrl+A"},
    };
    for (const Entry& item : items) AddItem("EditMenu", item);
}

void MainMenuBar::Untitled2() {
    AddMenu("WindowMenu", "Window");
    AddItem("WindowMenu", {"WindowVorlix", Kind::Plain, "Vorlix", ""});
    AddItem("WindowMenu", {"WindowAboutVorlix", Kind::About, "About Vorlix", ""});
}

void MainMenuBar::AddMenu(const char* name, const char* text) {
    AddItem(nullptr, {name, Kind::Plain, text, ""});
}

// The menu is looked up by name for every item: nothing is held between items.
void MainMenuBar::AddItem(const char* menuName, const Entry& entry) {
    std::unique_ptr<MenuItem> item = NewItem(entry.kind);
    item->Name(QString::fromUtf8(entry.name));
    item->AutoEnable(true);
    item->Text(QString::fromUtf8(entry.text));
    item->Visible(true);
    if (entry.shortcut != nullptr) item->KeyboardShortcut(QString::fromUtf8(entry.shortcut));
    if (menuName == nullptr) {
        Append(std::move(item));
        return;
    }
    MenuItem* menu = Child(QString::fromUtf8(menuName));
    if (menu == nullptr) throw NilObjectException(std::string("no menu named ") + menuName);
    menu->Append(std::move(item));
}

std::shared_ptr<class MainMenuBar> MainMenuBar() {
    static std::shared_ptr<class MainMenuBar> implicitInstance;
    if (!implicitInstance) implicitInstance = std::make_shared<class MainMenuBar>();
    return implicitInstance;
}
