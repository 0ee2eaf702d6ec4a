#pragma once

#include <QPointer>
#include <QRect>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

#include "framework/GuiThreadOnly.h"
#include "framework/Runtime.h"

class QObject;
class QWidget;
class Window;

// A control placed in a window. Left and Top are in the window's content area
// whatever the control's parent; locked edges keep their distance to the same
// edge of the parent when the parent is resized. The window owns its controls.
// Every operation raises ThreadAccessingUIException off the GUI thread before
// it does anything; so does building a control, before its widget exists.
class RectControl {
public:
    // An event of a control of class C: the program's handler, or none.
    template <class C>
    using Event = GuiThreadOnly<std::function<void(C&)>>;

    RectControl(Window& window, QWidget* widget);
    virtual ~RectControl();
    RectControl(const RectControl&) = delete;
    RectControl& operator=(const RectControl&) = delete;

    const QString& Name() const { return state_->name; }
    void Name(const QString& name) { state_->name = name; }
    Window& TrueWindow() const { return state_->window; }

    std::int64_t Left() const;
    void Left(std::int64_t left);
    std::int64_t Top() const;
    void Top(std::int64_t top);
    std::int64_t Width() const;
    void Width(std::int64_t width);
    std::int64_t Height() const;
    void Height(std::int64_t height);

    bool LockLeft() const { return state_->lockLeft; }
    void LockLeft(bool locked) { state_->lockLeft = locked; }
    bool LockTop() const { return state_->lockTop; }
    void LockTop(bool locked) { state_->lockTop = locked; }
    bool LockRight() const { return state_->lockRight; }
    void LockRight(bool locked) { state_->lockRight = locked; }
    bool LockBottom() const { return state_->lockBottom; }
    void LockBottom(bool locked) { state_->lockBottom = locked; }

    std::int64_t TabIndex() const { return state_->tabIndex; }
    void TabIndex(std::int64_t index) { state_->tabIndex = index; }

    // The enclosing control (a group box), or nullptr for the window itself.
    // Setting it keeps the control where it is in the window.
    RectControl* Parent() const { return state_->parent; }
    void Parent(RectControl* container);

    void SetFocus();
    void Bold(bool bold);
    // In the window's layout units (pixels), like positions; 0 keeps the
    // system's size.
    void TextSize(std::int64_t size);
    std::int64_t TextSize() const { return state_->textSize; }

    // The framework's side.
    QWidget* Widget() const;
    void FollowContainer(QSize containerSize);
    // Raises the control's Open event, for the kinds that have one.
    void RaiseOpen();

protected:
    // Creates the control's widget. Off the GUI thread it raises before any
    // widget exists.
    template <class W>
    static W* NewWidget() {
        Runtime::RequireGuiThread();
        return new W;
    }
    // Called after the control was moved or resized.
    virtual void GeometryChanged() {}
    // Called once its window has opened.
    virtual void Opened() {}
    // Context of the control's signal connections: they end with the control.
    QObject* Guard() const { return state_->guard.get(); }

    template <class C>
    static void Fire(const Event<C>& event, C& control) {
        const std::function<void(C&)>& handler = *event;
        if (handler) Runtime::Invoke([&] { handler(control); });
    }

private:
    QPoint ParentOrigin() const;
    QSize ContainerSize() const;
    void MoveTo(QRect geometry);
    void Apply();

    struct State {
        State(Window& owner, QWidget* control);

        Window& window;
        QPointer<QWidget> widget;
        std::unique_ptr<QObject> guard;
        QString name;
        RectControl* parent = nullptr;
        // The geometry in the parent, as last set, and the parent's size then.
        QRect anchor;
        QSize anchorContainer;
        QRect current;
        bool lockLeft = true;
        bool lockTop = true;
        bool lockRight = false;
        bool lockBottom = false;
        std::int64_t tabIndex = 0;
        std::int64_t textSize = 0;
    };

    GuiThreadOnly<State> state_;
};
