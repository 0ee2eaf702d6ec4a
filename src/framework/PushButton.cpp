#include "framework/PushButton.h"

#include <QPushButton>

PushButton::PushButton(Window& window) : RectControl(window, NewWidget<QPushButton>()) {
    QObject::connect(Button(), &QPushButton::clicked, Guard(), [this] { Fire(Action, *this); });
}

QString PushButton::Caption() const { return Button()->text(); }

void PushButton::Caption(const QString& caption) { Button()->setText(caption); }

void PushButton::Default(bool isDefault) {
    state_->isDefault = isDefault;
    Button()->setDefault(isDefault);
}

void PushButton::Push() {
    QPushButton* button = Button();
    if (button->isEnabled() && button->isVisible()) button->click();
}

QPushButton* PushButton::Button() const { return static_cast<QPushButton*>(Widget()); }
