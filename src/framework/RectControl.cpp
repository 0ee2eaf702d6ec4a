#include "framework/RectControl.h"

#include <QWidget>

#include "framework/Window.h"

RectControl::State::State(Window& owner, QWidget* control)
    : window(owner), widget(control), guard(std::make_unique<QObject>()) {}

RectControl::RectControl(Window& window, QWidget* widget) : state_(window, widget) {
    widget->setParent(window.ContentArea());
    // A control shows its own cursor, never the one the window sets for its
    // content area (the splitter's).
    if (!widget->testAttribute(Qt::WA_SetCursor)) widget->setCursor(Qt::ArrowCursor);
    // An explicit weight keeps a bold group box from making its controls bold.
    QFont font = widget->font();
    font.setBold(false);
    widget->setFont(font);
    MoveTo(QRect(0, 0, 80, 22));
    widget->show();
}

RectControl::~RectControl() = default;

std::int64_t RectControl::Left() const { return ParentOrigin().x() + state_->current.x(); }

void RectControl::Left(std::int64_t left) {
    QRect r = state_->current;
    r.moveLeft(static_cast<int>(left) - ParentOrigin().x());
    MoveTo(r);
}

std::int64_t RectControl::Top() const { return ParentOrigin().y() + state_->current.y(); }

void RectControl::Top(std::int64_t top) {
    QRect r = state_->current;
    r.moveTop(static_cast<int>(top) - ParentOrigin().y());
    MoveTo(r);
}

std::int64_t RectControl::Width() const { return state_->current.width(); }

void RectControl::Width(std::int64_t width) {
    QRect r = state_->current;
    r.setWidth(static_cast<int>(width));
    MoveTo(r);
}

std::int64_t RectControl::Height() const { return state_->current.height(); }

void RectControl::Height(std::int64_t height) {
    QRect r = state_->current;
    r.setHeight(static_cast<int>(height));
    MoveTo(r);
}

void RectControl::Parent(RectControl* container) {
    State& state = *state_;
    const QPoint inWindow(static_cast<int>(Left()), static_cast<int>(Top()));
    state.parent = container;
    state.widget->setParent(container != nullptr ? container->Widget()
                                                 : state.window.ContentArea());
    state.widget->show();
    MoveTo(QRect(inWindow - ParentOrigin(), state.current.size()));
}

void RectControl::SetFocus() { Widget()->setFocus(Qt::OtherFocusReason); }

void RectControl::Bold(bool bold) {
    QWidget* widget = Widget();
    QFont font = widget->font();
    font.setBold(bold);
    widget->setFont(font);
}

void RectControl::TextSize(std::int64_t size) {
    State& state = *state_;
    state.textSize = size;
    if (size <= 0) return;
    QFont font = state.widget->font();
    font.setPixelSize(static_cast<int>(size));
    state.widget->setFont(font);
}

void RectControl::FollowContainer(QSize containerSize) {
    State& state = *state_;
    const int dx = containerSize.width() - state.anchorContainer.width();
    const int dy = containerSize.height() - state.anchorContainer.height();
    QRect r = state.anchor;
    if (state.lockRight) {
        if (state.lockLeft) {
            r.setWidth(state.anchor.width() + dx);
        } else {
            r.moveLeft(state.anchor.left() + dx);
        }
    }
    if (state.lockBottom) {
        if (state.lockTop) {
            r.setHeight(state.anchor.height() + dy);
        } else {
            r.moveTop(state.anchor.top() + dy);
        }
    }
    state.current = r;
    Apply();
}

void RectControl::RaiseOpen() {
    if (state_->widget) Opened();
}

QWidget* RectControl::Widget() const { return state_->widget; }

QPoint RectControl::ParentOrigin() const {
    const RectControl* parent = state_->parent;
    if (parent == nullptr) return {0, 0};
    return {static_cast<int>(parent->Left()), static_cast<int>(parent->Top())};
}

QSize RectControl::ContainerSize() const {
    const State& state = *state_;
    if (state.parent == nullptr) return state.window.ContentSize();
    return state.parent->state_->current.size();
}

void RectControl::MoveTo(QRect geometry) {
    State& state = *state_;
    state.anchor = geometry;
    state.anchorContainer = ContainerSize();
    state.current = geometry;
    Apply();
}

void RectControl::Apply() {
    const State& state = *state_;
    if (!state.widget) return;
    state.widget->setGeometry(state.current.x(), state.current.y(),
                              std::max(0, state.current.width()),
                              std::max(0, state.current.height()));
    state.window.ContainerResized(this, state.current.size());
    GeometryChanged();
}
