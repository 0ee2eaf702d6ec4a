#pragma once

#include <QPointer>
#include <QSize>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "framework/Cursors.h"
#include "framework/IllegalCastException.h"
#include "framework/MenuBar.h"
#include "framework/MenuHandlers.h"
#include "framework/NilObjectException.h"

class EventFilter;
class QEvent;
class QMainWindow;
class QWidget;
class RectControl;

// A top-level window. Positions of its controls are in its content area (below
// the menu bar), y growing downwards. The framework keeps the open windows,
// one record per window, found by class name; a window closed by the user is
// forgotten and destroyed. The window manager's close command on a window
// without a close button quits the application instead.
class Window {
public:
    explicit Window(QString className);
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    const QString& ClassName() const { return className_; }

    // The open window of that class, or nullptr.
    static Window* GetImplicitWindow(const QString& className);
    // Runs Layout, CreateControls and AddMenuHandlers, records the window among
    // the open ones, shows it when Visible and raises its controls' Open
    // events. A failure in a hook destroys the partly built window and passes on.
    static Window* Constructor(std::unique_ptr<Window> window);
    // The open window of class T (T::kClassName) or a newly built one.
    template <class T>
    static T* Obtain();
    static std::vector<Window*> OpenWindows();
    // Destroys every open window and every closed one not yet destroyed (at
    // the end of the run).
    static void CloseAll();

    std::int64_t Width() const;
    void Width(std::int64_t width);
    std::int64_t Height() const;
    void Height(std::int64_t height);
    void MinWidth(std::int64_t width);
    void MinHeight(std::int64_t height);
    void MaxWidth(std::int64_t width);
    void MaxHeight(std::int64_t height);
    QString Title() const;
    void Title(const QString& title);
    void CloseButton(bool hasButton);
    void Resizeable(bool resizeable);
    void MaximizeButton(bool hasButton);
    void MinimizeButton(bool hasButton);
    // 0 a document window, 3 a floating (dialog-like) window.
    void Frame(std::int64_t frame);
    // 0 where the system puts it, 1 centred over the window in front.
    void Placement(std::int64_t placement);
    bool Visible() const;
    void Visible(bool visible);
    void MenuBar(std::shared_ptr<::MenuBar> menuBar);
    const std::shared_ptr<::MenuBar>& MenuBar() const { return menuBar_; }
    void MouseCursor(Cursors cursor);
    Cursors MouseCursor() const { return cursor_; }
    void Show();
    void Close();

    // Creates a control of class T on this window and registers it under the name.
    template <class T>
    T& NewControl(const QString& name);
    void AddControl(std::unique_ptr<RectControl> control);
    RectControl* ControlByName(const QString& name) const;
    RectControl* ControlByWidget(const QWidget* widget) const;
    // The control of that name as a T; raises when there is none or it is no T.
    template <class T>
    T& Control(const QString& name) const;
    std::int64_t ControlCount() const { return static_cast<std::int64_t>(controls_.size()); }

    void AddMenuHandler(const QString& key, MenuHandlers::Handler handler);
    const MenuHandlers& Handlers() const { return menuHandlers_; }

    // The window's mouse events, in content-area coordinates. Drag and up
    // follow only a press for which MouseDown returned true.
    std::function<void(std::int64_t x, std::int64_t y)> MouseMove;
    std::function<bool(std::int64_t x, std::int64_t y)> MouseDown;
    std::function<void(std::int64_t x, std::int64_t y)> MouseDrag;
    std::function<void(std::int64_t x, std::int64_t y)> MouseUp;

    // The framework's side.
    QWidget* Widget() const;
    QWidget* ContentArea() const { return content_; }
    QSize ContentSize() const;
    void ContainerResized(const RectControl* container, QSize size);
    void PushDefaultButton();
    void MenuItemChosen(const MenuItem& item);

protected:
    virtual void Layout() {}
    virtual void CreateControls() {}
    virtual void AddMenuHandlers() {}

private:
    template <class T>
    static T* CheckCast(Window* window);

    void ApplyFlags();
    void ApplySizeLimits();
    void ApplySize();
    std::int64_t MenuBarHeight() const;
    void BuildQtMenuBar();
    void OrderTabs();
    void ShowWidget();
    void OpenControls();
    bool OnContentEvent(QEvent* event);
    bool OnTopLevelEvent(QEvent* event);
    void Forget();

    QString className_;
    QPointer<QMainWindow> top_;
    QWidget* content_ = nullptr;
    std::unique_ptr<EventFilter> topWatch_;
    std::unique_ptr<EventFilter> contentWatch_;
    std::vector<std::unique_ptr<RectControl>> controls_;
    std::shared_ptr<::MenuBar> menuBar_;
    MenuHandlers menuHandlers_;
    std::int64_t width_ = 100;
    std::int64_t height_ = 100;
    std::int64_t minWidth_ = 0;
    std::int64_t minHeight_ = 0;
    std::int64_t maxWidth_ = 32000;
    std::int64_t maxHeight_ = 32000;
    bool closeButton_ = true;
    bool resizeable_ = true;
    bool maximizeButton_ = true;
    bool minimizeButton_ = true;
    std::int64_t frame_ = 0;
    std::int64_t placement_ = 0;
    bool visible_ = true;
    bool pressTaken_ = false;
    bool placed_ = false;
    Cursors cursor_ = Cursors::StandardPointer;
};

template <class T>
T* Window::CheckCast(Window* window) {
    auto* typed = dynamic_cast<T*>(window);
    if (window != nullptr && typed == nullptr) {
        throw IllegalCastException("window " + window->ClassName().toStdString() +
                                   " is not of the class asked for");
    }
    return typed;
}

template <class T>
T* Window::Obtain() {
    if (Window* open = GetImplicitWindow(QString::fromUtf8(T::kClassName))) {
        return CheckCast<T>(open);
    }
    return CheckCast<T>(Constructor(std::make_unique<T>()));
}

template <class T>
T& Window::NewControl(const QString& name) {
    auto control = std::make_unique<T>(*this);
    T& created = *control;
    control->Name(name);
    AddControl(std::move(control));
    return created;
}

template <class T>
T& Window::Control(const QString& name) const {
    RectControl* control = ControlByName(name);
    if (control == nullptr) {
        throw NilObjectException("no control named " + name.toStdString());
    }
    auto* typed = dynamic_cast<T*>(control);
    if (typed == nullptr) {
        throw IllegalCastException("control " + name.toStdString() +
                                   " is not of the class asked for");
    }
    return *typed;
}
