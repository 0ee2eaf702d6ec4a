#include "framework/TextOutputStream.h"

#include <QSaveFile>

#include "framework/IOException.h"

namespace {

#ifdef _WIN32
const QString kLineEnding = QStringLiteral("\r\n");
#else
const QString kLineEnding = QStringLiteral("\n");
#endif

}  // namespace

std::unique_ptr<TextOutputStream> TextOutputStream::Create(const FolderItem& file) {
    auto saveFile = std::make_unique<QSaveFile>(file.NativePath());
    std::unique_ptr<TextOutputStream> stream(new TextOutputStream(std::move(saveFile)));
    if (!stream->file_->open(QIODevice::WriteOnly)) stream->Fail("create");
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
    const QByteArray bytes = text.toUtf8();
    if (file_->write(bytes) != bytes.size()) Fail("write");
}

void TextOutputStream::Close() {
    if (!file_->isOpen()) return;
    if (!file_->commit()) Fail("write");
}

void TextOutputStream::Fail(const char* doing) {
    const std::string message = std::string("cannot ") + doing + " \"" +
                                file_->fileName().toStdString() +
                                "\": " + file_->errorString().toStdString();
    if (file_->isOpen()) file_->cancelWriting();
    throw IOException(message);
}
