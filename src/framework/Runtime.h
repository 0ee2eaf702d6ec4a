#pragma once

#include <QString>
#include <exception>
#include <functional>

// The framework's runtime: the exception wrapper through which every callback
// into the program runs, the report of an exception that nothing caught, the
// GUI-thread check, and the process's start and end around the program's main.
class Runtime {
public:
    // Runs the given callback; gives back the exception that escaped it when
    // it is one of the framework's, or nothing. Other exceptions pass through.
    using ExceptionHelper = std::function<std::exception_ptr(const std::function<void()>&)>;

    static void SetExceptionHelper(ExceptionHelper helper);
    static void SetFrameworkVersion(double version);
    static double FrameworkVersion();

    // Runs a callback of the program. An exception that escapes it ends it and
    // is reported; nothing escapes Invoke. Returns false when one escaped.
    static bool Invoke(const std::function<void()>& callback);

    // Shows a message box naming the exception's class and its message.
    static void UnhandledException(std::exception_ptr exception) noexcept;

    // Raises ThreadAccessingUIException when called off the GUI thread.
    static void RequireGuiThread();

    // Keeps the process's arguments and the application's name, runs
    // programMain, closes every window, ends the GUI runtime and returns the
    // exit code. The GUI runtime starts later, in InitExternalClasses, once
    // programMain has made the settings that must come before it.
    static int Execute(int& argc, char** argv, const QString& applicationName,
                       const std::function<int()>& programMain);

    // Readies the framework's own classes: starts the GUI runtime on the kept
    // arguments, unless one is running already (a test's), and gives it the
    // application's name, which message boxes and untitled windows show.
    static void InitExternalClasses();
};
