#include <QMainWindow>
#include <QMenuBar>
#include <QTreeWidget>
#include <QWindow>

#include "framework/GuiTestSupport.h"
#include "main_window/Window1.h"

namespace {

struct ExpectedControl {
    const char* name;
    QRect atDesign;
    QRect wider;   // window 100 wider
    QRect taller;  // window 100 taller
};

const ExpectedControl kControls[] = {
    {"TextArea1", {20, 374, 482, 130}, {20, 374, 582, 130}, {20, 374, 482, 230}},
    {"Label1", {20, 14, 482, 56}, {20, 14, 582, 56}, {20, 14, 482, 56}},
    {"PushButton1", {410, 239, 92, 20}, {510, 239, 92, 20}, {410, 239, 92, 20}},
    {"GroupBox1", {52, 82, 418, 145}, {52, 82, 418, 145}, {52, 82, 418, 145}},
    {"TextField9", {341, 186, 109, 22}, {341, 186, 109, 22}, {341, 186, 109, 22}},
    {"TextField6", {341, 152, 109, 22}, {341, 152, 109, 22}, {341, 152, 109, 22}},
    {"TextField3", {341, 118, 109, 22}, {341, 118, 109, 22}, {341, 118, 109, 22}},
    {"TextField8", {207, 186, 109, 22}, {207, 186, 109, 22}, {207, 186, 109, 22}},
    {"TextField5", {207, 152, 109, 22}, {207, 152, 109, 22}, {207, 152, 109, 22}},
    {"TextField2", {207, 118, 109, 22}, {207, 118, 109, 22}, {207, 118, 109, 22}},
    {"TextField7", {72, 186, 109, 22}, {72, 186, 109, 22}, {72, 186, 109, 22}},
    {"TextField4", {72, 152, 109, 22}, {72, 152, 109, 22}, {72, 152, 109, 22}},
    {"TextField1", {72, 118, 109, 22}, {72, 118, 109, 22}, {72, 118, 109, 22}},
    {"Listbox1", {20, 271, 482, 91}, {20, 271, 582, 91}, {20, 271, 482, 91}},
    {"Label2", {20, 239, 100, 20}, {20, 239, 100, 20}, {20, 239, 100, 20}},
    {"Separator1", {229, 366, 64, 4}, {229, 366, 164, 4}, {229, 366, 64, 4}},
};

class Window1Test : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        window = Window1();
    }

    void ExpectGeometry(QRect ExpectedControl::*which, const char* situation) const {
        for (const ExpectedControl& expected : kControls) {
            const RectControl* control = window->ControlByName(QString::fromUtf8(expected.name));
            ASSERT_NE(control, nullptr) << expected.name;
            EXPECT_EQ(QRect(control->Left(), control->Top(), control->Width(), control->Height()),
                      expected.*which)
                << expected.name << " " << situation;
        }
    }

    class Window1* window = nullptr;
};

TEST_F(Window1Test, OpensWithTheDesignsControlsInTheirPlaces) {
    EXPECT_EQ(Window1(), window);
    EXPECT_EQ(window->ControlCount(), 16);
    EXPECT_TRUE(window->Visible());
    EXPECT_EQ(window->Title(), QStringLiteral("Vorlix"));
    EXPECT_EQ(window->ContentArea()->size(), QSize(522, 524));
    ExpectGeometry(&ExpectedControl::atDesign, "at the design size");

    EXPECT_EQ(window->GroupBox1().Caption(), QStringLiteral("Original Matrix"));
    EXPECT_EQ(window->PushButton1().Caption(), QStringLiteral("Calculate"));
    EXPECT_TRUE(window->PushButton1().Default());
    EXPECT_EQ(window->Label2().Text(), QStringLiteral("Principal Axes:"));
    EXPECT_TRUE(
        window->Label1().Text().startsWith("Enter the symmetric matrix in the boxes below.  When"));
    EXPECT_TRUE(window->Label1().Text().endsWith(
        "as well as the  as well as write your own notes in the text area below."));
    EXPECT_TRUE(window->TextArea1().Text().isEmpty());
    EXPECT_EQ(window->TextField5().Parent(), &window->GroupBox1());
    EXPECT_TRUE(window->TextField5().Text().isEmpty());
    EXPECT_FALSE(window->Widget()->windowFlags().testFlag(Qt::WindowCloseButtonHint));
}

TEST_F(Window1Test, TheResultsListOpensWithFiveHeadedColumnsAndNoRows) {
    Listbox& list = window->Listbox1();
    EXPECT_EQ(list.ColumnCount(), 5);
    EXPECT_EQ(list.ListCount(), 0);
    const QStringList headings = {"#",           "Eigenvalue", "cos(\u03b1)", "cos(\u03b2)",
                                  "cos(\u03b3)", "Trend",      "Plunge"};
    auto* tree = static_cast<QTreeWidget*>(list.Widget());
    const double listWidth = tree->viewport()->width();
    for (int column = 0; column < 7; ++column) {
        EXPECT_EQ(list.Heading(column), headings[column]);
        EXPECT_EQ(list.HeaderType(column), 1) << column;
        EXPECT_EQ(tree->isColumnHidden(column), column >= 5) << column;
    }
    EXPECT_NEAR(tree->columnWidth(0), listWidth * 0.05, 1.0);
    EXPECT_NEAR(tree->columnWidth(4), listWidth * 0.1583, 1.0);
    list.ColumnCount(7);
    EXPECT_NEAR(tree->columnWidth(6), listWidth * 0.1583, 1.0);
}

TEST_F(Window1Test, ResizingFollowsTheLocksAndStaysWithinTheLimits) {
    window->Width(622);
    QCoreApplication::processEvents();
    ExpectGeometry(&ExpectedControl::wider, "100 wider");
    window->Width(522);
    window->Height(624);
    QCoreApplication::processEvents();
    ExpectGeometry(&ExpectedControl::taller, "100 taller");

    QWidget* top = window->Widget();
    top->resize(300, 300);
    QCoreApplication::processEvents();
    EXPECT_EQ(window->ContentArea()->size(), QSize(500, 500));
    // Growing a shown window to the limit would paint 32000 by 32000 pixels.
    EXPECT_EQ(window->ContentArea()->maximumSize(), QSize(32000, 32000));
    // What the window manager is told: the limits with the menu bar added.
    const int menuBar = static_cast<QMainWindow*>(top)->menuBar()->height();
    ASSERT_GT(menuBar, 0);
    EXPECT_EQ(top->windowHandle()->minimumSize(), QSize(500, 500 + menuBar));
    EXPECT_EQ(top->windowHandle()->maximumSize(), QSize(32000, 32000 + menuBar));
}

// Six typed entries and Tab give the whole symmetric matrix: the walk passes
// over the lower triangle, which fills itself.
TEST_F(Window1Test, TabWalksTheUpperTriangleAndTypesATabInTheNotes) {
    ShowAndActivate(*window);
    // The window opens ready for the first entry.
    ASSERT_EQ(window->ControlByWidget(QApplication::focusWidget()), &window->TextField1());
    QStringList walked;
    const QStringList entries = {"1", "2", "3", "4", "5", "6"};
    for (const QString& entry : entries) {
        RectControl* focused = window->ControlByWidget(QApplication::focusWidget());
        walked << (focused != nullptr ? focused->Name() : QStringLiteral("?"));
        QTest::keyClicks(QApplication::focusWidget(), entry);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(walked, QStringList({"TextField1", "TextField2", "TextField3", "TextField5",
                                   "TextField6", "TextField9"}));
    EXPECT_EQ(window->ControlByWidget(QApplication::focusWidget()), &window->Listbox1());
    QStringList fields;
    for (int field = 1; field <= 9; ++field) fields << window->MatrixField(field).Text();
    EXPECT_EQ(fields, QStringList({"1", "2", "3", "2", "4", "5", "3", "5", "6"}));

    window->TextArea1().SetFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(window->TextArea1().Text(), QStringLiteral("\t"));
}

}  // namespace
