#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <QWindow>

#include "framework/GuiTestSupport.h"
#include "framework/Listbox.h"
#include "framework/OutOfBoundsException.h"
#include "framework/TextArea.h"
#include "framework/TextField.h"

namespace {

class ControlsWindow : public Window {
public:
    static constexpr const char* kClassName = "Controls.Controls";
    ControlsWindow() : Window(QString::fromUtf8(kClassName)) {}

    Listbox& List() const { return Control<Listbox>(QStringLiteral("List")); }
    TextArea& Notes() const { return Control<TextArea>(QStringLiteral("Notes")); }
    TextField& Field() const { return Control<TextField>(QStringLiteral("Field")); }

protected:
    void Layout() override {
        Width(420);
        Height(300);
    }
    void CreateControls() override {
        Listbox& list = NewControl<Listbox>(QStringLiteral("List"));
        list.Left(10);
        list.Top(10);
        list.Width(400);
        list.Height(120);
        list.LockRight(true);
        list.ColumnCount(2);
        list.InitialValue(QStringLiteral("#\tA\tB\tC"));
        list.ColumnWidths(QStringLiteral("10%, 40%,50%"));
        list.SelectionType(1);
        TextArea& notes = NewControl<TextArea>(QStringLiteral("Notes"));
        notes.Left(10);
        notes.Top(140);
        notes.Width(400);
        notes.Height(100);
        notes.AcceptTabs(true);
        TextField& field = NewControl<TextField>(QStringLiteral("Field"));
        field.Top(250);
        field.TabIndex(1);
    }
};

class ControlsTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        window = Window::Obtain<ControlsWindow>();
        ShowAndActivate(*window);
    }

    ControlsWindow* window = nullptr;
};

TEST_F(ControlsTest, HiddenColumnsKeepTheirCellsAndHeadingsUntilTheyShow) {
    Listbox& list = window->List();
    list.AddRow();
    list.Cell(0, 0, QStringLiteral("1"));
    list.Cell(0, 3, QStringLiteral("hidden"));
    list.HeaderType(3, 1);  // beyond the shown columns
    EXPECT_EQ(list.ColumnCount(), 2);
    EXPECT_EQ(list.Cell(0, 3), QStringLiteral("hidden"));

    auto* tree = static_cast<QTreeWidget*>(list.Widget());
    EXPECT_TRUE(tree->isColumnHidden(3));
    list.ColumnCount(4);
    EXPECT_FALSE(tree->isColumnHidden(3));
    EXPECT_EQ(list.Heading(3), QStringLiteral("C"));
    EXPECT_EQ(list.HeaderType(3), 1);
    list.ColumnCount(2);
    EXPECT_EQ(list.Cell(0, 3), QStringLiteral("hidden"));
}

TEST_F(ControlsTest, CellsOutsideTheListRaise) {
    Listbox& list = window->List();
    list.AddRow();
    const std::int64_t outside[][2] = {{1, 0}, {-1, 0}, {0, -1}, {0, Listbox::kMaxColumns}};
    for (const auto& cell : outside) {
        EXPECT_THROW(list.Cell(cell[0], cell[1]), OutOfBoundsException)
            << cell[0] << "," << cell[1];
        EXPECT_THROW(list.Cell(cell[0], cell[1], QStringLiteral("x")), OutOfBoundsException);
    }
}

TEST_F(ControlsTest, ColumnWidthsFollowTheListsWidthAndADraggedBorder) {
    Listbox& list = window->List();
    list.ColumnCount(3);
    auto* tree = static_cast<QTreeWidget*>(list.Widget());
    const auto expectShare = [tree](int column, double percent) {
        EXPECT_NEAR(tree->columnWidth(column), tree->viewport()->width() * percent / 100.0, 1.0)
            << "column " << column;
    };
    expectShare(0, 10);
    expectShare(2, 50);
    window->Width(620);
    QCoreApplication::processEvents();
    EXPECT_EQ(list.Width(), 600);
    expectShare(0, 10);
    expectShare(1, 40);

    tree->header()->resizeSection(0, tree->viewport()->width() / 5);  // as a drag does
    window->Width(420);
    QCoreApplication::processEvents();
    expectShare(0, 20);
}

TEST_F(ControlsTest, EditCopyWithTheListFocusedCopiesTheSelectedRows) {
    Listbox& list = window->List();
    const char* rows[][2] = {{"1", "2.5"}, {"2", "-1"}, {"3", "0"}};
    for (int r = 0; r < 3; ++r) {
        list.AddRow();
        list.Cell(r, 0, QString::fromUtf8(rows[r][0]));
        list.Cell(r, 1, QString::fromUtf8(rows[r][1]));
        list.Cell(r, 2, QStringLiteral("not shown"));
    }
    auto* tree = static_cast<QTreeWidget*>(list.Widget());
    tree->topLevelItem(0)->setSelected(true);
    tree->topLevelItem(2)->setSelected(true);
    list.SetFocus();

    MenuItem copy;
    copy.Name(QStringLiteral("EditCopy"));
    window->MenuItemChosen(copy);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("1\t2.5\n3\t0"));
}

TEST_F(ControlsTest, TheNotesAreaTakesTabsAndAppendsAtTheEnd) {
    TextArea& notes = window->Notes();
    notes.SetFocus();
    QTest::keyClicks(notes.Widget(), QStringLiteral("a"));
    QTest::keyClick(notes.Widget(), Qt::Key_Tab);
    QTest::keyClick(notes.Widget(), Qt::Key_Home);  // the user's cursor is not the end
    notes.AppendText(QStringLiteral("b\nc"));
    EXPECT_EQ(notes.Text(), QStringLiteral("a\tb\nc"));
    EXPECT_EQ(QApplication::focusWidget(), notes.Widget());

    window->Field().SetFocus();
    QTest::keyClick(window->Field().Widget(), Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), window->Field().Widget());
}

TEST_F(ControlsTest, EditDeleteRemovesTheSelectionOrTheNextCharacterInBothEditors) {
    MenuItem clear;
    clear.Name(QStringLiteral("EditClear"));
    auto* edit = qobject_cast<QLineEdit*>(window->Field().Widget());
    auto* editor = qobject_cast<QPlainTextEdit*>(window->Notes().Widget());
    const std::function<void(int, int)> selectIn[] = {
        [edit](int start, int length) {
            edit->setText(QStringLiteral("abcd"));
            edit->setSelection(start, length);
        },
        [editor](int start, int length) {
            editor->setPlainText(QStringLiteral("abcd"));
            QTextCursor cursor = editor->textCursor();
            cursor.setPosition(start);
            cursor.setPosition(start + length, QTextCursor::KeepAnchor);
            editor->setTextCursor(cursor);
        },
    };
    const std::function<QString()> textOf[] = {[edit] { return edit->text(); },
                                               [editor] { return editor->toPlainText(); }};
    RectControl* controls[] = {&window->Field(), &window->Notes()};
    for (int c = 0; c < 2; ++c) {
        controls[c]->SetFocus();
        selectIn[c](1, 0);
        window->MenuItemChosen(clear);
        EXPECT_EQ(textOf[c](), QStringLiteral("acd")) << c;
        selectIn[c](1, 2);
        window->MenuItemChosen(clear);
        EXPECT_EQ(textOf[c](), QStringLiteral("ad")) << c;
    }
}

// Only the press that gives a field the focus may keep a selection made
// meanwhile. After a middle-button press gave it, a left click places the caret
// however the text came to be selected.
TEST_F(ControlsTest, AfterAMiddleClickGaveTheFocusALeftClickPlacesTheCaret) {
    TextField& field = window->Field();
    auto* edit = qobject_cast<QLineEdit*>(field.Widget());
    QWindow* shown = window->Widget()->windowHandle();
    const QPoint start = edit->mapTo(window->Widget(), QPoint(2, edit->height() / 2));
    const std::function<void()> selectBy[] = {
        [edit] {
            QTest::keyClicks(edit, QStringLiteral("123"));
            QTest::keyClick(edit, Qt::Key_Home, Qt::ShiftModifier);
        },
        [&field] {
            field.Text(QStringLiteral("123"));
            field.SelectAll();
        },
    };
    int way = 0;
    for (const auto& select : selectBy) {
        ++way;
        window->Notes().SetFocus();
        field.Text(QString());
        QTest::mouseClick(shown, Qt::MiddleButton, {}, start);
        ASSERT_EQ(QApplication::focusWidget(), edit) << way;
        select();
        ASSERT_EQ(edit->selectedText(), QStringLiteral("123")) << way;
        QTest::mouseClick(shown, Qt::LeftButton, {}, start);
        QTest::keyClick(shown, Qt::Key_8);
        EXPECT_EQ(field.Text(), QStringLiteral("8123")) << way;
    }
}

// Every character as it was pasted: no-break space, line separator and tab;
// a paragraph break reads as a line feed.
TEST_F(ControlsTest, TheNotesAreaGivesBackEveryCharacterItHolds) {
    const QString pasted = QStringLiteral("A\u00a0B\u2028C\tD\r\nE\u2029F");
    QGuiApplication::clipboard()->setText(pasted);
    window->Notes().SetFocus();
    QTest::keyClick(window->Notes().Widget(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(window->Notes().Text(), QStringLiteral("A\u00a0B\u2028C\tD\nE\nF"));
}

// The notes area's selection is hidden while another control has the focus.
TEST_F(ControlsTest, TheNotesSelectionShowsOnlyWhileTheNotesHaveTheFocus) {
    auto* editor = qobject_cast<QPlainTextEdit*>(window->Notes().Widget());
    window->Notes().AppendText(QStringLiteral("MMMMMMMM MMMMMMMM"));
    window->Notes().SetFocus();
    editor->selectAll();
    const auto showsHighlight = [editor] {
        const QImage image = editor->viewport()->grab().toImage();
        const QPalette palette = QApplication::palette(editor);
        const QRgb highlights[] = {palette.color(QPalette::Active, QPalette::Highlight).rgb(),
                                   palette.color(QPalette::Inactive, QPalette::Highlight).rgb()};
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                for (QRgb highlight : highlights) {
                    if (pixel == highlight) return true;
                }
            }
        }
        return false;
    };
    EXPECT_TRUE(showsHighlight());
    QTest::mouseClick(window->Field().Widget(), Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), window->Field().Widget());
    EXPECT_FALSE(showsHighlight());
    EXPECT_TRUE(editor->textCursor().hasSelection());
    QTest::mouseClick(editor->viewport(), Qt::LeftButton, {}, {2, 2});
    editor->selectAll();
    EXPECT_TRUE(showsHighlight());
}

}  // namespace
