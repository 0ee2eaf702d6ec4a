#pragma once

#include <QPointer>
#include <QRect>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

#include "framework/Runtime.h"

class QObject;
class QWidget;
class Window;

// A control placed in a window. Left and Top are in the window's content area
// whatever the control's parent; locked edges keep their distance to the same
// edge of the parent when the parent is resized. The window owns its controls.
class RectControl {
public:
    RectControl(Window& window, QWidget* widget);
    virtual ~RectControl();
    RectControl(const RectControl&) = delete;
    RectControl& operator=(const RectControl&) = delete;

    const QString& Name() const { return name_; }
    void Name(const QString& name) { name_ = name; }
    Window& TrueWindow() const { return window_; }

    std::int64_t Left() const;
    void Left(std::int64_t left);
    std::int64_t Top() const;
    void Top(std::int64_t top);
    std::int64_t Width() const;
    void Width(std::int64_t width);
    std::int64_t Height() const;
    void Height(std::int64_t height);

    bool LockLeft() const { return lockLeft_; }
    void LockLeft(bool locked) { lockLeft_ = locked; }
    bool LockTop() const { return lockTop_; }
    void LockTop(bool locked) { lockTop_ = locked; }
    bool LockRight() const { return lockRight_; }
    void LockRight(bool locked) { lockRight_ = locked; }
    bool LockBottom() const { return lockBottom_; }
    void LockBottom(bool locked) { lockBottom_ = locked; }

    std::int64_t TabIndex() const { return tabIndex_; }
    void TabIndex(std::int64_t index) { tabIndex_ = index; }

    // The enclosing control (a group box), or nullptr for the window itself.
    // Setting it keeps the control where it is in the window.
    RectControl* Parent() const { return parent_; }
    void Parent(RectControl* container);

    void SetFocus();
    void Bold(bool bold);
    // In the window's layout units (pixels), like positions; 0 keeps the
    // system's size.
    void TextSize(std::int64_t size);
    std::int64_t TextSize() const { return textSize_; }

    // The framework's side.
    QWidget* Widget() const;
    void FollowContainer(QSize containerSize);
    virtual void RaiseOpen() {}

protected:
    // Creates the control's widget. Off the GUI thread it raises before any
    // widget exists.
    template <class W>
    static W* NewWidget() {
        Runtime::RequireGuiThread();
        return new W;
    }
    // The widget, for operations that must run on the GUI thread.
    QWidget* GuiWidget() const;
    // Called after the control was moved or resized.
    virtual void GeometryChanged() {}
    // Context of the control's signal connections: they end with the control.
    QObject* Guard() const { return guard_.get(); }

    template <class C>
    static void Fire(const std::function<void(C&)>& handler, C& control) {
        if (handler) Runtime::Invoke([&] { handler(control); });
    }

private:
    QPoint ParentOrigin() const;
    QSize ContainerSize() const;
    void MoveTo(QRect geometry);
    void Apply();

    Window& window_;
    QPointer<QWidget> widget_;
    std::unique_ptr<QObject> guard_;
    QString name_;
    RectControl* parent_ = nullptr;
    // The geometry in the parent, as last set, and the parent's size then.
    QRect anchor_;
    QSize anchorContainer_;
    QRect current_;
    bool lockLeft_ = true;
    bool lockTop_ = true;
    bool lockRight_ = false;
    bool lockBottom_ = false;
    std::int64_t tabIndex_ = 0;
    std::int64_t textSize_ = 0;
};
