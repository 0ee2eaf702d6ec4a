#pragma once

#include <functional>

class QKeyEvent;

// The state of the keyboard at this moment, not of the event being handled.
class Keyboard {
public:
    static bool AsyncAltKey();

    // The one place where the Alt key is read; a test installs its own source.
    // Returns the source it replaces.
    using AltKeySource = std::function<bool()>;
    static AltKeySource SetAltKeySource(AltKeySource source);

    // A character typed with Alt held is a menu key, never text. AltGr stays
    // text: where a platform reports it as Ctrl+Alt, Ctrl is held as well.
    static bool IsAltCharacter(const QKeyEvent& event);
};
