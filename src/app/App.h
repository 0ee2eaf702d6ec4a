#pragma once

#include "framework/Application.h"

// The program's application object: version data, the menu bar, and the About
// command.
class App : public Application {
public:
    App() = default;

    // Shows the About window; true: the command was handled.
    bool WindowAboutVorlix_Action();
};

// The registered application object, or nullptr before it is registered.
class App* App();
