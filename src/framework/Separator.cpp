#include "framework/Separator.h"

#include <QFrame>

#include "framework/Runtime.h"

namespace {

QFrame* NewRule() {
    Runtime::RequireGuiThread();
    auto* rule = new QFrame;
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setAttribute(Qt::WA_TransparentForMouseEvents);
    rule->setFocusPolicy(Qt::NoFocus);
    return rule;
}

}  // namespace

Separator::Separator(Window& window) : RectControl(window, NewRule()) {}
