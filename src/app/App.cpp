#include "app/App.h"

#include "app/Aboutwindow.h"
#include "framework/NilObjectException.h"

bool App::WindowAboutVorlix_Action() {
    class Aboutwindow* about = Aboutwindow();
    if (about == nullptr) throw NilObjectException("no About window");
    about->Show();
    return true;
}

class App* App() {
    return dynamic_cast<class App*>(Application::GetAppObject());
}
