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

// Never destroyed at exit: windows must go before the QApplication does, which
// CloseAll sees to.
std::vector<std::unique_ptr<Window>>& OpenWindowRecords() {
    static auto* records = new std::vector<std::unique_ptr<Window>>;
    return *records;
}

int ToInt(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, 0, QWIDGETSIZE_MAX));
}

}  // namespace

Window::Window(QString className) : className_(std::move(className)) {
    Runtime::RequireGuiThread();
    top_ = new QMainWindow;
    content_ = new QWidget(top_);
    content_->setMouseTracking(true);
    top_->setCentralWidget(content_);
    topWatch_ = std::make_unique<EventFilter>(top_.data(),
                                              [this](QEvent* e) { return OnTopLevelEvent(e); });
    contentWatch_ =
        std::make_unique<EventFilter>(content_, [this](QEvent* e) { return OnContentEvent(e); });
}

Window::~Window() {
    controls_.clear();
    contentWatch_.reset();
    topWatch_.reset();
    delete top_.data();
}

Window* Window::GetImplicitWindow(const QString& className) {
    for (const auto& window : OpenWindowRecords()) {
        if (window->ClassName() == className) return window.get();
    }
    return nullptr;
}

Window* Window::Constructor(std::unique_ptr<Window> window) {
    Runtime::RequireGuiThread();
    if (!window) throw NilObjectException("no window to construct");
    window->Layout();
    window->CreateControls();
    window->AddMenuHandlers();
    window->OrderTabs();
    Window* opened = window.get();
    OpenWindowRecords().push_back(std::move(window));
    if (opened->visible_) opened->ShowWidget();
    opened->OpenControls();
    return opened;
}

std::vector<Window*> Window::OpenWindows() {
    std::vector<Window*> windows;
    for (const auto& window : OpenWindowRecords()) windows.push_back(window.get());
    return windows;
}

void Window::CloseAll() {
    // Destroying a window can make Qt move the focus; take the records out first.
    auto closing = std::move(OpenWindowRecords());
    OpenWindowRecords().clear();
    closing.clear();
    // Windows closed while no event loop ran are still waiting to be destroyed.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::int64_t Window::Width() const { return ContentSize().width(); }

void Window::Width(std::int64_t width) {
    Runtime::RequireGuiThread();
    width_ = width;
    ApplySize();
}

std::int64_t Window::Height() const { return ContentSize().height(); }

void Window::Height(std::int64_t height) {
    Runtime::RequireGuiThread();
    height_ = height;
    ApplySize();
}

void Window::MinWidth(std::int64_t width) {
    minWidth_ = width;
    ApplySizeLimits();
}

void Window::MinHeight(std::int64_t height) {
    minHeight_ = height;
    ApplySizeLimits();
}

void Window::MaxWidth(std::int64_t width) {
    maxWidth_ = width;
    ApplySizeLimits();
}

void Window::MaxHeight(std::int64_t height) {
    maxHeight_ = height;
    ApplySizeLimits();
}

QString Window::Title() const { return top_->windowTitle(); }

void Window::Title(const QString& title) {
    Runtime::RequireGuiThread();
    top_->setWindowTitle(title);
}

void Window::CloseButton(bool hasButton) {
    closeButton_ = hasButton;
    ApplyFlags();
}

void Window::Resizeable(bool resizeable) {
    resizeable_ = resizeable;
    ApplySizeLimits();
    ApplyFlags();
}

void Window::MaximizeButton(bool hasButton) {
    maximizeButton_ = hasButton;
    ApplyFlags();
}

void Window::MinimizeButton(bool hasButton) {
    minimizeButton_ = hasButton;
    ApplyFlags();
}

void Window::Frame(std::int64_t frame) {
    frame_ = frame;
    ApplyFlags();
}

void Window::Placement(std::int64_t placement) { placement_ = placement; }

bool Window::Visible() const { return top_->isVisible(); }

void Window::Visible(bool visible) {
    Runtime::RequireGuiThread();
    visible_ = visible;
    if (!visible) {
        top_->hide();
    } else if (GetImplicitWindow(className_) == this) {
        ShowWidget();
    }
}

void Window::MenuBar(std::shared_ptr<::MenuBar> menuBar) {
    Runtime::RequireGuiThread();
    menuBar_ = std::move(menuBar);
    BuildQtMenuBar();
    ApplySize();
}

void Window::MouseCursor(Cursors cursor) {
    Runtime::RequireGuiThread();
    cursor_ = cursor;
    content_->setCursor(cursor == Cursors::SplitterNorthSouth ? Qt::SplitVCursor : Qt::ArrowCursor);
}

void Window::Show() {
    Runtime::RequireGuiThread();
    visible_ = true;
    ShowWidget();
}

void Window::Close() {
    Runtime::RequireGuiThread();
    top_->close();
}

void Window::AddControl(std::unique_ptr<RectControl> control) {
    Runtime::RequireGuiThread();
    if (!control) throw NilObjectException("no control to add");
    controls_.push_back(std::move(control));
}

RectControl* Window::ControlByName(const QString& name) const {
    Runtime::RequireGuiThread();
    for (const auto& control : controls_) {
        if (control->Name() == name) return control.get();
    }
    return nullptr;
}

RectControl* Window::ControlByWidget(const QWidget* widget) const {
    for (const auto& control : controls_) {
        if (control->Widget() == widget) return control.get();
    }
    return nullptr;
}

void Window::AddMenuHandler(const QString& key, MenuHandlers::Handler handler) {
    menuHandlers_.Add(key, std::move(handler));
}

QWidget* Window::Widget() const { return top_; }

QSize Window::ContentSize() const {
    if (top_->isVisible()) return content_->size();
    return {ToInt(width_), ToInt(height_)};
}

void Window::ContainerResized(const RectControl* container, QSize size) {
    for (const auto& control : controls_) {
        if (control->Parent() == container) control->FollowContainer(size);
    }
}

void Window::PushDefaultButton() {
    for (const auto& control : controls_) {
        auto* button = dynamic_cast<PushButton*>(control.get());
        if (button != nullptr && button->Default()) {
            button->Push();
            return;
        }
    }
}

void Window::MenuItemChosen(const MenuItem& item) {
    if (std::optional<bool> handled = menuHandlers_.Offer(item.Name()); handled && *handled) return;
    if (Application* app = Application::GetAppObject()) {
        if (std::optional<bool> handled = app->Handlers().Offer(item.Name()); handled && *handled) {
            return;
        }
    }
    if (menuHandlers_.Has(item.Name())) return;
    if (dynamic_cast<const QuitMenuItem*>(&item) != nullptr) {
        Application::Quit();
        return;
    }
    RunStandardEditCommand(item.Name(), *this);
}

void Window::ApplyFlags() {
    Qt::WindowFlags flags =
        (frame_ == 3 ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (closeButton_) flags |= Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint;
    if (minimizeButton_) flags |= Qt::WindowMinimizeButtonHint;
    if (maximizeButton_ && resizeable_) flags |= Qt::WindowMaximizeButtonHint;
    if (!resizeable_) flags |= Qt::MSWindowsFixedSizeDialogHint;
    const bool wasVisible = top_->isVisible();
    top_->setWindowFlags(flags);
    if (wasVisible) top_->show();
}

// The window manager is told the limits of the whole window: those of the
// content area with the menu bar added.
void Window::ApplySizeLimits() {
    Runtime::RequireGuiThread();
    const std::int64_t menuHeight = MenuBarHeight();
    if (resizeable_) {
        content_->setMinimumSize(ToInt(minWidth_), ToInt(minHeight_));
        content_->setMaximumSize(ToInt(maxWidth_), ToInt(maxHeight_));
        top_->setMinimumSize(ToInt(minWidth_), ToInt(minHeight_ + menuHeight));
        top_->setMaximumSize(ToInt(maxWidth_), ToInt(maxHeight_ + menuHeight));
    } else {
        content_->setFixedSize(ToInt(width_), ToInt(height_));
        top_->setFixedSize(ToInt(width_), ToInt(height_ + menuHeight));
    }
}

// The limits follow the size of a fixed window and the menu bar's height.
void Window::ApplySize() {
    ApplySizeLimits();
    top_->resize(ToInt(width_), ToInt(height_ + MenuBarHeight()));
}

std::int64_t Window::MenuBarHeight() const {
    return top_->menuWidget() != nullptr ? top_->menuWidget()->sizeHint().height() : 0;
}

void Window::BuildQtMenuBar() {
    if (!menuBar_) {
        top_->setMenuBar(nullptr);
        return;
    }
    auto* bar = new QMenuBar(top_);
    new MenuBarKeyboard(bar);  // owned by the bar
    for (std::int64_t m = 0; m < menuBar_->Count(); ++m) {
        const MenuItem& menuItem = menuBar_->Item(m);
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
            QObject::connect(action, &QAction::triggered, top_,
                             [this, &item] { MenuItemChosen(item); });
        }
    }
    top_->setMenuBar(bar);
}

// Tab order: the controls of each parent by TabIndex, a container's own
// controls following the container.
void Window::OrderTabs() {
    std::vector<RectControl*> chain;
    std::function<void(const RectControl*)> visit = [&](const RectControl* container) {
        std::vector<RectControl*> children;
        for (const auto& control : controls_) {
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
    if (!placed_ && placement_ == 1) {
        const QWidget* front = QApplication::activeWindow();
        const QRect area =
            front != nullptr ? front->frameGeometry() : top_->screen()->availableGeometry();
        QRect frame = top_->frameGeometry();
        frame.moveCenter(area.center());
        top_->move(frame.topLeft());
    }
    placed_ = true;
    top_->show();
    top_->raise();
    top_->activateWindow();
}

void Window::OpenControls() {
    for (const auto& control : controls_) control->RaiseOpen();
}

bool Window::OnContentEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::Resize:
            ContainerResized(nullptr, content_->size());
            return false;
        // A quick second press reaches Qt as a double click; it is a press like any other.
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            const QPoint p = static_cast<QMouseEvent*>(event)->position().toPoint();
            bool taken = false;
            if (MouseDown) Runtime::Invoke([&] { taken = MouseDown(p.x(), p.y()); });
            pressTaken_ = taken;
            return taken;
        }
        case QEvent::MouseMove: {
            const QPoint p = static_cast<QMouseEvent*>(event)->position().toPoint();
            if (pressTaken_) {
                if (MouseDrag) Runtime::Invoke([&] { MouseDrag(p.x(), p.y()); });
            } else if (MouseMove) {
                Runtime::Invoke([&] { MouseMove(p.x(), p.y()); });
            }
            return false;
        }
        case QEvent::MouseButtonRelease: {
            if (!pressTaken_) return false;
            pressTaken_ = false;
            const QPoint p = static_cast<QMouseEvent*>(event)->position().toPoint();
            if (MouseUp) Runtime::Invoke([&] { MouseUp(p.x(), p.y()); });
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
    if (event->spontaneous() && !closeButton_) {
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
    auto& records = OpenWindowRecords();
    auto found = std::find_if(records.begin(), records.end(),
                              [this](const auto& record) { return record.get() == this; });
    if (found == records.end()) return;
    Window* closing = found->release();
    records.erase(found);
    auto* reaper = new QObject;
    QObject::connect(reaper, &QObject::destroyed, [closing] { delete closing; });
    reaper->deleteLater();
}
