#include <QWindow>

#include "app/Aboutwindow.h"
#include "app/App.h"
#include "framework/GuiTestSupport.h"

namespace {

using AboutwindowTest = GuiTest;

int OpenAboutWindows() {
    int count = 0;
    for (Window* window : Window::OpenWindows()) {
        if (window->ClassName() == QStringLiteral("Aboutwindow.Aboutwindow")) ++count;
    }
    return count;
}

TEST_F(AboutwindowTest, OneAtATimeAndBuiltAnewAfterClosing) {
    class App app;
    EXPECT_TRUE(app.WindowAboutVorlix_Action());
    class Aboutwindow* first = Aboutwindow();
    EXPECT_TRUE(app.WindowAboutVorlix_Action());
    EXPECT_EQ(Aboutwindow(), first);
    EXPECT_EQ(OpenAboutWindows(), 1);
    EXPECT_EQ(first->ControlCount(), 5);
    EXPECT_TRUE(first->Visible());

    first->Close();
    EXPECT_EQ(OpenAboutWindows(), 0);
    QCoreApplication::processEvents();
    EXPECT_TRUE(app.WindowAboutVorlix_Action());
    EXPECT_EQ(OpenAboutWindows(), 1);
    EXPECT_EQ(Aboutwindow()->Label2().Text(), QStringLiteral("v. 1.1.0"));
}

TEST_F(AboutwindowTest, FixedSizeWithACloseButtonAndTheDesignsLabels) {
    class Aboutwindow* about = Aboutwindow();
    EXPECT_EQ(about->Title(), QStringLiteral("About"));
    EXPECT_EQ(about->ContentArea()->size(), QSize(318, 318));
    // What the window manager is told: the whole window is fixed.
    const QWindow* shown = about->Widget()->windowHandle();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->minimumSize(), QSize(318, 318));
    EXPECT_EQ(shown->maximumSize(), QSize(318, 318));
    const Qt::WindowFlags flags = about->Widget()->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));

    const struct {
        Label& label;
        int top, height;
    } labels[] = {{about->Label1(), 30, 27},
                  {about->Label2(), 69, 20},
                  {about->Label3(), 101, 20},
                  {about->Label4(), 121, 20},
                  {about->Label5(), 173, 145}};
    for (const auto& expected : labels) {
        EXPECT_EQ(QRect(expected.label.Left(), expected.label.Top(), expected.label.Width(),
                        expected.label.Height()),
                  QRect(20, expected.top, 278, expected.height))
            << expected.label.Name().toStdString();
    }
    EXPECT_EQ(about->Label1().Text(), QStringLiteral("Vorlix"));
    EXPECT_TRUE(about->Label5().Text().startsWith("A simple program to calculate eigenvalues"));
    EXPECT_TRUE(
        about->Label5().Text().endsWith("The invariants of the matrix are also calculated."));
}

}  // namespace
