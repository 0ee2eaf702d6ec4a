#include "framework/Runtime.h"

#include <QApplication>
#include <QThread>
#include <cstdio>
#include <memory>
#include <typeinfo>

#include "framework/MsgBox.h"
#include "framework/RuntimeException.h"
#include "framework/ThreadAccessingUIException.h"
#include "framework/Window.h"

#ifdef __GNUG__
#include <cxxabi.h>

#include <cstdlib>
#endif

namespace {

Runtime::ExceptionHelper& InstalledHelper() {
    static Runtime::ExceptionHelper helper;
    return helper;
}

struct ProcessStart {
    int* argc = nullptr;
    char** argv = nullptr;
    QString applicationName;
    std::unique_ptr<QApplication> ownApplication;
};

ProcessStart& Started() {
    static ProcessStart start;
    return start;
}

double& StoredFrameworkVersion() {
    static double version = 0.0;
    return version;
}

QString ReadableTypeName(const std::type_info& type) {
#ifdef __GNUG__
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> demangled(
        abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), std::free);
    if (status == 0 && demangled) return QString::fromUtf8(demangled.get());
#endif
    return QString::fromUtf8(type.name());
}

QString ReportText(const QString& className, const QString& message) {
    QString text = QStringLiteral("An exception of class %1 was not handled.").arg(className);
    if (!message.isEmpty()) text += QStringLiteral("\n\n") + message;
    return text;
}

QString DescribeException(std::exception_ptr exception) {
    try {
        std::rethrow_exception(exception);
    } catch (const RuntimeException& e) {
        return ReportText(QString::fromUtf8(e.ClassName()), QString::fromStdString(e.Message()));
    } catch (const std::exception& e) {
        return ReportText(ReadableTypeName(typeid(e)), QString::fromUtf8(e.what()));
    } catch (...) {
        return ReportText(QStringLiteral("unknown"), QString());
    }
}

}  // namespace

void Runtime::SetExceptionHelper(ExceptionHelper helper) { InstalledHelper() = std::move(helper); }

void Runtime::SetFrameworkVersion(double version) { StoredFrameworkVersion() = version; }

double Runtime::FrameworkVersion() { return StoredFrameworkVersion(); }

bool Runtime::Invoke(const std::function<void()>& callback) {
    try {
        std::exception_ptr escaped;
        if (InstalledHelper()) {
            escaped = InstalledHelper()(callback);
        } else {
            callback();
        }
        if (escaped) {
            UnhandledException(escaped);
            return false;
        }
        return true;
    } catch (...) {
        UnhandledException(std::current_exception());
        return false;
    }
}

void Runtime::UnhandledException(std::exception_ptr exception) noexcept {
    try {
        const QString report = DescribeException(exception);
        // Before the GUI runtime has started there is no box to show it in.
        if (QCoreApplication::instance() == nullptr) {
            std::fprintf(stderr, "%s\n", report.toLocal8Bit().constData());
            return;
        }
        MsgBox(report);
    } catch (...) {
        // The report is the last resort; a failure inside it has nowhere to go.
    }
}

void Runtime::RequireGuiThread() {
    auto* app = QCoreApplication::instance();
    if (app != nullptr && QThread::currentThread() != app->thread()) {
        throw ThreadAccessingUIException("a window or control was used off the GUI thread");
    }
}

int Runtime::Execute(int& argc, char** argv, const QString& applicationName,
                     const std::function<int()>& programMain) {
    ProcessStart& start = Started();
    start.argc = &argc;
    start.argv = argv;
    start.applicationName = applicationName;
    const int exitCode = programMain();
    Window::CloseAll();
    start.ownApplication.reset();
    return exitCode;
}

void Runtime::InitExternalClasses() {
    ProcessStart& start = Started();
    if (QCoreApplication::instance() == nullptr) {
        static int noArgumentCount = 0;
        static char* noArguments[] = {nullptr};
        int& argc = start.argc != nullptr ? *start.argc : noArgumentCount;
        char** argv = start.argv != nullptr ? start.argv : noArguments;
        start.ownApplication = std::make_unique<QApplication>(argc, argv);
    }
    if (!start.applicationName.isEmpty()) {
        QCoreApplication::setApplicationName(start.applicationName);
    }
}
