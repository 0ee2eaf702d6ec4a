#pragma once

#include <QString>

#include "main_window/PasteMatrixView.h"

// "Paste Matrix": copies a matrix from the clipboard's text into the entry
// fields, or, when the text is no matrix, shows a message and changes nothing.
class PasteMatrixCommand {
public:
    static const QString kNotRecognized;

    // True when fields were written, false when the message was shown.
    static bool Run(PasteMatrixView& view);
};
