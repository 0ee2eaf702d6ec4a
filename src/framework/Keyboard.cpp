#include "framework/Keyboard.h"

#include <QGuiApplication>

namespace {

bool QueryAltKey() { return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::AltModifier); }

Keyboard::AltKeySource& Source() {
    static Keyboard::AltKeySource source = QueryAltKey;
    return source;
}

}  // namespace

bool Keyboard::AsyncAltKey() { return Source()(); }

Keyboard::AltKeySource Keyboard::SetAltKeySource(AltKeySource source) {
    AltKeySource previous = std::move(Source());
    Source() = source ? std::move(source) : AltKeySource(QueryAltKey);
    return previous;
}
