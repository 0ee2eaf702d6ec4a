#include "app/FileTypes1.h"

namespace {

std::shared_ptr<FileType>& pText() {
    static std::shared_ptr<FileType> text;
    return text;
}

std::vector<std::shared_ptr<FileType>>& pAllFileTypes() {
    static std::vector<std::shared_ptr<FileType>> all;
    return all;
}

}  // namespace

namespace FileTypes1 {

std::shared_ptr<FileType> Text() { return pText(); }

void Initialize() {
    pText() = std::make_shared<FileType>();
    FileType& text = *pText();
    text.Name(QStringLiteral("text/plain"));
    text.Extensions(QStringLiteral(
        ".txt;.asc;.ascii;.bas;.c;.class;.cp;.cpp;.h;.hp;.hpp;.i3;.java;.m2;.m3;.mak;.text"));
    text.MacType(QStringLiteral("TEXT"));
    text.MacCreator(QStringLiteral("????"));
    text.MimeType(QString());
    text.Imported(true);
    text.ConformsTo(QString());
    text.UTI(QStringLiteral("public.text"));
    pAllFileTypes().push_back(pText());
    Text()->Register();
}

const std::vector<std::shared_ptr<FileType>>& AllFileTypes() { return pAllFileTypes(); }

}  // namespace FileTypes1
