#pragma once

#include <QString>

// The system clipboard's text.
class Clipboard {
public:
    // The empty text when the clipboard holds no text.
    QString Text() const;
    void Text(const QString& text);
};
