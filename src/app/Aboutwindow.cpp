#include "app/Aboutwindow.h"

namespace {

struct LabelDesign {
    const char* name;
    std::int64_t top;
    std::int64_t height;
    const char* text;
    std::int64_t textAlign;
    bool bold;
    std::int64_t textSize;
    bool multiline;
    bool lockBottom;
    std::int64_t tabIndex;
};

const LabelDesign kLabels[] = {
    {"Label1", 30, 27, "Vorlix", 1, true, 18, false, false, 0},
    {"Label2", 69, 20, "v. 1.1.0", 1, false, 0, false, false, 1},
    {"Label3", 101, 20, "Written by the Vorlix authors", 1, false, 0, false, false, 2},
    {"Label4", 121, 20, "Eigenvectors by cyclic Jacobi rotations", 1, false, 0, false, false, 3},
    {"Label5", 173, 145,
     "A simple program to calculate eigenvalues and eigenvectors from any symmetric 3x3 "
     "matrix. For geologists, the trend and plunge of each of the eigenvectors are also "
     "calculated assuming that the coordinate system is NED. The invariants of the matrix are "
     "also calculated.",
     0, false, 0, true, true, 4},
};

}  // namespace

Aboutwindow::Aboutwindow() : Window(QString::fromUtf8(kClassName)) {}

class Aboutwindow* Aboutwindow() {
    return Window::Obtain<class Aboutwindow>();
}

void Aboutwindow::Layout() {
    Width(318);
    Height(318);
    MinWidth(64);
    MinHeight(64);
    MaxWidth(32000);
    MaxHeight(32000);
    Frame(3);
    Title(QStringLiteral("About"));
    CloseButton(true);
    Resizeable(false);
    MaximizeButton(false);
    MinimizeButton(false);
    Placement(1);
    Visible(true);
}

void Aboutwindow::CreateControls() { CreateControls0(); }

void Aboutwindow::CreateControls0() {
    for (const LabelDesign& design : kLabels) {
        Label& label = NewControl<Label>(QString::fromUtf8(design.name));
        label.Left(20);
        label.Top(design.top);
        label.Width(278);
        label.Height(design.height);
        label.LockLeft(true);
        label.LockTop(true);
        label.LockRight(true);
        label.LockBottom(design.lockBottom);
        label.TabIndex(design.tabIndex);
        label.Text(QString::fromUtf8(design.text));
        label.TextAlign(design.textAlign);
        label.Bold(design.bold);
        label.TextSize(design.textSize);
        label.Multiline(design.multiline);
    }
}
