#pragma once

#include <exception>
#include <functional>

// The program's start-up, in its order: the exception wrapper, the framework
// version, the early start-up (high-resolution support, the framework's own
// classes with the GUI runtime, the text file type, the application object
// with its menu bar, the About handler), the late start-up that opens the main
// window, and the event loop.

// Runs the whole program on the process's arguments and gives its exit code.
// The program starts its own QApplication during start-up; one that exists
// already (a GUI test's) is used instead.
int RunProgram(int& argc, char** argv);

// Start-up and event loop; an exception that escapes them is reported and
// gives exit code 1.
int Main();

void EarlyStartup();
void InitFileTypes();
void NewAppInstance();
void ApplicationAddMenuHandlers();
void LateStartup();
void MakeDefaultView();

// The wrapper through which the framework runs every callback: returns the
// framework exception that escaped it; any other exception passes on.
std::exception_ptr CallFunctionWithExceptionHandling(const std::function<void()>& function);
