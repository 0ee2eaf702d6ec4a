#include "framework/Application.h"

#include <QApplication>

namespace {

std::unique_ptr<Application>& RegisteredApp() {
    static std::unique_ptr<Application> app;
    return app;
}

}  // namespace

void Application::x_SetVersionData(std::int64_t majorVersion, std::int64_t minorVersion,
                                   std::int64_t bugVersion, std::int64_t nonReleaseVersion,
                                   std::int64_t stageCode, const QString& longVersion,
                                   const QString& shortVersion, const QString& packageInfo) {
    majorVersion_ = majorVersion;
    minorVersion_ = minorVersion;
    bugVersion_ = bugVersion;
    nonReleaseVersion_ = nonReleaseVersion;
    stageCode_ = stageCode;
    longVersion_ = longVersion;
    shortVersion_ = shortVersion;
    packageInfo_ = packageInfo;
}

void Application::AddMenuHandler(const QString& itemName, MenuHandlers::Handler handler) {
    menuHandlers_.Add(itemName, std::move(handler));
}

void Application::SetSupportsHiDPI(bool supports) {
    if (supports && QCoreApplication::instance() == nullptr) {
        QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
            Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    }
}

void Application::RuntimeRegisterAppObject(std::unique_ptr<Application> app) {
    RegisteredApp() = std::move(app);
}

Application* Application::GetAppObject() { return RegisteredApp().get(); }

void Application::RunFrameworkInitialization(const std::function<void()>& lateStartup) {
    lateStartup();
}

int Application::RuntimeRun() { return QApplication::exec(); }

// exit() rather than quit(): quit() would first ask every window to close.
void Application::Quit() { QCoreApplication::exit(0); }
