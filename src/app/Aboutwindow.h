#pragma once

#include "framework/Label.h"
#include "framework/Window.h"

// The About window: the program's name, version, credits and what it computes.
class Aboutwindow : public Window {
public:
    static constexpr const char* kClassName = "Aboutwindow.Aboutwindow";

    Aboutwindow();

    Label& Label1() const { return Control<Label>("Label1"); }
    Label& Label2() const { return Control<Label>("Label2"); }
    Label& Label3() const { return Control<Label>("Label3"); }
    Label& Label4() const { return Control<Label>("Label4"); }
    Label& Label5() const { return Control<Label>("Label5"); }

protected:
    void Layout() override;
    void CreateControls() override;

private:
    void CreateControls0();
};

// The open About window, or a newly built one; it is not shown here.
class Aboutwindow* Aboutwindow();
