// Every operation of a window, its controls and its menus raises
// ThreadAccessingUIException off the GUI thread, and leaves everything as it was.
#include <QFont>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <typeinfo>
#include <vector>

#include "framework/AppleMenuItem.h"
#include "framework/GroupBox.h"
#include "framework/GuiTestSupport.h"
#include "framework/Label.h"
#include "framework/Listbox.h"
#include "framework/PushButton.h"
#include "framework/QuitMenuItem.h"
#include "framework/Separator.h"
#include "framework/TextArea.h"
#include "framework/TextField.h"
#include "framework/ThreadAccessingUIException.h"

namespace {

class ThreadProbeWindow : public Window {
public:
    static constexpr const char* kClassName = "Threads.Probe";
    ThreadProbeWindow() : Window(QString::fromUtf8(kClassName)) {}

    GroupBox& Group() const { return Control<GroupBox>(QStringLiteral("Group")); }
    TextField& Field() const { return Control<TextField>(QStringLiteral("Field")); }
    TextArea& Notes() const { return Control<TextArea>(QStringLiteral("Notes")); }
    PushButton& Button() const { return Control<PushButton>(QStringLiteral("Button")); }
    Listbox& List() const { return Control<Listbox>(QStringLiteral("List")); }
    Label& Caption() const { return Control<Label>(QStringLiteral("Caption")); }

protected:
    void Layout() override {
        Width(400);
        Height(300);
        MinWidth(200);
        MinHeight(150);
        Title(QStringLiteral("Probe"));
    }
    void CreateControls() override {
        GroupBox& group = NewControl<GroupBox>(QStringLiteral("Group"));
        group.Caption(QStringLiteral("Matrix"));
        Place(group, 10, 10, 150, 60);
        TextField& field = NewControl<TextField>(QStringLiteral("Field"));
        field.Text(QStringLiteral("1.5"));
        Place(field, 20, 30, 80, 22);
        field.Parent(&group);
        TextArea& notes = NewControl<TextArea>(QStringLiteral("Notes"));
        notes.AppendText(QStringLiteral("notes"));
        Place(notes, 10, 200, 380, 90);
        PushButton& button = NewControl<PushButton>(QStringLiteral("Button"));
        button.Caption(QStringLiteral("Calculate"));
        button.Default(true);
        Place(button, 300, 10, 90, 22);
        Listbox& list = NewControl<Listbox>(QStringLiteral("List"));
        list.ColumnCount(3);
        list.InitialValue(QStringLiteral("#\tA\tB"));
        list.ColumnWidths(QStringLiteral("20%,40%,40%"));
        list.AddRow();
        list.Cell(0, 1, QStringLiteral("cell"));
        Place(list, 10, 80, 380, 100);
        Label& caption = NewControl<Label>(QStringLiteral("Caption"));
        caption.Text(QStringLiteral("Results"));
        Place(caption, 170, 10, 100, 20);
        Place(NewControl<Separator>(QStringLiteral("Rule")), 10, 190, 380, 4);
    }

private:
    static void Place(RectControl& control, int left, int top, int width, int height) {
        control.Left(left);
        control.Top(top);
        control.Width(width);
        control.Height(height);
    }
};

// Which handler an event holds.
template <class F>
QString TypeOf(const std::function<F>& handler) {
    return QString::fromUtf8(handler.target_type().name());
}

QString Bool(bool value) { return value ? QStringLiteral("yes") : QStringLiteral("no"); }

QString Size(QSize size) { return QStringLiteral("%1x%2").arg(size.width()).arg(size.height()); }

void DescribeMenu(const MenuItem& item, const QString& indent, QStringList& lines) {
    lines << indent + QStringList({item.Name(), item.Text(), item.KeyboardShortcut(),
                                   Bool(item.AutoEnable()), Bool(item.Visible())})
                          .join(QLatin1Char('|'));
    for (std::int64_t i = 0; i < item.Count(); ++i) {
        DescribeMenu(item.Item(i), indent + QLatin1Char(' '), lines);
    }
}

void DescribeControl(const RectControl& control, QStringList& lines) {
    const QWidget* widget = control.Widget();
    const QString parent = control.Parent() != nullptr ? control.Parent()->Name() : QString();
    lines << QStringLiteral("%1 at %2,%3 %4x%5 locks %6%7%8%9 tab %10 in %11 size %12")
                 .arg(control.Name())
                 .arg(control.Left())
                 .arg(control.Top())
                 .arg(control.Width())
                 .arg(control.Height())
                 .arg(Bool(control.LockLeft()), Bool(control.LockTop()), Bool(control.LockRight()),
                      Bool(control.LockBottom()))
                 .arg(control.TabIndex())
                 .arg(parent)
                 .arg(control.TextSize());
    lines << QStringLiteral("  widget %1,%2 %3 bold %4 pixels %5 focus %6 shown %7")
                 .arg(widget->x())
                 .arg(widget->y())
                 .arg(Size(widget->size()))
                 .arg(Bool(widget->font().bold()))
                 .arg(widget->font().pixelSize())
                 .arg(Bool(widget->hasFocus()), Bool(widget->isVisible()));
}

// What a user or the program could see of the window, its controls and menus,
// and the handlers that ran; one line each, so that a failure shows a diff.
std::string Describe(ThreadProbeWindow& window, const QStringList& ran) {
    // A size change applies the limits the window holds: one stored off the
    // GUI thread shows then.
    window.Height(window.Height());
    QCoreApplication::processEvents();
    QStringList lines;
    const QWidget* top = window.Widget();
    lines << QStringLiteral("window %1 \"%2\" %3 content %4 visible %5 cursor %6 controls %7")
                 .arg(window.ClassName(), window.Title(),
                      Size(QSize(int(window.Width()), int(window.Height()))),
                      Size(window.ContentSize()), Bool(window.Visible()))
                 .arg(static_cast<int>(window.MouseCursor()))
                 .arg(window.ControlCount());
    lines << QStringLiteral("  top %1 min %2 max %3 flags %4 content cursor %5")
                 .arg(Size(top->size()), Size(top->minimumSize()), Size(top->maximumSize()))
                 .arg(static_cast<int>(top->windowFlags()))
                 .arg(static_cast<int>(window.ContentArea()->cursor().shape()));
    lines << QStringLiteral("  mouse events %1 %2 %3 %4")
                 .arg(TypeOf(*window.MouseMove), TypeOf(*window.MouseDown),
                      TypeOf(*window.MouseDrag), TypeOf(*window.MouseUp));
    lines << QStringLiteral("  open %1, this one found %2, handlers %3 %4")
                 .arg(Window::OpenWindows().size())
                 .arg(Bool(Window::GetImplicitWindow(window.ClassName()) == &window),
                      Bool(window.Handlers().Has(QStringLiteral("ProbeCommand"))),
                      Bool(window.Handlers().Has(QStringLiteral("Elsewhere"))));
    if (window.MenuBar()) DescribeMenu(*window.MenuBar(), QStringLiteral("  "), lines);
    for (const char* name : {"Group", "Field", "Notes", "Button", "List", "Caption", "Rule"}) {
        DescribeControl(*window.ControlByName(QString::fromUtf8(name)), lines);
    }

    const TextField& field = window.Field();
    const auto* edit = static_cast<const QLineEdit*>(field.Widget());
    lines << QStringLiteral("field \"%1\" selected \"%2\" limit %3 events %4 %5")
                 .arg(field.Text(), edit->selectedText())
                 .arg(edit->maxLength())
                 .arg(TypeOf(*field.TextChange), TypeOf(*field.LostFocus));
    const auto* editor = static_cast<const QPlainTextEdit*>(window.Notes().Widget());
    lines << QStringLiteral("notes \"%1\" tab moves on %2 wraps %3")
                 .arg(window.Notes().Text(), Bool(editor->tabChangesFocus()),
                      Bool(editor->lineWrapMode() != QPlainTextEdit::NoWrap));
    const PushButton& button = window.Button();
    lines << QStringLiteral("button \"%1\" default %2 action %3")
                 .arg(button.Caption(), Bool(button.Default()), TypeOf(*button.Action));
    const Listbox& list = window.List();
    const auto* tree = static_cast<const QTreeWidget*>(list.Widget());
    lines << QStringLiteral("list columns %1 widths \"%2\" rows %3 open %4")
                 .arg(list.ColumnCount())
                 .arg(list.ColumnWidths())
                 .arg(list.ListCount())
                 .arg(TypeOf(*list.Open));
    lines << QStringLiteral("  headings %1 shown %2 resizable %3 selection %4 scrollbar %5")
                 .arg(QStringList({list.Heading(0), list.Heading(1), list.Heading(2)})
                          .join(QLatin1Char('|')))
                 .arg(Bool(!tree->isHeaderHidden()))
                 .arg(Bool(tree->header()->sectionResizeMode(0) == QHeaderView::Interactive))
                 .arg(static_cast<int>(tree->selectionMode()))
                 .arg(static_cast<int>(tree->horizontalScrollBarPolicy()));
    lines << QStringLiteral("  header types %1 %2 cells %3|%4 selected \"%5\"")
                 .arg(list.HeaderType(0))
                 .arg(list.HeaderType(5))
                 .arg(list.Cell(0, 0), list.Cell(0, 1), list.SelectedRowsText());
    const Label& caption = window.Caption();
    const auto* label = static_cast<const QLabel*>(caption.Widget());
    lines << QStringLiteral("label \"%1\" wraps %2 align %3")
                 .arg(caption.Text(), Bool(label->wordWrap()))
                 .arg(static_cast<int>(label->alignment()));
    lines << QStringLiteral("group \"%1\"").arg(window.Group().Caption());
    lines << QStringLiteral("widgets %1 focus %2")
                 .arg(QApplication::allWidgets().size())
                 .arg(QApplication::focusWidget() != nullptr
                          ? QApplication::focusWidget()->metaObject()->className()
                          : "none");
    lines << QStringLiteral("ran %1").arg(ran.join(QLatin1Char(' ')));
    return lines.join(QLatin1Char('\n')).toStdString();
}

// Runs the call on a thread of its own; tells what it raised.
QString RaisedOffTheGuiThread(const std::function<void()>& call) {
    QString raised = QStringLiteral("nothing");
    std::thread worker([&] {
        try {
            call();
        } catch (const RuntimeException& e) {
            raised = QString::fromUtf8(e.ClassName());
        } catch (...) {
            raised = QStringLiteral("a foreign exception");
        }
    });
    worker.join();
    return raised;
}

using GuiThreadOnlyTest = GuiTest;

TEST_F(GuiThreadOnlyTest, EveryOperationOffTheGuiThreadRaisesAndChangesNothing) {
    auto bar = std::make_shared<MenuBar>();
    auto fileMenu = std::make_unique<MenuItem>();
    fileMenu->Name(QStringLiteral("FileMenu"));
    fileMenu->Text(QStringLiteral("&File"));
    auto command = std::make_unique<MenuItem>();
    command->Name(QStringLiteral("ProbeCommand"));
    command->Text(QStringLiteral("Probe"));
    command->KeyboardShortcut(QStringLiteral("Ctrl+P"));
    MenuItem& item = *command;
    fileMenu->Append(std::move(command));
    MenuItem& menu = *fileMenu;
    bar->Append(std::move(fileMenu));

    ThreadProbeWindow& window = *Window::Obtain<ThreadProbeWindow>();
    window.MenuBar(bar);
    QStringList ran;
    window.AddMenuHandler(QStringLiteral("ProbeCommand"), [&ran] {
        ran << QStringLiteral("ProbeCommand");
        return true;
    });
    window.Button().Action = [&ran](PushButton&) { ran << QStringLiteral("Action"); };
    window.List().Open = [&ran](Listbox&) { ran << QStringLiteral("Open"); };
    ShowAndActivate(window);
    GroupBox& group = window.Group();
    TextField& field = window.Field();
    TextArea& notes = window.Notes();
    PushButton& button = window.Button();
    Listbox& list = window.List();
    Label& caption = window.Caption();
    const MenuHandlers& handlers = window.Handlers();
    // What an operation would take over, had it not raised, stays with the test.
    std::unique_ptr<Window> spareWindow = std::make_unique<ThreadProbeWindow>();
    std::unique_ptr<RectControl> spareControl = std::make_unique<Label>(window);
    std::unique_ptr<MenuItem> spareItem = std::make_unique<MenuItem>();
    const auto noMouse = [](std::int64_t, std::int64_t) {};

    const struct {
        const char* operation;
        std::function<void()> call;
    } rows[] = {
        // The window class and the open windows.
        {"Window::Window", [] { ThreadProbeWindow elsewhere; }},
        {"Window::Constructor", [&] { Window::Constructor(std::move(spareWindow)); }},
        {"Window::Obtain", [] { Window::Obtain<ThreadProbeWindow>(); }},
        {"Window::GetImplicitWindow",
         [] { Window::GetImplicitWindow(QString::fromUtf8(ThreadProbeWindow::kClassName)); }},
        {"Window::OpenWindows", [] { Window::OpenWindows(); }},
        {"Window::CloseAll", [] { Window::CloseAll(); }},
        // A window.
        {"Window::ClassName", [&] { window.ClassName(); }},
        {"Window::Width", [&] { window.Width(); }},
        {"Window::Width set", [&] { window.Width(350); }},
        {"Window::Height", [&] { window.Height(); }},
        {"Window::Height set", [&] { window.Height(250); }},
        {"Window::MinWidth", [&] { window.MinWidth(390); }},
        {"Window::MinHeight", [&] { window.MinHeight(290); }},
        {"Window::MaxWidth", [&] { window.MaxWidth(410); }},
        {"Window::MaxHeight", [&] { window.MaxHeight(310); }},
        {"Window::Title", [&] { window.Title(); }},
        {"Window::Title set", [&] { window.Title(QStringLiteral("Elsewhere")); }},
        {"Window::CloseButton", [&] { window.CloseButton(false); }},
        {"Window::Resizeable", [&] { window.Resizeable(false); }},
        {"Window::MaximizeButton", [&] { window.MaximizeButton(false); }},
        {"Window::MinimizeButton", [&] { window.MinimizeButton(false); }},
        {"Window::Frame", [&] { window.Frame(3); }},
        {"Window::Placement", [&] { window.Placement(1); }},
        {"Window::Visible", [&] { window.Visible(); }},
        {"Window::Visible set", [&] { window.Visible(false); }},
        {"Window::MenuBar", [&] { window.MenuBar(); }},
        {"Window::MenuBar set", [&] { window.MenuBar(nullptr); }},
        {"Window::MouseCursor", [&] { window.MouseCursor(); }},
        {"Window::MouseCursor set", [&] { window.MouseCursor(Cursors::SplitterNorthSouth); }},
        {"Window::Show", [&] { window.Show(); }},
        {"Window::Close", [&] { window.Close(); }},
        {"Window::NewControl", [&] { window.NewControl<Label>(QStringLiteral("Elsewhere")); }},
        {"Window::AddControl", [&] { window.AddControl(std::move(spareControl)); }},
        {"Window::ControlByName", [&] { window.ControlByName(QStringLiteral("Field")); }},
        {"Window::ControlByWidget", [&] { window.ControlByWidget(nullptr); }},
        {"Window::Control", [&] { window.Control<TextField>(QStringLiteral("Field")); }},
        {"Window::ControlCount", [&] { window.ControlCount(); }},
        {"Window::AddMenuHandler",
         [&] { window.AddMenuHandler(QStringLiteral("Elsewhere"), [] { return true; }); }},
        {"Window::Handlers", [&] { window.Handlers(); }},
        {"Window::MouseMove", [&] { window.MouseMove = noMouse; }},
        {"Window::MouseDown",
         [&] { window.MouseDown = [](std::int64_t, std::int64_t) { return true; }; }},
        {"Window::MouseDrag", [&] { window.MouseDrag = noMouse; }},
        {"Window::MouseUp", [&] { window.MouseUp = noMouse; }},
        {"Window::Widget", [&] { window.Widget(); }},
        {"Window::ContentArea", [&] { window.ContentArea(); }},
        {"Window::ContentSize", [&] { window.ContentSize(); }},
        {"Window::ContainerResized", [&] { window.ContainerResized(nullptr, QSize(10, 10)); }},
        {"Window::PushDefaultButton", [&] { window.PushDefaultButton(); }},
        {"Window::MenuItemChosen", [&] { window.MenuItemChosen(item); }},
        // What every control has, on one of them.
        {"RectControl::Name", [&] { field.Name(); }},
        {"RectControl::Name set", [&] { field.Name(QStringLiteral("Elsewhere")); }},
        {"RectControl::TrueWindow", [&] { field.TrueWindow(); }},
        {"RectControl::Left", [&] { field.Left(); }},
        {"RectControl::Left set", [&] { field.Left(77); }},
        {"RectControl::Top", [&] { field.Top(); }},
        {"RectControl::Top set", [&] { field.Top(77); }},
        {"RectControl::Width", [&] { field.Width(); }},
        {"RectControl::Width set", [&] { field.Width(77); }},
        {"RectControl::Height", [&] { field.Height(); }},
        {"RectControl::Height set", [&] { field.Height(77); }},
        {"RectControl::LockLeft", [&] { field.LockLeft(); }},
        {"RectControl::LockLeft set", [&] { field.LockLeft(false); }},
        {"RectControl::LockTop", [&] { field.LockTop(); }},
        {"RectControl::LockTop set", [&] { field.LockTop(false); }},
        {"RectControl::LockRight", [&] { field.LockRight(); }},
        {"RectControl::LockRight set", [&] { field.LockRight(true); }},
        {"RectControl::LockBottom", [&] { field.LockBottom(); }},
        {"RectControl::LockBottom set", [&] { field.LockBottom(true); }},
        {"RectControl::TabIndex", [&] { field.TabIndex(); }},
        {"RectControl::TabIndex set", [&] { field.TabIndex(7); }},
        {"RectControl::Parent", [&] { field.Parent(); }},
        {"RectControl::Parent set", [&] { field.Parent(nullptr); }},
        {"RectControl::SetFocus", [&] { notes.SetFocus(); }},
        {"RectControl::Bold", [&] { field.Bold(true); }},
        {"RectControl::TextSize", [&] { field.TextSize(); }},
        {"RectControl::TextSize set", [&] { field.TextSize(30); }},
        {"RectControl::Widget", [&] { field.Widget(); }},
        {"RectControl::FollowContainer", [&] { field.FollowContainer(QSize(10, 10)); }},
        {"RectControl::RaiseOpen", [&] { field.RaiseOpen(); }},
        // Each kind of control.
        {"TextField::TextField", [&] { window.NewControl<TextField>(QStringLiteral("E")); }},
        {"TextField::Text", [&] { field.Text(); }},
        {"TextField::Text set", [&] { field.Text(QStringLiteral("Elsewhere")); }},
        {"TextField::SelectAll", [&] { field.SelectAll(); }},
        {"TextField::LimitText", [&] { field.LimitText(2); }},
        {"TextField::TextChange", [&] { field.TextChange = [](TextField&) {}; }},
        {"TextField::LostFocus", [&] { field.LostFocus = [](TextField&) {}; }},
        {"TextArea::TextArea", [&] { window.NewControl<TextArea>(QStringLiteral("E")); }},
        {"TextArea::Text", [&] { notes.Text(); }},
        {"TextArea::AppendText", [&] { notes.AppendText(QStringLiteral("Elsewhere")); }},
        {"TextArea::AcceptTabs", [&] { notes.AcceptTabs(false); }},
        {"TextArea::ScrollbarHorizontal", [&] { notes.ScrollbarHorizontal(true); }},
        {"PushButton::PushButton", [&] { window.NewControl<PushButton>(QStringLiteral("E")); }},
        {"PushButton::Caption", [&] { button.Caption(); }},
        {"PushButton::Caption set", [&] { button.Caption(QStringLiteral("Elsewhere")); }},
        {"PushButton::Default", [&] { button.Default(); }},
        {"PushButton::Default set", [&] { button.Default(false); }},
        {"PushButton::Push", [&] { button.Push(); }},
        {"PushButton::Action", [&] { button.Action = [](PushButton&) {}; }},
        {"Listbox::Listbox", [&] { window.NewControl<Listbox>(QStringLiteral("E")); }},
        {"Listbox::ColumnCount", [&] { list.ColumnCount(); }},
        {"Listbox::ColumnCount set", [&] { list.ColumnCount(5); }},
        {"Listbox::Heading", [&] { list.Heading(1); }},
        {"Listbox::Heading set", [&] { list.Heading(1, QStringLiteral("Elsewhere")); }},
        {"Listbox::HasHeading", [&] { list.HasHeading(false); }},
        {"Listbox::InitialValue", [&] { list.InitialValue(QStringLiteral("X\tY")); }},
        {"Listbox::ColumnWidths", [&] { list.ColumnWidths(); }},
        {"Listbox::ColumnWidths set", [&] { list.ColumnWidths(QStringLiteral("10,10,10")); }},
        {"Listbox::HeaderType", [&] { list.HeaderType(5); }},
        {"Listbox::HeaderType set", [&] { list.HeaderType(5, 3); }},
        {"Listbox::ColumnsResizable", [&] { list.ColumnsResizable(false); }},
        {"Listbox::SelectionType", [&] { list.SelectionType(1); }},
        {"Listbox::ScrollbarHorizontal", [&] { list.ScrollbarHorizontal(false); }},
        {"Listbox::AddRow", [&] { list.AddRow(); }},
        {"Listbox::ListCount", [&] { list.ListCount(); }},
        {"Listbox::Cell", [&] { list.Cell(0, 1); }},
        {"Listbox::Cell set", [&] { list.Cell(0, 1, QStringLiteral("Elsewhere")); }},
        {"Listbox::SelectedRowsText", [&] { list.SelectedRowsText(); }},
        {"Listbox::Open", [&] { list.Open = [](Listbox&) {}; }},
        {"Label::Label", [&] { window.NewControl<Label>(QStringLiteral("E")); }},
        {"Label::Text", [&] { caption.Text(); }},
        {"Label::Text set", [&] { caption.Text(QStringLiteral("Elsewhere")); }},
        {"Label::Multiline", [&] { caption.Multiline(true); }},
        {"Label::TextAlign", [&] { caption.TextAlign(2); }},
        {"Label::TextSize set", [&] { caption.TextSize(30); }},
        {"GroupBox::GroupBox", [&] { window.NewControl<GroupBox>(QStringLiteral("E")); }},
        {"GroupBox::Caption", [&] { group.Caption(); }},
        {"GroupBox::Caption set", [&] { group.Caption(QStringLiteral("Elsewhere")); }},
        {"Separator::Separator", [&] { window.NewControl<Separator>(QStringLiteral("E")); }},
        // Menus and their handlers.
        {"MenuItem::MenuItem", [] { MenuItem elsewhere; }},
        {"MenuBar::MenuBar", [] { MenuBar elsewhere; }},
        {"QuitMenuItem::QuitMenuItem", [] { QuitMenuItem elsewhere; }},
        {"AppleMenuItem::AppleMenuItem", [] { AppleMenuItem elsewhere; }},
        {"MenuItem::Name", [&] { item.Name(); }},
        {"MenuItem::Name set", [&] { item.Name(QStringLiteral("Elsewhere")); }},
        {"MenuItem::Text", [&] { item.Text(); }},
        {"MenuItem::Text set", [&] { item.Text(QStringLiteral("Elsewhere")); }},
        {"MenuItem::KeyboardShortcut", [&] { item.KeyboardShortcut(); }},
        {"MenuItem::KeyboardShortcut set", [&] { item.KeyboardShortcut(QString()); }},
        {"MenuItem::AutoEnable", [&] { item.AutoEnable(); }},
        {"MenuItem::AutoEnable set", [&] { item.AutoEnable(false); }},
        {"MenuItem::Visible", [&] { item.Visible(); }},
        {"MenuItem::Visible set", [&] { item.Visible(false); }},
        {"MenuItem::IsSeparator", [&] { item.IsSeparator(); }},
        {"MenuItem::Append", [&] { menu.Append(std::move(spareItem)); }},
        {"MenuItem::Count", [&] { menu.Count(); }},
        {"MenuItem::Item", [&] { menu.Item(0); }},
        {"MenuItem::Child", [&] { menu.Child(QStringLiteral("ProbeCommand")); }},
        {"MenuItem::Lookup", [&] { bar->Lookup(QStringLiteral("ProbeCommand")); }},
        {"MenuHandlers::Has", [&] { handlers.Has(QStringLiteral("ProbeCommand")); }},
        {"MenuHandlers::Offer", [&] { handlers.Offer(QStringLiteral("ProbeCommand")); }},
    };

    for (const auto& row : rows) {
        const std::string before = Describe(window, ran);
        EXPECT_EQ(RaisedOffTheGuiThread(row.call), QStringLiteral("ThreadAccessingUIException"))
            << row.operation;
        EXPECT_EQ(before, Describe(window, ran)) << row.operation;
    }
    EXPECT_NE(spareWindow, nullptr);
    EXPECT_NE(spareControl, nullptr);
    EXPECT_NE(spareItem, nullptr);
}

}  // namespace
