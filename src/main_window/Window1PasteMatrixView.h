#pragma once

#include "framework/Clipboard.h"
#include "framework/MsgBox.h"
#include "main_window/PasteMatrixView.h"
#include "main_window/Window1.h"

// Paste Matrix's view of the main window: the clipboard and the nine fields.
class Window1PasteMatrixView : public PasteMatrixView {
public:
    explicit Window1PasteMatrixView(class Window1& window) : window_(window) {}

    QString ClipboardText() override { return Clipboard().Text(); }
    void SetFieldText(int field, const QString& text) override {
        window_.MatrixField(field).Text(text);
    }
    void MsgBox(const QString& message) override { ::MsgBox(message); }

private:
    class Window1& window_;
};
