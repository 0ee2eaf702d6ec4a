#include "framework/TextFunctions.h"

namespace {

// Number of UTF-16 units of the code point that starts at unit index i.
qsizetype UnitsAt(const QString& text, qsizetype i) {
    if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
        return 2;
    }
    return 1;
}

// UTF-16 index of the character at 0-based character position count, or the
// text's size when the text has no more characters than that.
qsizetype UnitIndexOfCharacter(const QString& text, std::int64_t count) {
    qsizetype i = 0;
    for (std::int64_t c = 0; c < count && i < text.size(); ++c) {
        i += UnitsAt(text, i);
    }
    return i;
}

std::int64_t CharacterCountBefore(const QString& text, qsizetype unitIndex) {
    std::int64_t count = 0;
    for (qsizetype i = 0; i < unitIndex; i += UnitsAt(text, i)) {
        ++count;
    }
    return count;
}

}  // namespace

std::int64_t Len(const QString& text) { return CharacterCountBefore(text, text.size()); }

QString Left(const QString& text, std::int64_t count) {
    if (count <= 0) return QString();
    return text.left(UnitIndexOfCharacter(text, count));
}

QString Right(const QString& text, std::int64_t count) {
    if (count <= 0) return QString();
    const std::int64_t skipped = Len(text) - count;
    if (skipped <= 0) return text;
    return text.mid(UnitIndexOfCharacter(text, skipped));
}

std::int64_t InStr(std::int64_t start, const QString& text, const QString& sought) {
    const std::int64_t first = start < 1 ? 0 : start - 1;
    if (first > Len(text)) return 0;
    if (sought.isEmpty()) return first + 1;
    const qsizetype from = UnitIndexOfCharacter(text, first);
    const qsizetype found = text.indexOf(sought, from);
    // A match that begins inside a surrogate pair is no match of whole characters.
    for (qsizetype at = found; at >= 0; at = text.indexOf(sought, at + 1)) {
        if (at == 0 || !text.at(at).isLowSurrogate() || !text.at(at - 1).isHighSurrogate()) {
            return CharacterCountBefore(text, at) + 1;
        }
    }
    return 0;
}

QStringList Split(const QString& text, const QString& separator) {
    if (separator.isEmpty()) return QStringList{text};
    return text.split(separator, Qt::KeepEmptyParts);
}

QString Chr(std::int64_t codePoint) {
    const bool isScalarValue =
        codePoint >= 0 && codePoint <= 0x10FFFF && !(codePoint >= 0xD800 && codePoint <= 0xDFFF);
    const char32_t character = isScalarValue ? static_cast<char32_t>(codePoint) : U'\uFFFD';
    return QString::fromUcs4(&character, 1);
}

QString EndOfLine() {
#ifdef Q_OS_WIN
    return QStringLiteral("\r\n");
#else
    return QStringLiteral("\n");
#endif
}

QString ReplaceLineEndings(const QString& text, const QString& ending) {
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r') {
            if (i + 1 < text.size() && text.at(i + 1) == u'\n') ++i;
            result += ending;
        } else if (c == u'\n') {
            result += ending;
        } else {
            result += c;
        }
    }
    return result;
}
