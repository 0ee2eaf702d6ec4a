#pragma once

#include <QString>

// A text output stream.
class LineSink {
public:
    virtual ~LineSink() = default;

    // Writes the text and then the stream's line ending.
    virtual void WriteLine(const QString& text) = 0;
    // Writes the text with nothing added.
    virtual void Write(const QString& text) = 0;
};
