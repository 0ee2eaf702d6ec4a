#include "framework/Keyboard.h"

#include <QGuiApplication>
#include <QKeyEvent>

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

bool Keyboard::IsAltCharacter(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    return modifiers.testFlag(Qt::AltModifier) && !modifiers.testFlag(Qt::ControlModifier) &&
           !event.text().isEmpty() && event.text().at(0).isPrint();
}
