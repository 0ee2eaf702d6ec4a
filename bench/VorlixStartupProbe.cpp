// Vorlix's own start-up, quitting right after the first paint of the main
// window; the start-up benchmark measures it beside a bare window. The program
// starts its GUI runtime itself, and the quitter joins it then.
#include <QApplication>

#include "QuitOnFirstPaint.h"
#include "app/Startup.h"

namespace {

void WatchForFirstPaint() {
    static QuitOnFirstPaint quitter("Vorlix");
    qApp->installEventFilter(&quitter);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(WatchForFirstPaint)

int main(int argc, char** argv) { return RunProgram(argc, argv); }
