#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

#include "framework/FolderItem.h"

class QSaveFile;

// Writes a text file in UTF-8. The file appears, or an existing one is
// replaced, only when Close has written every byte of the text; a stream
// dropped without Close, or one that failed, leaves no partial file and an
// existing file untouched. Failures raise IOException naming the file and the
// system's reason.
class TextOutputStream {
public:
    static std::unique_ptr<TextOutputStream> Create(const FolderItem& file);
    ~TextOutputStream();
    TextOutputStream(const TextOutputStream&) = delete;
    TextOutputStream& operator=(const TextOutputStream&) = delete;

    // The text and then the platform's line ending.
    void WriteLine(const QString& text);
    void Write(const QString& text);
    void Close();

private:
    explicit TextOutputStream(std::unique_ptr<QSaveFile> file);
    void WritePending();
    [[noreturn]] void Fail(const char* doing);

    std::unique_ptr<QSaveFile> file_;
    QByteArray pending_;
};
