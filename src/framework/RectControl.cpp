#include "framework/RectControl.h"

#include <QWidget>

#include "framework/Window.h"

RectControl::RectControl(Window& window, QWidget* widget)
    : window_(window), widget_(widget), guard_(std::make_unique<QObject>()) {
    Runtime::RequireGuiThread();
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

std::int64_t RectControl::Left() const { return ParentOrigin().x() + current_.x(); }

void RectControl::Left(std::int64_t left) {
    QRect r = current_;
    r.moveLeft(static_cast<int>(left) - ParentOrigin().x());
    MoveTo(r);
}

std::int64_t RectControl::Top() const { return ParentOrigin().y() + current_.y(); }

void RectControl::Top(std::int64_t top) {
    QRect r = current_;
    r.moveTop(static_cast<int>(top) - ParentOrigin().y());
    MoveTo(r);
}

std::int64_t RectControl::Width() const { return current_.width(); }

void RectControl::Width(std::int64_t width) {
    QRect r = current_;
    r.setWidth(static_cast<int>(width));
    MoveTo(r);
}

std::int64_t RectControl::Height() const { return current_.height(); }

void RectControl::Height(std::int64_t height) {
    QRect r = current_;
    r.setHeight(static_cast<int>(height));
    MoveTo(r);
}

void RectControl::Parent(RectControl* container) {
    QWidget* widget = GuiWidget();
    const QPoint inWindow(static_cast<int>(Left()), static_cast<int>(Top()));
    parent_ = container;
    widget->setParent(container != nullptr ? container->Widget() : window_.ContentArea());
    widget->show();
    MoveTo(QRect(inWindow - ParentOrigin(), current_.size()));
}

void RectControl::SetFocus() { GuiWidget()->setFocus(Qt::OtherFocusReason); }

void RectControl::Bold(bool bold) {
    QWidget* widget = GuiWidget();
    QFont font = widget->font();
    font.setBold(bold);
    widget->setFont(font);
}

void RectControl::TextSize(std::int64_t size) {
    textSize_ = size;
    if (size <= 0) return;
    QWidget* widget = GuiWidget();
    QFont font = widget->font();
    font.setPixelSize(static_cast<int>(size));
    widget->setFont(font);
}

void RectControl::FollowContainer(QSize containerSize) {
    const int dx = containerSize.width() - anchorContainer_.width();
    const int dy = containerSize.height() - anchorContainer_.height();
    QRect r = anchor_;
    if (lockRight_) {
        if (lockLeft_) {
            r.setWidth(anchor_.width() + dx);
        } else {
            r.moveLeft(anchor_.left() + dx);
        }
    }
    if (lockBottom_) {
        if (lockTop_) {
            r.setHeight(anchor_.height() + dy);
        } else {
            r.moveTop(anchor_.top() + dy);
        }
    }
    current_ = r;
    Apply();
}

QWidget* RectControl::Widget() const { return widget_; }

QWidget* RectControl::GuiWidget() const {
    Runtime::RequireGuiThread();
    return widget_;
}

QPoint RectControl::ParentOrigin() const {
    if (parent_ == nullptr) return {0, 0};
    return {static_cast<int>(parent_->Left()), static_cast<int>(parent_->Top())};
}

QSize RectControl::ContainerSize() const {
    if (parent_ == nullptr) return window_.ContentSize();
    return parent_->current_.size();
}

void RectControl::MoveTo(QRect geometry) {
    Runtime::RequireGuiThread();
    anchor_ = geometry;
    anchorContainer_ = ContainerSize();
    current_ = geometry;
    Apply();
}

void RectControl::Apply() {
    if (!widget_) return;
    widget_->setGeometry(current_.x(), current_.y(), std::max(0, current_.width()),
                         std::max(0, current_.height()));
    window_.ContainerResized(this, current_.size());
    GeometryChanged();
}
