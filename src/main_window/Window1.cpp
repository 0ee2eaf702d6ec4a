#include "main_window/Window1.h"

#include "app/FileTypes1.h"
#include "app/MainMenuBar.h"
#include "framework/SaveDialog.h"
#include "framework/TextOutputStream.h"
#include "main_window/Calculation.h"
#include "main_window/PasteMatrixCommand.h"
#include "main_window/SaveTextWriter.h"
#include "main_window/TextOutputStreamSink.h"
#include "main_window/Window1CalculationView.h"
#include "main_window/Window1PasteMatrixView.h"
#include "main_window/Window1SaveTextSource.h"

struct Window1::ControlDesign {
    const char* name;
    std::int64_t left, top, width, height;
    bool lockLeft, lockTop, lockRight, lockBottom;
    std::int64_t tabIndex;
};

namespace {

const char* const kInstructions =
    "Enter the symmetric matrix in the boxes below.  When you press calculate, the eigenvalues "
    "and eigenvectors will be displayed in table, below. The eigenvectors are, of course, "
    "displayed in whatever coordinate system your matrix is in. You can copy text from the "
    "table as well as the  as well as write your own notes in the text area below.";

const char* const kHeadings = "#\tEigenvalue\tcos(\u03b1)\tcos(\u03b2)\tcos(\u03b3)\tTrend\tPlunge";
const char* const kColumnWidths = "5%,15.83%, 15.83%, 15.83%, 15.83%, 15.83%, 15.83%";

}  // namespace

Window1::Window1() : Window(QString::fromUtf8(kClassName)) {
    MouseMove = [this](std::int64_t x, std::int64_t y) { Event_MouseMove(x, y); };
    MouseDown = [this](std::int64_t x, std::int64_t y) { return Event_MouseDown(x, y); };
    MouseDrag = [this](std::int64_t x, std::int64_t y) { Event_MouseDrag(x, y); };
    MouseUp = [this](std::int64_t x, std::int64_t y) { Event_MouseUp(x, y); };
}

class Window1* Window1() {
    return Window::Obtain<class Window1>();
}

void Window1::Layout() {
    MenuBar(MainMenuBar());
    Width(522);
    Height(524);
    MinWidth(500);
    MinHeight(500);
    MaxWidth(32000);
    MaxHeight(32000);
    Frame(0);
    Title(QStringLiteral("Vorlix"));
    CloseButton(false);
    Resizeable(true);
    MaximizeButton(true);
    MinimizeButton(true);
    Placement(0);
    Visible(true);
}

void Window1::CreateControls() { CreateControls0(); }

template <class T>
T& Window1::Place(const ControlDesign& design, RectControl* parent) {
    T& control = NewControl<T>(QString::fromUtf8(design.name));
    if (parent != nullptr) control.Parent(parent);
    control.Left(design.left);
    control.Top(design.top);
    control.Width(design.width);
    control.Height(design.height);
    control.LockLeft(design.lockLeft);
    control.LockTop(design.lockTop);
    control.LockRight(design.lockRight);
    control.LockBottom(design.lockBottom);
    control.TabIndex(design.tabIndex);
    return control;
}

void Window1::CreateControls0() {
    TextArea& notes = Place<TextArea>({"TextArea1", 20, 374, 482, 130, true, true, true, true, 4});
    notes.AcceptTabs(true);
    notes.ScrollbarHorizontal(true);

    Label& instructions = Place<Label>({"Label1", 20, 14, 482, 56, true, true, true, false, 0});
    instructions.Text(QString::fromUtf8(kInstructions));
    instructions.Multiline(true);
    instructions.TextAlign(0);
    instructions.TextSize(11);

    PushButton& calculate =
        Place<PushButton>({"PushButton1", 410, 239, 92, 20, false, true, true, false, 1});
    calculate.Caption(QStringLiteral("Calculate"));
    calculate.Default(true);
    calculate.Action = [this](PushButton& button) { PushButton1_Action(button); };

    GroupBox& group = Place<GroupBox>({"GroupBox1", 52, 82, 418, 145, true, true, false, false, 2});
    group.Caption(QStringLiteral("Original Matrix"));
    group.Bold(true);

    CreateMatrixFields();

    Listbox& results = Place<Listbox>({"Listbox1", 20, 271, 482, 91, true, true, true, false, 3});
    results.ColumnCount(5);
    results.HasHeading(true);
    results.InitialValue(QString::fromUtf8(kHeadings));
    results.ColumnWidths(QString::fromUtf8(kColumnWidths));
    results.ColumnsResizable(true);
    results.SelectionType(1);
    results.ScrollbarHorizontal(false);
    results.TextSize(11);
    results.Open = [this](Listbox& list) { Listbox1_Open(list); };

    Label& heading = Place<Label>({"Label2", 20, 239, 100, 20, true, true, false, false, 5});
    heading.Text(QStringLiteral("Principal Axes:"));
    heading.Multiline(false);
    heading.Bold(true);

    Place<Separator>({"Separator1", 229, 366, 64, 4, true, true, true, false, 6});
}

// The nine fields, in the design's order of creation, inside the group box;
// their tab order walks the matrix row by row.
void Window1::CreateMatrixFields() {
    using Handler = void (Window1::*)(TextField&);
    struct FieldDesign {
        ControlDesign design;
        Handler textChange;
        Handler lostFocus;
    };
    const FieldDesign fields[] = {
        {{"TextField9", 341, 186, 109, 22, true, true, false, false, 8}, nullptr, nullptr},
        {{"TextField6", 341, 152, 109, 22, true, true, false, false, 5},
         &Window1::TextField6_TextChange,
         &Window1::TextField6_LostFocus},
        {{"TextField3", 341, 118, 109, 22, true, true, false, false, 2},
         &Window1::TextField3_TextChange,
         &Window1::TextField3_LostFocus},
        {{"TextField8", 207, 186, 109, 22, true, true, false, false, 7},
         &Window1::TextField8_TextChange,
         &Window1::TextField8_LostFocus},
        {{"TextField5", 207, 152, 109, 22, true, true, false, false, 4}, nullptr, nullptr},
        {{"TextField2", 207, 118, 109, 22, true, true, false, false, 1},
         &Window1::TextField2_TextChange,
         &Window1::TextField2_LostFocus},
        {{"TextField7", 72, 186, 109, 22, true, true, false, false, 6},
         &Window1::TextField7_TextChange,
         &Window1::TextField7_LostFocus},
        {{"TextField4", 72, 152, 109, 22, true, true, false, false, 3},
         &Window1::TextField4_TextChange,
         &Window1::TextField4_LostFocus},
        {{"TextField1", 72, 118, 109, 22, true, true, false, false, 0}, nullptr, nullptr},
    };
    GroupBox& group = GroupBox1();
    for (const FieldDesign& field : fields) {
        TextField& control = Place<TextField>(field.design, &group);
        if (field.textChange != nullptr) {
            control.TextChange = [this, h = field.textChange](TextField& f) { (this->*h)(f); };
        }
        if (field.lostFocus != nullptr) {
            control.LostFocus = [this, h = field.lostFocus](TextField& f) { (this->*h)(f); };
        }
    }
}

void Window1::AddMenuHandlers() {
    AddMenuHandler(QStringLiteral("FilesaveText"), [this] { return FilesaveText_Action(); });
    AddMenuHandler(QStringLiteral("EditPasteMatrix"), [this] { return EditPasteMatrix_Action(); });
}

// Seven columns although the list shows five when it opens.
void Window1::Listbox1_Open(Listbox& list) {
    for (std::int64_t column = 0; column <= 6; ++column) list.HeaderType(column, 1);
}

void Window1::PushButton1_Action(PushButton&) {
    Window1CalculationView view(*this);
    Calculation(view).Run();
}

TextField& Window1::MatrixField(int field) const {
    return Control<TextField>(QStringLiteral("TextField%1").arg(field));
}

// Leaving an off-diagonal field copies its text, as it is, into the field of
// the mirrored entry.
void Window1::MirrorInto(const TextField& from, TextField& to) { to.Text(from.Text()); }

// Passes over the lower triangle to the next diagonal field, ready to be typed over.
void Window1::JumpTo(TextField& field) {
    field.SetFocus();
    field.SelectAll();
}

void Window1::TextField6_LostFocus(TextField& field) {
    MirrorInto(field, TextField8());
    JumpTo(TextField9());
}

void Window1::TextField3_LostFocus(TextField& field) {
    MirrorInto(field, TextField7());
    JumpTo(TextField5());
}

void Window1::TextField8_LostFocus(TextField& field) { MirrorInto(field, TextField6()); }

void Window1::TextField2_LostFocus(TextField& field) { MirrorInto(field, TextField4()); }

void Window1::TextField7_LostFocus(TextField& field) { MirrorInto(field, TextField3()); }

void Window1::TextField4_LostFocus(TextField& field) { MirrorInto(field, TextField2()); }

void Window1::Event_MouseMove(std::int64_t x, std::int64_t y) { splitter_.MouseMove(x, y); }

bool Window1::Event_MouseDown(std::int64_t x, std::int64_t y) { return splitter_.MouseDown(x, y); }

void Window1::Event_MouseUp(std::int64_t x, std::int64_t y) { splitter_.MouseUp(x, y); }

void Window1::Event_MouseDrag(std::int64_t x, std::int64_t y) { splitter_.MouseDrag(x, y); }

// A file that cannot be written raises IOException, which the framework
// reports naming the file and the reason; the stream then leaves no partial
// file and an existing one as it was.
bool Window1::FilesaveText_Action() {
    std::shared_ptr<FileType> textType = FileTypes1::Text();
    if (!textType) throw NilObjectException("the text file type does not exist");
    std::unique_ptr<FolderItem> file =
        GetSaveFolderItem(QString(*textType), QStringLiteral("Vorlix output.txt"));
    if (!file) return false;
    std::unique_ptr<TextOutputStream> stream = TextOutputStream::Create(*file);
    TextOutputStreamSink sink(*stream);
    SaveTextWriter::WriteResults(Window1SaveTextSource(*this), sink);
    stream->Close();
    return true;
}

bool Window1::EditPasteMatrix_Action() {
    Window1PasteMatrixView view(*this);
    return PasteMatrixCommand::Run(view);
}
