#include "app/Startup.h"

#include "app/App.h"
#include "app/FileTypes1.h"
#include "app/MainMenuBar.h"
#include "framework/NilObjectException.h"
#include "framework/Runtime.h"
#include "main_window/Window1.h"

namespace {

constexpr double kFrameworkVersion = 2019.011;

}  // namespace

int RunProgram(int& argc, char** argv) {
    return Runtime::Execute(argc, argv, QStringLiteral("Vorlix"), Main);
}

int Main() {
    try {
        Runtime::SetExceptionHelper(CallFunctionWithExceptionHandling);
        Runtime::SetFrameworkVersion(kFrameworkVersion);
        EarlyStartup();
        Application::RunFrameworkInitialization(LateStartup);
        return Application::RuntimeRun();
    } catch (...) {
        Runtime::UnhandledException(std::current_exception());
        return 1;
    }
}

void EarlyStartup() {
    Application::SetSupportsHiDPI(true);
    Runtime::InitExternalClasses();
    InitFileTypes();
    NewAppInstance();
    ApplicationAddMenuHandlers();
}

void InitFileTypes() { FileTypes1::Initialize(); }

void NewAppInstance() {
    auto app = std::make_unique<class App>();
    app->x_SetVersionData(1, 1, 0, 0, 3,
                          QStringLiteral("v. 1.1.0 Eigenvalues, eigenvectors, trend and plunge"),
                          QStringLiteral("v. 1.1.0"), QString());
    app->MenuBar(MainMenuBar());
    Application::RuntimeRegisterAppObject(std::move(app));
}

void ApplicationAddMenuHandlers() {
    class App* app = App();
    if (app == nullptr) throw NilObjectException("no application object");
    app->AddMenuHandler(QStringLiteral("WindowAboutVorlix"),
                        [app] { return app->WindowAboutVorlix_Action(); });
}

void LateStartup() { MakeDefaultView(); }

void MakeDefaultView() { Window1(); }

std::exception_ptr CallFunctionWithExceptionHandling(const std::function<void()>& function) {
    try {
        function();
    } catch (const RuntimeException&) {
        return std::current_exception();
    }
    return nullptr;
}
