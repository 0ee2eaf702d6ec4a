#pragma once

#include <functional>

// The state of the keyboard at this moment, not of the event being handled.
class Keyboard {
public:
    static bool AsyncAltKey();

    // The one place where the Alt key is read; a test installs its own source.
    // Returns the source it replaces.
    using AltKeySource = std::function<bool()>;
    static AltKeySource SetAltKeySource(AltKeySource source);
};
