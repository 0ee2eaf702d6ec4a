// The main window's work in the real window on the offscreen platform: one
// Calculate press, 2,000 presses in a row (does appending grow with what the
// list and the notes hold?), Save Text of the window that results, and the
// refusal of a 10 MB entry that is no number.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

#include "app/Startup.h"
#include "framework/MsgBox.h"
#include "framework/SaveDialog.h"
#include "main_window/Window1.h"

namespace {

double MedianMicroseconds(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void EnterRandomMatrix(class Window1& window, std::mt19937_64& rng) {
    std::uniform_real_distribution<double> entry(-10.0, 10.0);
    for (int r = 1; r <= 3; ++r) {
        for (int c = r; c <= 3; ++c) {
            const QString text = QString::number(entry(rng), 'g', 6);
            window.MatrixField(3 * (r - 1) + c).Text(text);
            window.MatrixField(3 * (c - 1) + r).Text(text);
        }
    }
}

// Times one press of Calculate with a 10 MB entry that is no number: until the
// real message box has painted itself, and until the press has ended once the
// box is closed at once. The button has the focus, as after a click on it: a
// field that has it repaints its whole text with each blink of its cursor.
class RefusalTimer : public QObject {
public:
    double toShownMillis = -1;
    double wholePressMillis = -1;

    void Press(class Window1& window) {
        window.MatrixField(1).Text(QString(10'000'000, u'x'));
        for (int field = 2; field <= 9; ++field) window.MatrixField(field).Text("1");
        window.PushButton1().SetFocus();
        QCoreApplication::processEvents();
        SetMsgBoxPresenter(nullptr);
        qApp->installEventFilter(this);
        timer_.start();
        window.PushButton1().Push();
        wholePressMillis = timer_.nsecsElapsed() / 1e6;
        qApp->removeEventFilter(this);
        SetMsgBoxPresenter([](const QString&) {});
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (box != nullptr && event->type() == QEvent::Paint && toShownMillis < 0) {
            toShownMillis = timer_.nsecsElapsed() / 1e6;
            QMetaObject::invokeMethod(box, &QDialog::accept, Qt::QueuedConnection);
        }
        return false;
    }

private:
    QElapsedTimer timer_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    SetMsgBoxPresenter([](const QString&) {});
    InitFileTypes();
    NewAppInstance();
    class Window1* window = Window1();
    QCoreApplication::processEvents();

    RefusalTimer refusal;
    refusal.Press(*window);
    QCoreApplication::processEvents();

    const int presses = 2000;
    std::mt19937_64 rng(7);
    std::vector<double> micros;
    micros.reserve(presses);
    QElapsedTimer timer;
    for (int i = 0; i < presses; ++i) {
        EnterRandomMatrix(*window, rng);
        timer.start();
        window->PushButton1_Action(window->PushButton1());
        micros.push_back(timer.nsecsElapsed() / 1000.0);
        QCoreApplication::processEvents();  // let the list and the notes repaint
    }
    const double first =
        MedianMicroseconds(std::vector<double>(micros.begin(), micros.begin() + 100));
    const double last = MedianMicroseconds(std::vector<double>(micros.end() - 100, micros.end()));

    QTemporaryDir dir;
    const QString path = dir.filePath("Vorlix output.txt");
    SetSaveDialogPresenter([&](const QString&, const QString&) { return path; });
    std::vector<double> saveMillis;
    for (int i = 0; i < 5; ++i) {
        timer.start();
        window->FilesaveText_Action();
        saveMillis.push_back(timer.nsecsElapsed() / 1e6);
    }

    std::printf("\nMain window work (offscreen platform):\n");
    std::printf("  one Calculate press, median of the first 100:  %8.1f us\n", first);
    std::printf("  median of the last 100 of %d presses:        %8.1f us (%.2f times)\n", presses,
                last, last / first);
    std::printf("  Save Text of %lld rows, %lld KiB file, median of 5: %6.1f ms\n",
                static_cast<long long>(window->Listbox1().ListCount()),
                static_cast<long long>(QFile(path).size() / 1024), MedianMicroseconds(saveMillis));
    std::printf("  refusal of a 10 MB entry, press to box shown:  %8.1f ms (goal: under 500 ms)\n",
                refusal.toShownMillis);
    std::printf("  the same press, box closed at once:            %8.1f ms\n",
                refusal.wholePressMillis);
    std::fflush(stdout);
    // _Exit runs no destructor: the temporary folder goes first.
    dir.remove();
    std::_Exit(0);  // the measurement is done; skip tearing down 8,000 rows
}
