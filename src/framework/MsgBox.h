#pragma once

#include <QString>
#include <functional>

// Shows the text in a modal box with one button and returns when the user has
// closed it.
void MsgBox(const QString& text);

// The one place where the box is shown. A replacement (a recorder in a test)
// is installed with SetMsgBoxPresenter, which gives back the one it replaces.
using MsgBoxPresenter = std::function<void(const QString& text)>;
MsgBoxPresenter SetMsgBoxPresenter(MsgBoxPresenter presenter);
