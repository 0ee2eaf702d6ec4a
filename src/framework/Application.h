#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "framework/MenuBar.h"
#include "framework/MenuHandlers.h"

// The application object: the program registers one; it holds the version
// data and the application's menu bar and handlers.
class Application {
public:
    Application() = default;
    virtual ~Application() = default;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    void x_SetVersionData(std::int64_t majorVersion, std::int64_t minorVersion,
                          std::int64_t bugVersion, std::int64_t nonReleaseVersion,
                          std::int64_t stageCode, const QString& longVersion,
                          const QString& shortVersion, const QString& packageInfo);
    std::int64_t MajorVersion() const { return majorVersion_; }
    std::int64_t MinorVersion() const { return minorVersion_; }
    std::int64_t BugVersion() const { return bugVersion_; }
    std::int64_t NonReleaseVersion() const { return nonReleaseVersion_; }
    std::int64_t StageCode() const { return stageCode_; }
    const QString& LongVersion() const { return longVersion_; }
    const QString& ShortVersion() const { return shortVersion_; }
    const QString& PackageInfo() const { return packageInfo_; }

    void MenuBar(std::shared_ptr<::MenuBar> menuBar) { menuBar_ = std::move(menuBar); }
    const std::shared_ptr<::MenuBar>& MenuBar() const { return menuBar_; }

    void AddMenuHandler(const QString& itemName, MenuHandlers::Handler handler);
    const MenuHandlers& Handlers() const { return menuHandlers_; }

    // Switches on high-resolution display support: called before the GUI
    // runtime starts, it has fractional screen scale factors applied as they
    // are (Qt 6 always scales by the screen's factor).
    static void SetSupportsHiDPI(bool supports);

    static void RuntimeRegisterAppObject(std::unique_ptr<Application> app);
    static Application* GetAppObject();

    // Completes the framework's start-up and calls the late start-up step once.
    static void RunFrameworkInitialization(const std::function<void()>& lateStartup);
    // The event loop; returns its exit code when the application quits.
    static int RuntimeRun();
    static void Quit();

private:
    std::int64_t majorVersion_ = 0;
    std::int64_t minorVersion_ = 0;
    std::int64_t bugVersion_ = 0;
    std::int64_t nonReleaseVersion_ = 0;
    std::int64_t stageCode_ = 0;
    QString longVersion_;
    QString shortVersion_;
    QString packageInfo_;
    std::shared_ptr<::MenuBar> menuBar_;
    MenuHandlers menuHandlers_;
};
