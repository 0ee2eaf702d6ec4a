// A bare Qt 6 window with the same kinds of widgets as the Vorlix main window,
// started the same way; it quits right after its first paint. The start-up
// benchmark measures it beside Vorlix.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "QuitOnFirstPaint.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Bare");
    auto* content = new QWidget(&window);
    window.setCentralWidget(content);
    for (const char* menu : {"&File", "&Edit", "Window"}) {
        QMenu* m = window.menuBar()->addMenu(menu);
        m->addAction("Item");
        m->addAction("Other item");
    }
    auto* instructions = new QLabel("Instructions", content);
    instructions->setGeometry(20, 14, 482, 56);
    auto* group = new QGroupBox("Group", content);
    group->setGeometry(52, 82, 418, 145);
    for (int i = 0; i < 9; ++i) {
        auto* field = new QLineEdit(group);
        field->setGeometry(20 + 135 * (i % 3), 36 + 34 * (i / 3), 109, 22);
    }
    (new QPushButton("Button", content))->setGeometry(410, 239, 92, 20);
    (new QLabel("Label", content))->setGeometry(20, 239, 100, 20);
    auto* list = new QTreeWidget(content);
    list->setColumnCount(5);
    list->setGeometry(20, 271, 482, 91);
    auto* line = new QFrame(content);
    line->setFrameShape(QFrame::HLine);
    line->setGeometry(229, 366, 64, 4);
    (new QPlainTextEdit(content))->setGeometry(20, 374, 482, 130);
    window.resize(522, 524);

    QuitOnFirstPaint quitter("Bare");
    app.installEventFilter(&quitter);
    window.show();
    return app.exec();
}
