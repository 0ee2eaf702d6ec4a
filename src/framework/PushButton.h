#pragma once

#include <QString>
#include <functional>

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
    bool Default() const { return default_; }
    void Default(bool isDefault);

    // Presses the button as a click does.
    void Push();

    std::function<void(PushButton&)> Action;

private:
    QPushButton* Button() const;

    bool default_ = false;
};
