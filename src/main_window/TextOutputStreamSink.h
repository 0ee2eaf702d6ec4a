#pragma once

#include "framework/TextOutputStream.h"
#include "main_window/LineSink.h"

// Lets the Save Text writer write to a framework text file.
class TextOutputStreamSink : public LineSink {
public:
    explicit TextOutputStreamSink(TextOutputStream& stream) : stream_(stream) {}

    void WriteLine(const QString& text) override { stream_.WriteLine(text); }
    void Write(const QString& text) override { stream_.Write(text); }

private:
    TextOutputStream& stream_;
};
