#include "framework/GroupBox.h"

#include <QGroupBox>

GroupBox::GroupBox(Window& window) : RectControl(window, NewWidget<QGroupBox>()) {}

QString GroupBox::Caption() const { return Box()->title(); }

void GroupBox::Caption(const QString& caption) { Box()->setTitle(caption); }

QGroupBox* GroupBox::Box() const { return static_cast<QGroupBox*>(Widget()); }
