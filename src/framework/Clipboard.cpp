#include "framework/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

QString Clipboard::Text() const { return QGuiApplication::clipboard()->text(); }

void Clipboard::Text(const QString& text) { QGuiApplication::clipboard()->setText(text); }
