#pragma once

#include "framework/RectControl.h"

// A thin horizontal rule. Mouse events pass through it to the window, so the
// window's own mouse events see presses on and around it.
class Separator : public RectControl {
public:
    explicit Separator(Window& window);
};
