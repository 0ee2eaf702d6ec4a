#include "framework/MsgBox.h"

#include <QApplication>
#include <QMessageBox>

namespace {

void ShowModalMessageBox(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text,
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

MsgBoxPresenter& Presenter() {
    static MsgBoxPresenter presenter = ShowModalMessageBox;
    return presenter;
}

}  // namespace

void MsgBox(const QString& text) { Presenter()(text); }

MsgBoxPresenter SetMsgBoxPresenter(MsgBoxPresenter presenter) {
    MsgBoxPresenter previous = std::move(Presenter());
    Presenter() = presenter ? std::move(presenter) : MsgBoxPresenter(ShowModalMessageBox);
    return previous;
}
