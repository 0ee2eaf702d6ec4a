#pragma once

#include <QString>

// What "Paste Matrix" reads from and writes to the main window.
class PasteMatrixView {
public:
    virtual ~PasteMatrixView() = default;

    // The clipboard's text; the empty text when it holds none.
    virtual QString ClipboardText() = 0;
    // Replaces the whole text of matrix entry field 1 to 9.
    virtual void SetFieldText(int field, const QString& text) = 0;
    virtual void MsgBox(const QString& message) = 0;
};
