#include "framework/FolderItem.h"

#include <QFileInfo>

QString FolderItem::Name() const { return QFileInfo(nativePath_).fileName(); }

bool FolderItem::Exists() const { return QFileInfo::exists(nativePath_); }
