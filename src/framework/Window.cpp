#include "framework/Window.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <algorithm>
#include <map>

#include "framework/AppleMenuItem.h"
#include "framework/Application.h"
#include "framework/EventFilter.h"
#include "framework/MenuBarKeyboard.h"
#include "framework/PushButton.h"
#include "framework/QuitMenuItem.h"
#include "framework/RectControl.h"
#include "framework/Runtime.h"
#include "framework/StandardEditCommands.h"
#include "framework/TextField.h"

namespace {

using WindowRecords = std::vector<std::unique_ptr<Window>>;

// Never destroyed at exit: windows must go before the QApplication does, which
// CloseAll sees to.
GuiThreadOnly<WindowRecords>& OpenWindowRecords() {
    static auto* records = new GuiThreadOnly<WindowRecords>;
    return *records;
}

int ToInt(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, 0, QWIDGETSIZE_MAX));
}

}  // namespace

Window::State::State(QString name) : className(std::move(name)) {}

Window::Window(QString className) : state_(std::move(className)) {
    State& state = *state_;
    state.top = new QMainWindow;
    state.content = new QWidget(state.top);
    state.content->setMouseTracking(true);
    state.top->setCentralWidget(state.content);
    state.topWatch = std::make_unique<EventFilter>(
        state.top.data(), [this](QEvent* e) { return OnTopLevelEvent(e); });
    state.contentWatch = std::make_unique<EventFilter>(
        state.content, [this](QEvent* e) { return OnContentEvent(e); });
}

Window::~Window() {
    State& state = state_.Unchecked();
    state.controls.clear();
    state.contentWatch.reset();
    state.topWatch.reset();
    delete state.top.data();
}

Window* Window::GetImplicitWindow(const QString& className) {
    for (const auto& window : *OpenWindowRecords()) {
        if (window->ClassName() == className) return window.get();
    }
    return nullptr;
}

Window* Window::Constructor(std::unique_ptr<Window>&& window) {
    WindowRecords& records = *OpenWindowRecords();
    if (!window) throw NilObjectException("no window to construct");
    std::unique_ptr<Window> building = std::move(window);
    building->Layout();
    building->CreateControls();
    building->AddMenuHandlers();
    building->OrderTabs();
    Window* opened = building.get();
    records.push_back(std::move(building));
    if (opened->state_->visible) opened->ShowWidget();
    opened->OpenControls();
    return opened;
}

std::vector<Window*> Window::OpenWindows() {
    std::vector<Window*> windows;
    for (const auto& window : *OpenWindowRecords()) windows.push_back(window.get());
    return windows;
}

void Window::CloseAll() {
    // Destroying a window can make Qt move the focus; take the records out first.
    WindowRecords& records = *OpenWindowRecords();
    WindowRecords closing = std::move(records);
    records.clear();
    closing.clear();
    // Windows closed while no event loop ran are still waiting to be destroyed.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::int64_t Window::Width() const { return ContentSize().width(); }

void Window::Width(std::int64_t width) {
    state_->width = width;
    ApplySize();
}

std::int64_t Window::Height() const { return ContentSize().height(); }

void Window::Height(std::int64_t height) {
    state_->height = height;
    ApplySize();
}

void Window::MinWidth(std::int64_t width) {
    state_->minWidth = width;
    ApplySizeLimits();
}

void Window::MinHeight(std::int64_t height) {
    state_->minHeight = height;
    ApplySizeLimits();
}

void Window::MaxWidth(std::int64_t width) {
    state_->maxWidth = width;
    ApplySizeLimits();
}

void Window::MaxHeight(std::int64_t height) {
    state_->maxHeight = height;
    ApplySizeLimits();
}

QString Window::Title() const { return state_->top->windowTitle(); }

void Window::Title(const QString& title) { state_->top->setWindowTitle(title); }

void Window::CloseButton(bool hasButton) {
    state_->closeButton = hasButton;
    ApplyFlags();
}

void Window::Resizeable(bool resizeable) {
    state_->resizeable = resizeable;
    ApplySizeLimits();
    ApplyFlags();
}

void Window::MaximizeButton(bool hasButton) {
    state_->maximizeButton = hasButton;
    ApplyFlags();
}

void Window::MinimizeButton(bool hasButton) {
    state_->minimizeButton = hasButton;
    ApplyFlags();
}

void Window::Frame(std::int64_t frame) {
    state_->frame = frame;
    ApplyFlags();
}

void Window::Placement(std::int64_t placement) { state_->placement = placement; }

bool Window::Visible() const { return state_->top->isVisible(); }

void Window::Visible(bool visible) {
    State& state = *state_;
    state.visible = visible;
    if (!visible) {
        state.top->hide();
    } else if (GetImplicitWindow(state.className) == this) {
        ShowWidget();
    }
}

void Window::MenuBar(std::shared_ptr<::MenuBar> menuBar) {
    state_->menuBar = std::move(menuBar);
    BuildQtMenuBar();
    ApplySize();
}

void Window::MouseCursor(Cursors cursor) {
    State& state = *state_;
    state.cursor = cursor;
    state.content->setCursor(cursor == Cursors::SplitterNorthSouth ? Qt::SplitVCursor
                                                                   : Qt::ArrowCursor);
}

void Window::Show() {
    state_->visible = true;
    ShowWidget();
}

void Window::Close() { state_->top->close(); }

void Window::AddControl(std::unique_ptr<RectControl>&& control) {
    State& state = *state_;
    if (!control) throw NilObjectException("no control to add");
    state.controls.push_back(std::move(control));
}

RectControl* Window::ControlByName(const QString& name) const {
    for (const auto& control : state_->controls) {
        if (control->Name() == name) return control.get();
    }
    return nullptr;
}

RectControl* Window::ControlByWidget(const QWidget* widget) const {
    for (const auto& control : state_->controls) {
        if (control->Widget() == widget) return control.get();
    }
    return nullptr;
}

void Window::AddMenuHandler(const QString& key, MenuHandlers::Handler handler) {
    state_->menuHandlers.Add(key, std::move(handler));
}

QWidget* Window::Widget() const { return state_->top; }

QSize Window::ContentSize() const {
    const State& state = *state_;
    if (state.top->isVisible()) return state.content->size();
    return {ToInt(state.width), ToInt(state.height)};
}

void Window::ContainerResized(const RectControl* container, QSize size) {
    for (const auto& control : state_->controls) {
        if (control->Parent() == container) control->FollowContainer(size);
    }
}

void Window::PushDefaultButton() {
    for (const auto& control : state_->controls) {
        auto* button = dynamic_cast<PushButton*>(control.get());
        if (button != nullptr && button->Default()) {
            button->Push();
            return;
        }
    }
}

void Window::MenuItemChosen(const MenuItem& item) {
    const MenuHandlers& handlers = state_->menuHandlers;
    if (std::optional<bool> handled = handlers.Offer(item.Name()); handled && *handled) return;
    if (Application* app = Application::GetAppObject()) {
        if (std::optional<bool> handled = app->Handlers().Offer(item.Name()); handled && *handled) {
            return;
        }
    }
    if (handlers.Has(item.Name())) return;
    if (dynamic_cast<const QuitMenuItem*>(&item) != nullptr) {
        Application::Quit();
        return;
    }
    RunStandardEditCommand(item.Name(), *this);
}

void Window::ApplyFlags() {
    const State& state = *state_;
    Qt::WindowFlags flags = (state.frame == 3 ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint |
                            Qt::WindowTitleHint;
    if (state.closeButton) flags |= Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint;
    if (state.minimizeButton) flags |= Qt::WindowMinimizeButtonHint;
    if (state.maximizeButton && state.resizeable) flags |= Qt::WindowMaximizeButtonHint;
    if (!state.resizeable) flags |= Qt::MSWindowsFixedSizeDialogHint;
    const bool wasVisible = state.top->isVisible();
    state.top->setWindowFlags(flags);
    if (wasVisible) state.top->show();
}

// The window manager is told the limits of the whole window: those of the
// content area with the menu bar added.
void Window::ApplySizeLimits() {
    const State& state = *state_;
    const std::int64_t menuHeight = MenuBarHeight();
    if (state.resizeable) {
        state.content->setMinimumSize(ToInt(state.minWidth), ToInt(state.minHeight));
        state.content->setMaximumSize(ToInt(state.maxWidth), ToInt(state.maxHeight));
        state.top->setMinimumSize(ToInt(state.minWidth), ToInt(state.minHeight + menuHeight));
        state.top->setMaximumSize(ToInt(state.maxWidth), ToInt(state.maxHeight + menuHeight));
    } else {
        state.content->setFixedSize(ToInt(state.width), ToInt(state.height));
        state.top->setFixedSize(ToInt(state.width), ToInt(state.height + menuHeight));
    }
}

// The limits follow the size of a fixed window and the menu bar's height.
void Window::ApplySize() {
    ApplySizeLimits();
    const State& state = *state_;
    state.top->resize(ToInt(state.width), ToInt(state.height + MenuBarHeight()));
}

std::int64_t Window::MenuBarHeight() const {
    const QWidget* bar = state_->top->menuWidget();
    return bar != nullptr ? bar->sizeHint().height() : 0;
}

void Window::BuildQtMenuBar() {
    State& state = *state_;
    if (!state.menuBar) {
        state.top->setMenuBar(nullptr);
        return;
    }
    auto* bar = new QMenuBar(state.top);
    new MenuBarKeyboard(bar);  // owned by the bar
    for (std::int64_t m = 0; m < state.menuBar->Count(); ++m) {
        const MenuItem& menuItem = state.menuBar->Item(m);
        QMenu* menu = bar->addMenu(menuItem.Text());
        menu->menuAction()->setVisible(menuItem.Visible());
        for (std::int64_t i = 0; i < menuItem.Count(); ++i) {
            const MenuItem& item = menuItem.Item(i);
            if (item.IsSeparator()) {
                menu->addSeparator()->setVisible(item.Visible());
                continue;
            }
            QAction* action = menu->addAction(item.Text());
            action->setVisible(item.Visible());
            if (!item.KeyboardShortcut().isEmpty()) {
                action->setShortcut(
                    QKeySequence::fromString(item.KeyboardShortcut(), QKeySequence::PortableText));
            }
            if (dynamic_cast<const QuitMenuItem*>(&item) != nullptr) {
                action->setMenuRole(QAction::QuitRole);
            } else if (dynamic_cast<const AppleMenuItem*>(&item) != nullptr) {
                action->setMenuRole(QAction::AboutRole);
            } else {
                action->setMenuRole(QAction::NoRole);
            }
            QObject::connect(action, &QAction::triggered, state.top,
                             [this, &item] { MenuItemChosen(item); });
        }
    }
    state.top->setMenuBar(bar);
}

// Tab order: the controls of each parent by TabIndex, a container's own
// controls following the container.
void Window::OrderTabs() {
    const auto& controls = state_->controls;
    std::vector<RectControl*> chain;
    std::function<void(const RectControl*)> visit = [&](const RectControl* container) {
        std::vector<RectControl*> children;
        for (const auto& control : controls) {
            if (control->Parent() == container) children.push_back(control.get());
        }
        std::stable_sort(children.begin(), children.end(), [](RectControl* a, RectControl* b) {
            return a->TabIndex() < b->TabIndex();
        });
        for (RectControl* child : children) {
            if (child->Widget()->focusPolicy() & Qt::TabFocus) chain.push_back(child);
            visit(child);
        }
    };
    visit(nullptr);
    for (std::size_t i = 1; i < chain.size(); ++i) {
        QWidget::setTabOrder(chain[i - 1]->Widget(), chain[i]->Widget());
    }
    // A window opens ready for typing: in its first entry field by tab order.
    const auto firstField = std::find_if(chain.begin(), chain.end(), [](RectControl* control) {
        return dynamic_cast<TextField*>(control) != nullptr;
    });
    if (firstField != chain.end()) (*firstField)->Widget()->setFocus();
}

void Window::ShowWidget() {
    State& state = *state_;
    if (!state.placed && state.placement == 1) {
        const QWidget* front = QApplication::activeWindow();
        const QRect area =
            front != nullptr ? front->frameGeometry() : state.top->screen()->availableGeometry();
        QRect frame = state.top->frameGeometry();
        frame.moveCenter(area.center());
        state.top->move(frame.topLeft());
    }
    state.placed = true;
    state.top->show();
    state.top->raise();
    state.top->activateWindow();
}

void Window::OpenControls() {
    for (const auto& control : state_->controls) control->RaiseOpen();
}

bool Window::OnContentEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::Resize:
            ContainerResized(nullptr, state_->content->size());
            return false;
        // A quick second press reaches Qt as a double click; it is a press like any other.
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            const QPoint p = static_cast<QMouseEvent*>(event)->position().toPoint();
            bool taken = false;
            if (*MouseDown) Runtime::Invoke([&] { taken = (*MouseDown)(p.x(), p.y()); });
            state_->pressTaken = taken;
            return taken;
        }
        case QEvent::MouseMove: {
            const QPoint p = static_cast<QMouseEvent*>(event)->position().toPoint();
            if (state_->pressTaken) {
                if (*MouseDrag) Runtime::Invoke([&] { (*MouseDrag)(p.x(), p.y()); });
            } else if (*MouseMove) {
                Runtime::Invoke([&] { (*MouseMove)(p.x(), p.y()); });
            }
            return false;
        }
        case QEvent::MouseButtonRelease: {
            if (!state_->pressTaken) return false;
            state_->pressTaken = false;
            const QPoint p = static_cast<QMouseEvent*>(event)->position().toPoint();
            if (*MouseUp) Runtime::Invoke([&] { (*MouseUp)(p.x(), p.y()); });
            return true;
        }
        default:
            return false;
    }
}

bool Window::OnTopLevelEvent(QEvent* event) {
    if (event->type() != QEvent::Close) return false;
    // The window manager's close command (a spontaneous close) on a window
    // without a close button ends the program, as Exit does; the window stays
    // until then.
    if (event->spontaneous() && !state_->closeButton) {
        event->ignore();
        Application::Quit();
        return true;
    }
    Forget();
    return false;
}

// The window was closed: it is no longer open for the accessors at once, and
// is destroyed once the close event has been handled, at the latest when the
// event loop ends.
void Window::Forget() {
    WindowRecords& records = *OpenWindowRecords();
    auto found = std::find_if(records.begin(), records.end(),
                              [this](const auto& record) { return record.get() == this; });
    if (found == records.end()) return;
    Window* closing = found->release();
    records.erase(found);
    auto* reaper = new QObject;
    QObject::connect(reaper, &QObject::destroyed, [closing] { delete closing; });
    reaper->deleteLater();
}
