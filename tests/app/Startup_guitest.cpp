#include <QTimer>

#include "app/App.h"
#include "app/FileTypes1.h"
#include "app/MainMenuBar.h"
#include "app/Startup.h"
#include "framework/GuiTestSupport.h"
#include "main_window/Window1.h"

namespace {

// What has been set up when the main window first shows itself.
class FirstShowWatcher : public QObject {
public:
    QStringList seen;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && seen.isEmpty() && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->windowTitle() == QStringLiteral("Vorlix")) {
            auto type = FileTypes1::Text();
            if (type && type->IsRegistered()) seen << QStringLiteral("file type registered");
            if (App() != nullptr && App()->MenuBar() == MainMenuBar()) {
                seen << QStringLiteral("application with its menu bar");
            }
            if (App() != nullptr && App()->Handlers().Has(QStringLiteral("WindowAboutVorlix"))) {
                seen << QStringLiteral("About handler");
            }
        }
        return false;
    }
};

using StartupTest = GuiTest;

TEST_F(StartupTest, RunsInOrderOpensTheMainWindowAndEndsFromExit) {
    FirstShowWatcher watcher;
    qApp->installEventFilter(&watcher);
    bool checked = false;
    QTimer::singleShot(0, [&] {
        class Window1* main = Window1();
        EXPECT_EQ(Window::OpenWindows().size(), 1u);
        EXPECT_EQ(main->MenuBar(), MainMenuBar());
        EXPECT_TRUE(main->Handlers().Has(QStringLiteral("FileSaveText")));
        EXPECT_TRUE(main->Handlers().Has(QStringLiteral("EditPasteMatrix")));
        checked = true;
        main->MenuItemChosen(main->FileQuit());
    });

    EXPECT_EQ(Main(), 0);
    qApp->removeEventFilter(&watcher);

    EXPECT_TRUE(checked);
    EXPECT_EQ(watcher.seen, QStringList({"file type registered", "application with its menu bar",
                                         "About handler"}));
    class App* app = App();
    ASSERT_NE(app, nullptr);
    EXPECT_EQ(app->MajorVersion(), 1);
    EXPECT_EQ(app->MinorVersion(), 1);
    EXPECT_EQ(app->BugVersion(), 0);
    EXPECT_EQ(app->NonReleaseVersion(), 0);
    EXPECT_EQ(app->StageCode(), 3);
    EXPECT_TRUE(app->LongVersion().startsWith(QStringLiteral("v. 1.1.0 ")));
    EXPECT_EQ(app->ShortVersion(), QStringLiteral("v. 1.1.0"));
    EXPECT_EQ(app->PackageInfo(), QString());

    ASSERT_EQ(FileTypes1::AllFileTypes().size(), 1u);
    EXPECT_EQ(FileTypes1::AllFileTypes()[0], FileTypes1::Text());
    EXPECT_EQ(FileType::Registrations().size(), 1u);
    EXPECT_EQ(static_cast<QString>(*FileTypes1::Text()), QStringLiteral("text/plain"));
    EXPECT_EQ(FileType::Registrations().size(), 1u);
    EXPECT_TRUE(FileTypes1::Text()->Imported());
    EXPECT_TRUE(FileTypes1::Text()->MimeType().isEmpty());
    EXPECT_TRUE(messages.isEmpty()) << messages.join("\n").toStdString();
}

}  // namespace
