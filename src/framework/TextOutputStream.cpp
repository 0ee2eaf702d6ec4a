#include "framework/TextOutputStream.h"

#include <QSaveFile>

#include "framework/IOException.h"

namespace {

#ifdef _WIN32
const QString kLineEnding = QStringLiteral("\r\n");
#else
const QString kLineEnding = QStringLiteral("\n");
#endif

// The text is written to the file in pieces of about this size.
constexpr qsizetype kPieceSize = 64 * 1024;

}  // namespace

// The file is unbuffered and the stream keeps its own buffer. Qt's buffered
// file reports a write that only reached its buffer as done, and Qt 6.4's
// QSaveFile::commit() replaces the old file even when flushing that buffer
// fails; here every write to the file is one whose outcome is checked.
std::unique_ptr<TextOutputStream> TextOutputStream::Create(const FolderItem& file) {
    auto saveFile = std::make_unique<QSaveFile>(file.NativePath());
    std::unique_ptr<TextOutputStream> stream(new TextOutputStream(std::move(saveFile)));
    if (!stream->file_->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) stream->Fail("create");
    return stream;
}

TextOutputStream::TextOutputStream(std::unique_ptr<QSaveFile> file) : file_(std::move(file)) {}

TextOutputStream::~TextOutputStream() {
    if (file_ && file_->isOpen()) file_->cancelWriting();
}

void TextOutputStream::WriteLine(const QString& text) { Write(text + kLineEnding); }

void TextOutputStream::Write(const QString& text) {
    if (!file_->isOpen()) {
        throw IOException("cannot write to \"" + file_->fileName().toStdString() +
                          "\": the stream is closed");
    }
    pending_ += text.toUtf8();
    if (pending_.size() >= kPieceSize) WritePending();
}

void TextOutputStream::Close() {
    if (!file_->isOpen()) return;
    WritePending();
    if (!file_->commit()) Fail("write");
}

// A write that the file system takes only in part (the disk filling up during
// it) is continued; the one after it then fails with the system's reason.
void TextOutputStream::WritePending() {
    qsizetype done = 0;
    while (done < pending_.size()) {
        const qint64 written = file_->write(pending_.constData() + done, pending_.size() - done);
        if (written <= 0) Fail("write");
        done += written;
    }
    pending_.clear();
}

void TextOutputStream::Fail(const char* doing) {
    const std::string message = std::string("cannot ") + doing + " \"" +
                                file_->fileName().toStdString() +
                                "\": " + file_->errorString().toStdString();
    if (file_->isOpen()) file_->cancelWriting();
    throw IOException(message);
}
