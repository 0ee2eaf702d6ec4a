#pragma once

#include <QString>

// A file or folder of the file system, by its path.
class FolderItem {
public:
    explicit FolderItem(QString nativePath) : nativePath_(std::move(nativePath)) {}

    const QString& NativePath() const { return nativePath_; }
    QString Name() const;
    bool Exists() const;

private:
    QString nativePath_;
};
