#pragma once

#include <QString>
#include <optional>
#include <vector>

// One value of a pasted matrix for one entry field.
struct FieldWrite {
    int field;  // 1 to 9, row by row
    QString text;

    bool operator==(const FieldWrite& other) const {
        return field == other.field && text == other.text;
    }
};

// Reads the clipboard matrix text: values separated by tabs or by commas (the
// tab when the text holds both), either 4 or 9 values on one line, or one
// matrix row per line on two or three lines. A one-line matrix may be followed
// by line endings alone.
class PasteMatrixReader {
public:
    // The field writes in the order they are to be made, or nothing when the
    // text is no matrix of that format; lineEnding is the platform line ending
    // that every line break of the text is first made into.
    static std::optional<std::vector<FieldWrite>> Read(const QString& clipboardText,
                                                       const QString& lineEnding);
};
