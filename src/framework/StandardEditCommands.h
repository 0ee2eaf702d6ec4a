#pragma once

#include <QString>

class Window;

// The standard Edit commands (EditUndo, EditCut, EditCopy, EditPaste,
// EditClear, EditSelectAll) on the focused control of the window. Returns
// false when the name is none of them or no control can take the command.
bool RunStandardEditCommand(const QString& itemName, const Window& window);
