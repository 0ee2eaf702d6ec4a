#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "framework/FolderItem.h"

// Shows the save dialog offering the registered file type named by filter (and
// all files), with defaultName filled in. Gives the chosen file, or nullptr
// when the user cancels.
std::unique_ptr<FolderItem> GetSaveFolderItem(const QString& filter, const QString& defaultName);

// The one place where the dialog is shown: it gets Qt's name filters (such as
// "text/plain (*.txt *.asc);;All files (*)") and the default name, and gives
// the chosen path or the empty text. A test installs its own with
// SetSaveDialogPresenter, which gives back the one it replaces.
using SaveDialogPresenter =
    std::function<QString(const QString& nameFilters, const QString& defaultName)>;
SaveDialogPresenter SetSaveDialogPresenter(SaveDialogPresenter presenter);
