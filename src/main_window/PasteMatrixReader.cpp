#include "main_window/PasteMatrixReader.h"

#include <QStringList>

#include "framework/TextFunctions.h"

namespace {

using Writes = std::vector<FieldWrite>;

std::optional<Writes> ReadOneLine(const QString& text, const QString& separator) {
    const QStringList values = Split(text, separator);
    if (values.size() == 4) {
        return Writes{{1, values[0]}, {2, values[1]}, {4, values[2]}, {5, values[3]}};
    }
    if (values.size() == 9) {
        Writes writes;
        for (int k = 0; k < 9; ++k) writes.push_back({k + 1, values[k]});
        return writes;
    }
    return std::nullopt;
}

// Appends the writes of matrix row `row` from one line; false when the line
// gives fewer than two values.
bool ReadRow(const QString& line, int row, const QString& separator, Writes& writes) {
    const QStringList values = Split(line, separator);
    if (values.size() < 2) return false;
    const int firstField = 3 * (row - 1) + 1;
    writes.push_back({firstField, values[0]});
    writes.push_back({firstField + 1, values[1]});
    if (values.size() == 3) writes.push_back({firstField + 2, values[2]});
    return true;
}

struct Cut {
    QString before;
    QString after;
};

// The text before the first line ending and the text after it; the whole text
// and nothing after it when there is no line ending.
Cut CutAtLineEnding(const QString& text, const QString& lineEnding) {
    const std::int64_t p = InStr(0, text, lineEnding);
    if (p < 1) return {text, QString()};
    return {Left(text, p - 1), Right(text, Len(text) - p - Len(lineEnding) + 1)};
}

std::optional<Writes> ReadTextWithLines(const QString& text, const QString& lineEnding,
                                        const QString& separator) {
    const Cut first = CutAtLineEnding(text, lineEnding);
    // A one-line matrix followed by nothing but line endings, as a spreadsheet
    // copies one row of cells.
    if (first.after == lineEnding.repeated(first.after.size() / Len(lineEnding))) {
        if (std::optional<Writes> row = ReadOneLine(first.before, separator)) return row;
    }
    const Cut second = CutAtLineEnding(first.after, lineEnding);
    Writes writes;
    if (!ReadRow(first.before, 1, separator, writes) ||
        !ReadRow(second.before, 2, separator, writes)) {
        return std::nullopt;
    }
    if (!second.after.isEmpty() && !ReadRow(second.after, 3, separator, writes)) {
        return std::nullopt;
    }
    return writes;
}

}  // namespace

std::optional<Writes> PasteMatrixReader::Read(const QString& clipboardText,
                                              const QString& lineEnding) {
    const QString text = ReplaceLineEndings(clipboardText, lineEnding);
    const QString tab = Chr(9);
    const QString comma = QStringLiteral(",");
    const bool hasLineEnding = InStr(0, text, lineEnding) > 0;
    const bool hasTab = InStr(0, text, tab) > 0;
    const bool hasComma = InStr(0, text, comma) > 0;

    if (hasLineEnding && hasTab) return ReadTextWithLines(text, lineEnding, tab);
    if (hasLineEnding && hasComma) return ReadTextWithLines(text, lineEnding, comma);
    if (hasTab) return ReadOneLine(text, tab);
    if (hasLineEnding) return std::nullopt;
    if (hasComma) return ReadOneLine(text, comma);
    return std::nullopt;
}
