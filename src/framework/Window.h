#pragma once

#include <QPointer>
#include <QSize>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "framework/Cursors.h"
#include "framework/GuiThreadOnly.h"
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
// without a close button quits the application instead. Every operation, the
// static ones too, raises ThreadAccessingUIException off the GUI thread before
// it does anything.
class Window {
public:
    explicit Window(QString className);
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    const QString& ClassName() const { return state_->className; }

    // The open window of that class, or nullptr.
    static Window* GetImplicitWindow(const QString& className);
    // Runs Layout, CreateControls and AddMenuHandlers, records the window among
    // the open ones, shows it when Visible and raises its controls' Open
    // events. A failure in a hook destroys the partly built window and passes
    // on. Off the GUI thread the window stays with the caller.
    static Window* Constructor(std::unique_ptr<Window>&& window);
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
    const std::shared_ptr<::MenuBar>& MenuBar() const { return state_->menuBar; }
    void MouseCursor(Cursors cursor);
    Cursors MouseCursor() const { return state_->cursor; }
    void Show();
    void Close();

    // Creates a control of class T on this window and registers it under the name.
    template <class T>
    T& NewControl(const QString& name);
    // Off the GUI thread the control stays with the caller.
    void AddControl(std::unique_ptr<RectControl>&& control);
    RectControl* ControlByName(const QString& name) const;
    RectControl* ControlByWidget(const QWidget* widget) const;
    // The control of that name as a T; raises when there is none or it is no T.
    template <class T>
    T& Control(const QString& name) const;
    std::int64_t ControlCount() const { return static_cast<std::int64_t>(state_->controls.size()); }

    void AddMenuHandler(const QString& key, MenuHandlers::Handler handler);
    const MenuHandlers& Handlers() const { return state_->menuHandlers; }

    // The window's mouse events, in content-area coordinates. Drag and up
    // follow only a press for which MouseDown returned true.
    GuiThreadOnly<std::function<void(std::int64_t x, std::int64_t y)>> MouseMove;
    GuiThreadOnly<std::function<bool(std::int64_t x, std::int64_t y)>> MouseDown;
    GuiThreadOnly<std::function<void(std::int64_t x, std::int64_t y)>> MouseDrag;
    GuiThreadOnly<std::function<void(std::int64_t x, std::int64_t y)>> MouseUp;

    // The framework's side.
    QWidget* Widget() const;
    QWidget* ContentArea() const { return state_->content; }
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

    struct State {
        explicit State(QString name);

        QString className;
        QPointer<QMainWindow> top;
        QWidget* content = nullptr;
        std::unique_ptr<EventFilter> topWatch;
        std::unique_ptr<EventFilter> contentWatch;
        std::vector<std::unique_ptr<RectControl>> controls;
        std::shared_ptr<::MenuBar> menuBar;
        MenuHandlers menuHandlers;
        std::int64_t width = 100;
        std::int64_t height = 100;
        std::int64_t minWidth = 0;
        std::int64_t minHeight = 0;
        std::int64_t maxWidth = 32000;
        std::int64_t maxHeight = 32000;
        bool closeButton = true;
        bool resizeable = true;
        bool maximizeButton = true;
        bool minimizeButton = true;
        std::int64_t frame = 0;
        std::int64_t placement = 0;
        bool visible = true;
        bool pressTaken = false;
        bool placed = false;
        Cursors cursor = Cursors::StandardPointer;
    };

    GuiThreadOnly<State> state_;
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
