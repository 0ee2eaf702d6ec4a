#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QWindow>

#include "app/Aboutwindow.h"
#include "app/FileTypes1.h"
#include "framework/Clipboard.h"
#include "framework/GuiTestSupport.h"
#include "main_window/Window1.h"

namespace {

const QString kNotEnough =
    QStringLiteral("There are not enough entries to do a calculation. Nothing was changed");
const QString kNoMatrix = QStringLiteral("The clipboard does not contain a recognizable matrix!");

// The diagonal matrix 1, 2, 3, whose rows and notes are known exactly.
const char* const kDiagonal[9] = {"1", "0", "0", "0", "2", "0", "0", "0", "3"};
const char* const kDiagonalRows[3][7] = {
    {"1", "3", "0", "0", "1", "090", "090"},
    {"2", "2", "0", "1", "0", "090", "000"},
    {"3", "1", "1", "0", "0", "000", "000"},
};
const QString kDiagonalNotes = QStringLiteral(
    "Matrix as entered:\n\n"
    "\t1\t0\t0\n\t0\t2\t0\n\t0\t0\t3\n\n"
    "1st invariant = \t6\n"
    "2nd invariant = \t-11\n"
    "3rd invariant = \t6\n"
    "(to normalize the eigenvalues to 1, divide each by the 1st invariant)\n");

class Window1WorkTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        previousAlt_ = Keyboard::SetAltKeySource([this] { return alt; });
        previousSaveDialog_ =
            SetSaveDialogPresenter([this](const QString& filters, const QString& defaultName) {
                dialogFilters = filters;
                dialogDefaultName = defaultName;
                return savePath;
            });
        window = Window1();
        ShowAndActivate(*window);
    }

    void TearDown() override {
        Keyboard::SetAltKeySource(previousAlt_);
        SetSaveDialogPresenter(previousSaveDialog_);
        GuiTest::TearDown();
    }

    void EnterMatrix(const char* const (&texts)[9]) const {
        for (int field = 1; field <= 9; ++field) {
            window->MatrixField(field).Text(QString::fromUtf8(texts[field - 1]));
        }
    }

    QStringList Fields() const {
        QStringList texts;
        for (int field = 1; field <= 9; ++field) texts << window->MatrixField(field).Text();
        return texts;
    }

    QStringList Row(std::int64_t row) const {
        QStringList cells;
        for (int column = 0; column < 7; ++column) cells << window->Listbox1().Cell(row, column);
        return cells;
    }

    static QStringList Expected(const char* const (&cells)[7]) {
        QStringList texts;
        for (const char* cell : cells) texts << QString::fromUtf8(cell);
        return texts;
    }

    QTreeWidget* Tree() const { return static_cast<QTreeWidget*>(window->Listbox1().Widget()); }

    QPlainTextEdit* Notes() const {
        return static_cast<QPlainTextEdit*>(window->TextArea1().Widget());
    }

    void ClickCalculate() const {
        QTest::mouseClick(window->PushButton1().Widget(), Qt::LeftButton);
    }

    void Click(RectControl& control) const {
        QTest::mouseClick(control.Widget(), Qt::LeftButton);
        QCoreApplication::processEvents();
    }

    RectControl* Focused() const { return window->ControlByWidget(QApplication::focusWidget()); }

    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) const {
        PressKey(window->Widget(), key, modifiers);
    }

    static QLineEdit* Edit(TextField& field) { return qobject_cast<QLineEdit*>(field.Widget()); }

    QMenuBar* Bar() const { return static_cast<QMainWindow*>(window->Widget())->menuBar(); }

    // The menu of the bar whose text is given, opened with the mouse.
    void ClickMenu(const QString& text) const {
        for (QAction* action : Bar()->actions()) {
            if (action->text() == text) {
                const QPoint at = Bar()->actionGeometry(action).center();
                QTest::mouseClick(window->Widget()->windowHandle(), Qt::LeftButton, {},
                                  Bar()->mapTo(window->Widget(), at));
                return;
            }
        }
        ADD_FAILURE() << "no menu " << text.toStdString();
    }

    class Window1* window = nullptr;
    bool alt = false;
    QString savePath;
    QString dialogFilters;
    QString dialogDefaultName;

private:
    Keyboard::AltKeySource previousAlt_;
    SaveDialogPresenter previousSaveDialog_;
};

// --- Calculate ---

TEST_F(Window1WorkTest, ClickingCalculateWritesRowsAndAppendsNotesAfterTheUsersText) {
    EnterMatrix(kDiagonal);
    window->TextArea1().AppendText(QStringLiteral("my notes"));
    ClickCalculate();

    EXPECT_TRUE(messages.isEmpty());
    ASSERT_EQ(window->Listbox1().ListCount(), 4);
    for (int row = 0; row < 3; ++row) EXPECT_EQ(Row(row), Expected(kDiagonalRows[row])) << row;
    EXPECT_EQ(Row(3), QStringList(7, QString()));
    EXPECT_EQ(window->Listbox1().ColumnCount(), 5);
    EXPECT_EQ(window->TextArea1().Text(), QStringLiteral("my notes") + kDiagonalNotes);
}

// Return and the keypad's Enter press Calculate from every control but the
// notes area, where Return types a line break; Alt held gives seven columns.
TEST_F(Window1WorkTest, ReturnAndEnterPressCalculateFromEveryControlButTheNotes) {
    EnterMatrix(kDiagonal);
    const struct {
        RectControl* control;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } presses[] = {
        {&window->TextField9(), Qt::Key_Return, {}},
        {&window->TextField1(), Qt::Key_Enter, Qt::KeypadModifier},
        {&window->TextField5(), Qt::Key_Return, Qt::AltModifier},
        {&window->Listbox1(), Qt::Key_Return, {}},
        {&window->Listbox1(), Qt::Key_Enter, Qt::KeypadModifier},
        {&window->Listbox1(), Qt::Key_Return, Qt::AltModifier},
        {&window->PushButton1(), Qt::Key_Return, {}},
    };
    std::int64_t rows = 0;
    QString notes;
    for (const auto& press : presses) {
        alt = press.modifiers.testFlag(Qt::AltModifier);
        press.control->SetFocus();
        Key(press.key, press.modifiers);
        rows += 4;
        notes += kDiagonalNotes;
        const std::string name = press.control->Name().toStdString();
        EXPECT_EQ(window->Listbox1().ListCount(), rows) << name << " " << press.key;
        EXPECT_EQ(window->Listbox1().ColumnCount(), alt ? 7 : 5) << name;
    }
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(window->TextArea1().Text(), notes);

    window->TextArea1().SetFocus();
    Key(Qt::Key_End, Qt::ControlModifier);
    Key(Qt::Key_Return);
    EXPECT_EQ(window->Listbox1().ListCount(), rows);
    EXPECT_EQ(window->TextArea1().Text(), notes + u'\n');
}

// Trend and plunge are written while hidden and show once Alt asks for them.
TEST_F(Window1WorkTest, AltShowsSevenColumnsWithTheCellsWrittenWhileFiveWereShown) {
    EnterMatrix(kDiagonal);
    ClickCalculate();
    EXPECT_TRUE(Tree()->isColumnHidden(5));
    EXPECT_TRUE(Tree()->isColumnHidden(6));

    alt = true;
    ClickCalculate();
    EXPECT_EQ(window->Listbox1().ColumnCount(), 7);
    EXPECT_EQ(window->Listbox1().Heading(5), QStringLiteral("Trend"));
    EXPECT_EQ(window->Listbox1().Heading(6), QStringLiteral("Plunge"));
    ASSERT_EQ(Tree()->topLevelItemCount(), 8);
    for (int column = 5; column <= 6; ++column) {
        EXPECT_FALSE(Tree()->isColumnHidden(column));
        EXPECT_EQ(Tree()->headerItem()->text(column), window->Listbox1().Heading(column));
        EXPECT_EQ(Tree()->topLevelItem(0)->text(column),
                  QString::fromUtf8(kDiagonalRows[0][column]));
    }

    alt = false;
    ClickCalculate();
    EXPECT_EQ(window->Listbox1().ColumnCount(), 5);
    EXPECT_TRUE(Tree()->isColumnHidden(5));
}

// The list shows about four rows and the notes about seven lines. A press
// whose results land below them brings them into view when the end was in
// view, and changes no focus, selection or cursor; a list or notes scrolled
// up to earlier results stay where they are.
TEST_F(Window1WorkTest, NewResultsComeIntoViewWhereTheEndWasInView) {
    QPlainTextEdit* notes = Notes();
    QScrollBar* notesBar = notes->verticalScrollBar();
    QScrollBar* listBar = Tree()->verticalScrollBar();
    const auto lastRowShown = [this] {
        QCoreApplication::processEvents();
        const QTreeWidgetItem* last = Tree()->topLevelItem(Tree()->topLevelItemCount() - 1);
        return Tree()->viewport()->rect().contains(Tree()->visualItemRect(last));
    };
    window->TextArea1().AppendText(QStringLiteral("my notes"));
    QTextCursor cursor = notes->textCursor();
    cursor.setPosition(5);
    notes->setTextCursor(cursor);
    EnterMatrix(kDiagonal);
    window->TextField9().SetFocus();
    Key(Qt::Key_Return);
    Tree()->topLevelItem(1)->setSelected(true);

    for (int press = 2; press <= 3; ++press) {
        Key(Qt::Key_Return);
        ASSERT_EQ(Tree()->topLevelItemCount(), 4 * press);
        EXPECT_TRUE(lastRowShown()) << press;
        EXPECT_GT(notesBar->maximum(), 0);
        EXPECT_EQ(notesBar->value(), notesBar->maximum()) << press;
    }
    EXPECT_EQ(Focused(), &window->TextField9());
    EXPECT_EQ(Tree()->selectedItems(), QList<QTreeWidgetItem*>{Tree()->topLevelItem(1)});
    EXPECT_EQ(notes->textCursor().position(), 5);
    EXPECT_FALSE(notes->textCursor().hasSelection());

    listBar->setValue(1);
    notesBar->setValue(2);
    Key(Qt::Key_Return);
    EXPECT_FALSE(lastRowShown());
    EXPECT_EQ(listBar->value(), 1);
    EXPECT_EQ(notesBar->value(), 2);
}

TEST_F(Window1WorkTest, RefusedEntriesShowTheMessageAndChangeNothing) {
    struct Case {
        const char* fields[9];
        QString message;
    };
    const Case cases[] = {
        {{"", "", "", "", "", "", "", "", ""}, kNotEnough},
        {{"1", "0", "0", "0", "abc", "0", "0", "0", "3"},
         QStringLiteral("The entry in row 2, column 2 (\"abc\") is not a number. "
                        "Nothing was changed")},
    };
    window->TextArea1().AppendText(QStringLiteral("kept"));
    for (const Case& c : cases) {
        messages.clear();
        EnterMatrix(c.fields);
        alt = true;
        ClickCalculate();
        EXPECT_EQ(messages, QStringList{c.message});
        EXPECT_EQ(window->Listbox1().ListCount(), 0);
        EXPECT_EQ(window->TextArea1().Text(), QStringLiteral("kept"));
        // The column switch comes first and stands.
        EXPECT_EQ(window->Listbox1().ColumnCount(), 7);
    }
}

// A field holds what it is given at any length, and the notes show it whole.
TEST_F(Window1WorkTest, ALongEntryIsKeptWholeAndShownWholeInTheNotes) {
    EnterMatrix(kDiagonal);
    const QString longEntry = QStringLiteral("2") + QString(40000, u' ');
    Clipboard().Text(longEntry);
    window->TextField5().SetFocus();
    window->TextField5().SelectAll();
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(window->TextField5().Text(), longEntry);

    ClickCalculate();
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_TRUE(window->TextArea1().Text().contains(QStringLiteral("\t0\t") + longEntry +
                                                    QStringLiteral("\t0\n")));
    EXPECT_EQ(Row(1), Expected(kDiagonalRows[1]));
}

// --- Matrix fields ---

TEST_F(Window1WorkTest, LeavingAnOffDiagonalFieldByAClickMirrorsItsTextEmptyTextToo) {
    window->TextField4().Text(QStringLiteral("9"));
    for (const QString& text : {QStringLiteral(" 1.5 "), QString()}) {
        window->TextField2().SetFocus();
        window->TextField2().Text(text);
        Click(window->TextArea1());
        EXPECT_EQ(window->TextField4().Text(), text);
        EXPECT_EQ(Focused(), &window->TextArea1());
    }
}

TEST_F(Window1WorkTest, LeavingTheOtherOffDiagonalFieldsMirrorsThemBack) {
    const int pairs[][2] = {{4, 2}, {7, 3}, {8, 6}};
    for (const auto& pair : pairs) {
        TextField& left = window->MatrixField(pair[0]);
        left.SetFocus();
        QTest::keyClicks(left.Widget(), QStringLiteral("-%1").arg(pair[0]));
        Click(window->TextArea1());
        EXPECT_EQ(window->MatrixField(pair[1]).Text(), QStringLiteral("-%1").arg(pair[0]));
        EXPECT_EQ(Focused(), &window->TextArea1()) << pair[0];
    }
}

// TextField3 jumps to TextField5 and TextField6 to TextField9, however the
// user leaves it.
TEST_F(Window1WorkTest, LeavingTheLastUpperFieldOfARowAnyWayJumpsToTheNextDiagonalField) {
    struct Jump {
        int from, mirror, to;
    };
    for (const Jump jump : {Jump{3, 7, 5}, Jump{6, 8, 9}}) {
        TextField& from = window->MatrixField(jump.from);
        TextField& to = window->MatrixField(jump.to);
        const std::function<void()> leaveBy[] = {
            [this] { Key(Qt::Key_Tab); },
            [this] { Key(Qt::Key_Tab, Qt::ShiftModifier); },
            [this] { Click(window->TextField1()); },
            [this] { Click(window->TextArea1()); },
        };
        for (const auto& leave : leaveBy) {
            to.Text(QStringLiteral("2.5"));
            from.SetFocus();
            from.Text(QStringLiteral("7"));
            leave();
            QCoreApplication::processEvents();
            EXPECT_EQ(Focused(), &to) << jump.from;
            EXPECT_EQ(Edit(to)->selectedText(), QStringLiteral("2.5")) << jump.from;
            EXPECT_EQ(window->MatrixField(jump.mirror).Text(), QStringLiteral("7"));
        }
    }
}

// The click that leaves the field may land on the jump target itself: the
// target's text is still selected whole, and typing replaces it.
TEST_F(Window1WorkTest, AClickIntoTheJumpTargetLeavesItsWholeTextSelected) {
    for (const auto& [from, to] : {std::pair{3, 5}, std::pair{6, 9}}) {
        TextField& target = window->MatrixField(to);
        target.Text(QStringLiteral("4"));
        window->MatrixField(from).SetFocus();
        QTest::mouseClick(window->Widget()->windowHandle(), Qt::LeftButton, {},
                          target.Widget()->mapTo(window->Widget(), QPoint(6, 11)));
        EXPECT_EQ(Focused(), &target) << to;
        EXPECT_EQ(Edit(target)->selectedText(), QStringLiteral("4")) << to;
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("8"));
        EXPECT_EQ(target.Text(), QStringLiteral("8")) << to;

        // Any later click places the caret as usual.
        QTest::mouseClick(window->Widget()->windowHandle(), Qt::LeftButton, {},
                          target.Widget()->mapTo(window->Widget(), QPoint(60, 11)));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("0"));
        EXPECT_EQ(target.Text(), QStringLiteral("80")) << to;
    }
}

TEST_F(Window1WorkTest, LeavingADiagonalFieldChangesNoOtherField) {
    const char* const distinct[9] = {"a", "b", "c", "d", "e", "f", "g", "h", "i"};
    for (int field : {1, 5, 9}) {
        EnterMatrix(distinct);
        window->TextArea1().SetFocus();
        TextField& diagonal = window->MatrixField(field);
        diagonal.SetFocus();
        QTest::keyClicks(diagonal.Widget(), QStringLiteral("x"));
        Click(window->TextArea1());
        QStringList others = Fields();
        EXPECT_EQ(others[field - 1], QString::fromUtf8(distinct[field - 1]) + "x");
        others[field - 1] = QString::fromUtf8(distinct[field - 1]);
        EXPECT_EQ(others, QStringList({"a", "b", "c", "d", "e", "f", "g", "h", "i"})) << field;
        EXPECT_EQ(Focused(), &window->TextArea1()) << field;
    }
}

// --- The menu bar and the fields ---

// The menu bar taking the keyboard (Alt alone, Alt and a menu's letter, or
// Escape out of a menu opened with the mouse) is no leaving of the field: no
// mirror, no jump, and the selection is there when the keyboard comes back.
TEST_F(Window1WorkTest, TheMenuBarTakingTheKeyboardIsNoLeavingOfAField) {
    const std::function<void()> visitTheMenuBar[] = {
        [this] {
            Key(Qt::Key_Alt);
            Key(Qt::Key_Alt);
        },
        [this] {
            Key(Qt::Key_E, Qt::AltModifier);
            Key(Qt::Key_Escape);
            Key(Qt::Key_Escape);
        },
        [this] {
            ClickMenu(QStringLiteral("&Edit"));
            Key(Qt::Key_Escape);
            Key(Qt::Key_Escape);
        },
    };
    int way = 0;
    for (const auto& visit : visitTheMenuBar) {
        ++way;
        window->TextField7().Text(QStringLiteral("7"));
        window->TextField3().SetFocus();
        window->TextField3().Text(QStringLiteral("123"));
        Edit(window->TextField3())->setSelection(1, 2);
        visit();
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << way;
        EXPECT_EQ(Focused(), &window->TextField3()) << way;
        EXPECT_EQ(Edit(window->TextField3())->selectedText(), QStringLiteral("23")) << way;
        EXPECT_EQ(window->TextField7().Text(), QStringLiteral("7")) << way;
    }
}

// Another window taking the keyboard while the menu bar has it (the About
// window clicked, or the save dialog that Ctrl+S opens, cancelled) ends the
// menu bar's turn: once the window is active again, the field has the keyboard
// and its selection back, and it was never left.
TEST_F(Window1WorkTest, AfterAnotherWindowTheKeyboardComesBackFromTheMenuBarToTheField) {
    const auto activate = [](QWidget* widget) {
        widget->windowHandle()->requestActivate();
        ASSERT_TRUE(QTest::qWaitForWindowActive(widget));
    };
    const std::function<void()> goToAnotherWindow[] = {
        [&] {
            class Aboutwindow* about = Aboutwindow();
            about->Show();
            activate(about->Widget());
        },
        [&] {
            SetSaveDialogPresenter([&](const QString&, const QString&) {
                QDialog dialog(window->Widget());
                dialog.show();
                activate(&dialog);
                return QString();
            });
            if (!FileTypes1::Text()) FileTypes1::Initialize();
            Key(Qt::Key_S, Qt::ControlModifier);
        },
    };
    int way = 0;
    for (const auto& goAway : goToAnotherWindow) {
        ++way;
        window->TextField7().Text(QStringLiteral("7"));
        window->TextField3().SetFocus();
        window->TextField3().Text(QStringLiteral("301"));
        Edit(window->TextField3())->setSelection(1, 2);
        Key(Qt::Key_Alt);
        goAway();
        activate(window->Widget());

        EXPECT_EQ(Focused(), &window->TextField3()) << way;
        EXPECT_EQ(Edit(window->TextField3())->selectedText(), QStringLiteral("01")) << way;
        Key(Qt::Key_5);
        EXPECT_EQ(window->TextField3().Text(), QStringLiteral("35")) << way;
        EXPECT_EQ(window->TextField7().Text(), QStringLiteral("7")) << way;

        // Leaving it now mirrors and jumps once, as always.
        Key(Qt::Key_Tab);
        EXPECT_EQ(window->TextField7().Text(), QStringLiteral("35")) << way;
        EXPECT_EQ(Focused(), &window->TextField5()) << way;
    }
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(Window1WorkTest, AfterAltAloneTheArrowKeysOpenTheMenusFromAnyField) {
    for (TextField* field : {&window->TextField2(), &window->TextField3(), &window->TextField6()}) {
        // Leaving the field before may jump, but never away from TextField1.
        window->TextField1().SetFocus();
        field->SetFocus();
        Key(Qt::Key_Alt);
        Key(Qt::Key_Down);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr) << field->Name().toStdString();
        EXPECT_EQ(menu->title(), QStringLiteral("&File"));
        Key(Qt::Key_Escape);
        Key(Qt::Key_Escape);
        EXPECT_EQ(Focused(), field);
    }
}

// From the menu bar the user may click straight into another control: that
// leaves the field.
TEST_F(Window1WorkTest, AClickElsewhereWhileTheMenuBarHasTheKeyboardLeavesTheField) {
    window->TextField2().SetFocus();
    QTest::keyClicks(window->TextField2().Widget(), QStringLiteral("9"));
    Key(Qt::Key_Alt);
    EXPECT_EQ(window->TextField4().Text(), QString());
    Click(window->TextField1());
    EXPECT_EQ(window->TextField4().Text(), QStringLiteral("9"));
    EXPECT_EQ(Focused(), &window->TextField1());

    window->TextField3().SetFocus();
    window->TextField3().Text(QStringLiteral("3"));
    Key(Qt::Key_Alt);
    Click(window->TextArea1());
    EXPECT_EQ(window->TextField7().Text(), QStringLiteral("3"));
    EXPECT_EQ(Focused(), &window->TextField5());
}

TEST_F(Window1WorkTest, EditCommandsChosenByKeyboardActOnTheFieldsSelection) {
    struct Case {
        Qt::Key letter;
        const char* text;
        const char* clipboard;
    };
    const Case cases[] = {
        {Qt::Key_C, "12345", "234"},  // Copy
        {Qt::Key_T, "15", "234"},     // Cut
        {Qt::Key_P, "1xy5", "xy"},    // Paste
        {Qt::Key_D, "15", "xy"},      // Delete
    };
    for (const Case& c : cases) {
        Clipboard().Text(QStringLiteral("xy"));
        window->TextField1().SetFocus();
        window->TextField1().Text(QStringLiteral("12345"));
        Edit(window->TextField1())->setSelection(1, 3);
        Key(Qt::Key_E, Qt::AltModifier);
        Key(c.letter);
        EXPECT_EQ(window->TextField1().Text(), QString::fromUtf8(c.text)) << c.text;
        EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8(c.clipboard));
        EXPECT_EQ(Focused(), &window->TextField1());
    }
}

// With nothing selected, Copy and Cut leave the clipboard as it was, by key
// and from the menu, in every control: in the list too once a Ctrl+click has
// taken back the selection of its row.
TEST_F(Window1WorkTest, CopyAndCutWithNothingSelectedLeaveTheClipboard) {
    EnterMatrix(kDiagonal);
    ClickCalculate();
    const QPoint row = Tree()->visualItemRect(Tree()->topLevelItem(0)).center();
    QTest::mouseClick(Tree()->viewport(), Qt::LeftButton, {}, row);
    QTest::mouseClick(Tree()->viewport(), Qt::LeftButton, Qt::ControlModifier, row);
    ASSERT_TRUE(Tree()->selectedItems().isEmpty());
    Edit(window->TextField1())->deselect();

    const QString matrix = QStringLiteral("1\t2\t3\n4\t5\t6\n7\t8\t9");
    for (RectControl* control : {static_cast<RectControl*>(&window->Listbox1()),
                                 static_cast<RectControl*>(&window->TextField1()),
                                 static_cast<RectControl*>(&window->TextArea1())}) {
        for (const Qt::Key key : {Qt::Key_C, Qt::Key_X}) {
            const std::string name = control->Name().toStdString() + " " + char(key);
            Clipboard().Text(matrix);
            control->SetFocus();
            Key(key, Qt::ControlModifier);
            EXPECT_EQ(QGuiApplication::clipboard()->text(), matrix) << name << " by key";
            Key(Qt::Key_E, Qt::AltModifier);
            Key(key == Qt::Key_C ? Qt::Key_C : Qt::Key_T);
            EXPECT_EQ(QGuiApplication::clipboard()->text(), matrix) << name << " from the menu";
        }
    }
    EXPECT_EQ(Fields(), QStringList(std::begin(kDiagonal), std::end(kDiagonal)));
    EXPECT_EQ(window->TextArea1().Text(), kDiagonalNotes);

    QTest::mouseClick(Tree()->viewport(), Qt::LeftButton, {}, row);
    Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("1\t3\t0\t0\t1"));
}

// A letter typed with Alt is a menu key, never text; AltGr (Ctrl+Alt where a
// platform reports it so) still types.
TEST_F(Window1WorkTest, AltLettersTypeNothingButAltGrCharactersDo) {
    for (RectControl* control : {static_cast<RectControl*>(&window->TextField1()),
                                 static_cast<RectControl*>(&window->TextArea1())}) {
        control->SetFocus();
        Key(Qt::Key_W, Qt::AltModifier);
        Key(Qt::Key_Q, Qt::AltModifier);
        Key(Qt::Key_At, Qt::ControlModifier | Qt::AltModifier);
        Key(Qt::Key_1);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        EXPECT_EQ(Focused(), control);
    }
    EXPECT_EQ(window->TextField1().Text(), QStringLiteral("@1"));
    EXPECT_EQ(window->TextArea1().Text(), QStringLiteral("@1"));
}

// --- Paste Matrix ---

TEST_F(Window1WorkTest, CtrlShiftVPastesAllNineFieldsWithoutMirroring) {
    window->TextField2().SetFocus();
    Clipboard().Text(QStringLiteral("1\t2\t3\n4\t5\t6\n7\t8\t9"));
    QTest::keyClick(window->TextField2().Widget(), Qt::Key_V,
                    Qt::ControlModifier | Qt::ShiftModifier);
    QCoreApplication::processEvents();
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(Fields(), QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "9"}));
    EXPECT_EQ(Focused(), &window->TextField2());
}

TEST_F(Window1WorkTest, PasteMatrixGivesTrueOrShowsTheMessageAndGivesFalse) {
    EnterMatrix(kDiagonal);
    const QStringList before = Fields();
    for (const QString& text : {QStringLiteral("no matrix"), QString()}) {
        messages.clear();
        Clipboard().Text(text);
        EXPECT_FALSE(window->EditPasteMatrix_Action()) << text.toStdString();
        EXPECT_EQ(messages, QStringList{kNoMatrix});
        EXPECT_EQ(Fields(), before);
    }
    messages.clear();
    Clipboard().Text(QStringLiteral("5,6,7,8"));
    EXPECT_TRUE(window->EditPasteMatrix_Action());
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(Fields(), QStringList({"5", "6", "0", "7", "8", "0", "0", "0", "3"}));
}

// --- Save Text ---

class Window1SaveTest : public Window1WorkTest {
protected:
    void SetUp() override {
        Window1WorkTest::SetUp();
        ASSERT_TRUE(folder.isValid());
        // Start-up registers the program's file types.
        if (!FileTypes1::Text()) FileTypes1::Initialize();
        EnterMatrix(kDiagonal);
        ClickCalculate();
    }

    QTemporaryDir folder;
};

TEST_F(Window1SaveTest, CtrlSWritesTheListAndTheNotes) {
    savePath = folder.filePath(QStringLiteral("out.txt"));
    QTest::keyClick(window->TextArea1().Widget(), Qt::Key_S, Qt::ControlModifier);

    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(dialogDefaultName, QStringLiteral("Vorlix output.txt"));
    EXPECT_TRUE(dialogFilters.contains(QStringLiteral("text/plain")));
    EXPECT_TRUE(dialogFilters.contains(QStringLiteral("*.txt")));
    QFile file(savePath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray expected =
        "#\tEigenValue\talpha\tbeta\tgamma\ttrd\tplg\n"
        "1\t3\t0\t0\t1\n"
        "2\t2\t0\t1\t0\n"
        "3\t1\t1\t0\t0\n"
        "\t\t\t\t\n"
        "------------------------------------------------\n"
        "\n" +
        kDiagonalNotes.toUtf8();
    EXPECT_EQ(file.readAll(), expected);
}

// Every number is written with a point for its decimals, whatever the
// language; after a calculation with Alt every row has seven cells, those of
// the calculation before too.
TEST_F(Window1SaveTest, DecimalsAreSavedWithAPointAndAltGivesEveryRowSevenCells) {
    const char* const tenths[9] = {"0.4", "0.1", "0", "0.1", "0.3", "0.1", "0", "0.1", "0.2"};
    EnterMatrix(tenths);
    alt = true;
    ClickCalculate();
    savePath = folder.filePath(QStringLiteral("out.txt"));
    Key(Qt::Key_S, Qt::ControlModifier);

    QFile file(savePath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray expected =
        "#\tEigenValue\talpha\tbeta\tgamma\ttrd\tplg\n"
        "1\t3\t0\t0\t1\t090\t090\n"
        "2\t2\t0\t1\t0\t090\t000\n"
        "3\t1\t1\t0\t0\t000\t000\n"
        "\t\t\t\t\t\t\n"
        "1\t0.4732051\t0.78868\t0.57735\t0.21132\t036.21\t012.2\n"
        "2\t0.3\t-0.57735\t0.57735\t0.57735\t135\t035.26\n"
        "3\t0.1267949\t0.21132\t-0.57735\t0.78868\t290.1\t052.06\n"
        "\t\t\t\t\t\t\n"
        "------------------------------------------------\n"
        "\n" +
        kDiagonalNotes.toUtf8() +
        "Matrix as entered:\n\n"
        "\t0.4\t0.1\t0\n\t0.1\t0.3\t0.1\n\t0\t0.1\t0.2\n\n"
        "1st invariant = \t0.9\n"
        "2nd invariant = \t-0.24\n"
        "3rd invariant = \t0.018\n"
        "(to normalize the eigenvalues to 1, divide each by the 1st invariant)\n";
    EXPECT_EQ(file.readAll().toStdString(), expected.toStdString());
}

// Pasted notes keep their no-break space, line separator and tab; the file is
// UTF-8 with no byte-order mark, paragraph breaks written as line feeds.
TEST_F(Window1SaveTest, TheNotesAreSavedExactlyAsTheyStand) {
    Clipboard().Text(QStringLiteral("A\u00a0B\u2028C\tD\r\nE"));
    window->TextArea1().SetFocus();
    QTest::keyClick(window->TextArea1().Widget(), Qt::Key_End, Qt::ControlModifier);
    Key(Qt::Key_V, Qt::ControlModifier);
    savePath = folder.filePath(QStringLiteral("notes.txt"));
    Key(Qt::Key_S, Qt::ControlModifier);

    QFile file(savePath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    EXPECT_TRUE(saved.startsWith("#\tEigenValue\t"));
    EXPECT_TRUE(saved.endsWith(kDiagonalNotes.toUtf8() + "A\xc2\xa0"
                                                         "B\xe2\x80\xa8"
                                                         "C\tD\nE"))
        << saved.right(40).toStdString();
}

// Shift+Return and Shift+Enter type the line break that Return types, and
// the file has a line feed for each.
TEST_F(Window1SaveTest, ShiftReturnInTheNotesTypesTheLineBreakOfReturn) {
    window->TextArea1().SetFocus();
    Key(Qt::Key_End, Qt::ControlModifier);
    Key(Qt::Key_A);
    Key(Qt::Key_Return, Qt::ShiftModifier);
    Key(Qt::Key_B);
    Key(Qt::Key_Enter, Qt::ShiftModifier | Qt::KeypadModifier);
    Key(Qt::Key_C);
    Key(Qt::Key_Return);
    Key(Qt::Key_D);
    EXPECT_EQ(window->TextArea1().Text(), kDiagonalNotes + QStringLiteral("a\nb\nc\nd"));
    EXPECT_EQ(window->Listbox1().ListCount(), 4);

    savePath = folder.filePath(QStringLiteral("notes.txt"));
    Key(Qt::Key_S, Qt::ControlModifier);
    QFile file(savePath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().endsWith(kDiagonalNotes.toUtf8() + "a\nb\nc\nd"));
}

TEST_F(Window1SaveTest, CancellingGivesFalseAndCreatesNoFile) {
    savePath.clear();
    EXPECT_FALSE(window->FilesaveText_Action());
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(Window1SaveTest, AnUnwritablePathIsReportedNamingTheFileAndLeavesNoFile) {
    const QString paths[] = {
        folder.filePath(QStringLiteral("missing/out.txt")),
        folder.filePath(QStringLiteral("a folder")),
    };
    QDir(folder.path()).mkdir(QStringLiteral("a folder"));
    for (const QString& path : paths) {
        messages.clear();
        savePath = path;
        QTest::keyClick(window->TextArea1().Widget(), Qt::Key_S, Qt::ControlModifier);
        ASSERT_EQ(messages.size(), 1) << path.toStdString();
        EXPECT_TRUE(messages[0].contains(path)) << messages[0].toStdString();
        EXPECT_FALSE(QFileInfo(path).isFile());
        EXPECT_EQ(window->Listbox1().ListCount(), 4);
        EXPECT_EQ(window->TextArea1().Text(), kDiagonalNotes);
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{"a folder"});
}

// --- Splitter ---

TEST_F(Window1WorkTest, DraggingTheGripMovesTheBoundaryWithinTheLimits) {
    QWidget* content = window->ContentArea();
    QTest::mouseMove(content, {100, 366});
    EXPECT_EQ(window->MouseCursor(), Cursors::SplitterNorthSouth);
    EXPECT_EQ(content->cursor().shape(), Qt::SplitVCursor);

    SendMouse(content, QEvent::MouseButtonPress, {100, 366}, Qt::LeftButton);
    SendMouse(content, QEvent::MouseMove, {100, 326}, Qt::LeftButton);
    const auto expectMovedUpBy40 = [this](const char* situation) {
        EXPECT_EQ(window->Listbox1().Height(), 51) << situation;
        EXPECT_EQ(window->TextArea1().Top(), 334) << situation;
        EXPECT_EQ(window->TextArea1().Height(), 170) << situation;
        EXPECT_EQ(window->Separator1().Top(), 326) << situation;
    };
    expectMovedUpBy40("dy = -40");
    SendMouse(content, QEvent::MouseMove, {100, 300}, Qt::LeftButton);
    expectMovedUpBy40("beyond the limit");
    SendMouse(content, QEvent::MouseButtonRelease, {100, 300}, Qt::NoButton);
    SendMouse(content, QEvent::MouseMove, {100, 366}, Qt::NoButton);
    expectMovedUpBy40("after the release");
    EXPECT_EQ(window->MouseCursor(), Cursors::StandardPointer);
    EXPECT_EQ(content->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(window->Listbox1().Widget()->geometry().bottom() + 1, 271 + 51);
}

// A quick second press on the grip reaches Qt as a double click; it starts a
// drag like any press.
TEST_F(Window1WorkTest, ASecondQuickPressOnTheGripDragsToo) {
    QWidget* content = window->ContentArea();
    {
        PlatformMouse mouse(window->Widget());
        mouse.Press(content, {100, 366});
        mouse.Release(content, {100, 366});
        mouse.Press(content, {100, 366});
        mouse.Move(content, {100, 326});
        mouse.Release(content, {100, 326});
    }
    EXPECT_EQ(window->Listbox1().Height(), 51);
    EXPECT_EQ(window->TextArea1().Top(), 334);
    EXPECT_EQ(window->Separator1().Top(), 326);
}

// The splitter's cursor is the content area's: over a control the control's
// own cursor shows, also after a drag released over the list.
TEST_F(Window1WorkTest, TheSplitterCursorShowsOnlyInTheBand) {
    QWidget* content = window->ContentArea();
    QWindow* shown = window->Widget()->windowHandle();
    PlatformMouse mouse(window->Widget());
    mouse.Move(content, {100, 366});
    EXPECT_EQ(shown->cursor().shape(), Qt::SplitVCursor);
    mouse.Press(content, {100, 366});
    mouse.Move(content, {100, 300});
    mouse.Release(content, {100, 300});
    EXPECT_EQ(shown->cursor().shape(), Qt::ArrowCursor);

    const struct {
        QWidget* widget;
        Qt::CursorShape shape;
    } controls[] = {
        {Tree()->viewport(), Qt::ArrowCursor},
        {Tree()->header(), Qt::ArrowCursor},
        {static_cast<QPlainTextEdit*>(window->TextArea1().Widget())->viewport(), Qt::IBeamCursor},
        {window->TextField5().Widget(), Qt::IBeamCursor},
        {window->PushButton1().Widget(), Qt::ArrowCursor},
    };
    for (const auto& control : controls) {
        mouse.Move(content, {100, 366});
        EXPECT_EQ(shown->cursor().shape(), Qt::SplitVCursor);
        mouse.Move(control.widget, {5, 5});
        EXPECT_EQ(shown->cursor().shape(), control.shape)
            << control.widget->metaObject()->className();
        EXPECT_EQ(control.widget->cursor().shape(), control.shape);
    }
}

}  // namespace
