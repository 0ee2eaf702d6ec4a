#pragma once

#include <QString>
#include <cstdint>

// The results that "Save Text" writes: the results list and the notes.
class SaveTextSource {
public:
    virtual ~SaveTextSource() = default;

    virtual std::int64_t ListCount() const = 0;
    virtual std::int64_t ColumnCount() const = 0;
    // Rows and columns count from 0.
    virtual QString Cell(std::int64_t row, std::int64_t column) const = 0;
    virtual QString NotesText() const = 0;
};
