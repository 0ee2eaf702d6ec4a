#include <QAction>
#include <QClipboard>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "app/MainMenuBar.h"
#include "framework/AppleMenuItem.h"
#include "framework/GuiTestSupport.h"
#include "framework/QuitMenuItem.h"
#include "framework/TextField.h"

namespace {

enum class Kind { Plain, Quit, About };

struct ExpectedEntry {
    const char* menu;
    const char* name;
    Kind kind;
    const char* text;
    const char* shortcut;
};

const ExpectedEntry kMenuTree[] = {
    {"", "FileMenu", Kind::Plain, "&File", ""},
    {"FileMenu", "FileSaveText", Kind::Plain, "Save Text", "Ctrl+S"},
    {"FileMenu", "FileQuit", Kind::Quit, "E&xit", ""},
    {"", "EditMenu", Kind::Plain, "&Edit", ""},
    {"EditMenu", "EditUndo", Kind::Plain, "&Undo", "Ctrl+Z"},
    {"EditMenu", "EditSeparator1", Kind::Plain, "-", ""},
    {"EditMenu", "EditCut", Kind::Plain, "Cu&t", "Ctrl+X"},
    {"EditMenu", "EditCopy", Kind::Plain, "&Copy", "Ctrl+C"},
    {"EditMenu", "EditPaste", Kind::Plain, "&Paste", "Ctrl+V"},
    {"EditMenu", "EditPasteMatrix", Kind::Plain, "Paste Matrix", "Ctrl+Shift+V"},
    {"EditMenu", "EditClear", Kind::Plain, "&Delete", ""},
    {"EditMenu", "EditSeparator2", Kind::Plain, "-", ""},
    {"EditMenu", "EditSelectAll", Kind::Plain, "Select &All", "Ctrl+A"},
    {"", "WindowMenu", Kind::Plain, "Window", ""},
    {"WindowMenu", "WindowVorlix", Kind::Plain, "Vorlix", ""},
    {"WindowMenu", "WindowAboutVorlix", Kind::About, "About Vorlix", ""},
};

Kind KindOf(const MenuItem& item) {
    if (dynamic_cast<const QuitMenuItem*>(&item) != nullptr) return Kind::Quit;
    if (dynamic_cast<const AppleMenuItem*>(&item) != nullptr) return Kind::About;
    return Kind::Plain;
}

TEST(MainMenuBarTest, BuildsTheTreeOnceInTheDesignsOrder) {
    auto bar = MainMenuBar();
    EXPECT_EQ(MainMenuBar(), bar);
    EXPECT_EQ(bar->Count(), 3);

    std::vector<const MenuItem*> walked;
    for (std::int64_t m = 0; m < bar->Count(); ++m) {
        walked.push_back(&bar->Item(m));
        for (std::int64_t i = 0; i < bar->Item(m).Count(); ++i) {
            walked.push_back(&bar->Item(m).Item(i));
        }
    }
    ASSERT_EQ(walked.size(), std::size(kMenuTree));
    for (std::size_t i = 0; i < walked.size(); ++i) {
        const ExpectedEntry& expected = kMenuTree[i];
        const MenuItem& item = *walked[i];
        EXPECT_EQ(item.Name(), QString::fromUtf8(expected.name));
        EXPECT_EQ(KindOf(item), expected.kind) << expected.name;
        EXPECT_EQ(item.Text(), QString::fromUtf8(expected.text)) << expected.name;
        EXPECT_EQ(item.KeyboardShortcut(), QString::fromUtf8(expected.shortcut)) << expected.name;
        EXPECT_TRUE(item.AutoEnable() && item.Visible()) << expected.name;
        const MenuItem* parent =
            *expected.menu == '\0' ? bar.get() : bar->Child(QString::fromUtf8(expected.menu));
        ASSERT_NE(parent, nullptr);
        EXPECT_EQ(parent->Child(item.Name()), &item) << expected.name;
    }
}

// A window like the main one: the program's menu bar and handlers under the
// main window's keys, one of them spelt with a lower-case s.
class MenuWindow : public Window {
public:
    static constexpr const char* kClassName = "MenuWindow.MenuWindow";
    MenuWindow() : Window(QString::fromUtf8(kClassName)) {}
    QStringList ran;

protected:
    void Layout() override {
        MenuBar(MainMenuBar());
        Width(300);
        Height(200);
    }
    void CreateControls() override { NewControl<TextField>(QStringLiteral("Field")); }
    void AddMenuHandlers() override {
        AddMenuHandler(QStringLiteral("FilesaveText"), [this] {
            ran << QStringLiteral("save");
            return true;
        });
        AddMenuHandler(QStringLiteral("EditPasteMatrix"), [this] {
            ran << QStringLiteral("paste matrix");
            return true;
        });
    }
};

using MenuShortcutTest = GuiTest;

TEST_F(MenuShortcutTest, ShortcutsReachTheWindowsHandlersWhileAFieldHasTheFocus) {
    MenuWindow* window = Window::Obtain<MenuWindow>();
    ShowAndActivate(*window);
    TextField& field = window->Control<TextField>(QStringLiteral("Field"));
    field.SetFocus();

    QTest::keyClick(field.Widget(), Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(field.Widget(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(window->ran, QStringList({"save", "paste matrix"}));

    // Ctrl+V is the other entry: the standard paste into the field.
    QGuiApplication::clipboard()->setText(QStringLiteral("4.25"));
    QTest::keyClick(field.Widget(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(window->ran.size(), 2);
    EXPECT_EQ(field.Text(), QStringLiteral("4.25"));
}

TEST_F(MenuShortcutTest, TheWindowShowsTheMenusOfTheOneBar) {
    MenuWindow* window = Window::Obtain<MenuWindow>();
    auto* qtBar = static_cast<QMainWindow*>(window->Widget())->menuBar();
    QStringList titles;
    for (QAction* menu : qtBar->actions()) titles << menu->text();
    EXPECT_EQ(titles, QStringList({"&File", "&Edit", "Window"}));
    const QList<QAction*> edit = qtBar->actions()[1]->menu()->actions();
    ASSERT_EQ(edit.size(), 9);
    EXPECT_TRUE(edit[1]->isSeparator());
    EXPECT_EQ(edit[5]->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+V")));
}

}  // namespace
