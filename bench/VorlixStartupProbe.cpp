// Vorlix's own start-up, in this process, quitting right after the first paint
// of the main window; the start-up benchmark measures it beside a bare window.
#include <QApplication>

#include "QuitOnFirstPaint.h"
#include "app/Startup.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QuitOnFirstPaint quitter("Vorlix");
    app.installEventFilter(&quitter);
    return RunProgram(argc, argv);
}
