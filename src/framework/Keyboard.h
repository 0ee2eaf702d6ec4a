#pragma once

#include <functional>

class QKeyEvent;

// The Alt key, as the program reads it.
class Keyboard {
public:
    // Whether Alt is held down at this moment, whatever the modifiers of the
    // event being handled say.
    static bool AsyncAltKey();

    // Where AsyncAltKey reads the key; a test installs its own source.
    // Returns the source it replaces.
    using AltKeySource = std::function<bool()>;
    static AltKeySource SetAltKeySource(AltKeySource source);

    // Whether the event, by its own modifiers, types a character with Alt
    // held: a menu key, never text. AltGr stays text: where a platform reports
    // it as Ctrl+Alt, Ctrl is held as well.
    static bool IsAltCharacter(const QKeyEvent& event);
};
