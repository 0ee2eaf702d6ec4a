#pragma once

#include <memory>

#include "framework/MenuBar.h"

// The program's one menu bar: File, Edit and Window. Commands reach their
// handlers by the entries' names.
class MainMenuBar : public MenuBar {
public:
    // Builds the three menus in their order on the bar.
    MainMenuBar();

    void Untitled0();
    void Untitled1();
    void Untitled2();

    // One entry of a menu, as the builders above give it.
    struct Entry;

private:
    void AddMenu(const char* name, const char* text);
    void AddItem(const char* menuName, const Entry& entry);
};

// The single menu bar, built on the first call.
std::shared_ptr<class MainMenuBar> MainMenuBar();
