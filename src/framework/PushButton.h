#pragma once

#include <QString>

#include "framework/RectControl.h"

class QPushButton;

// A push button: Action on a click, on Space, and, for the window's default
// button, on Return or Enter in it, in a single-line field or in the list of
// the window.
class PushButton : public RectControl {
public:
    explicit PushButton(Window& window);

    QString Caption() const;
    void Caption(const QString& caption);
    bool Default() const { return state_->isDefault; }
    void Default(bool isDefault);

    // Presses the button as a click does.
    void Push();

    Event<PushButton> Action;

private:
    QPushButton* Button() const;

    struct State {
        bool isDefault = false;
    };

    GuiThreadOnly<State> state_;
};
