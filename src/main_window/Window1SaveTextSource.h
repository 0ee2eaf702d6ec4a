#pragma once

#include "main_window/SaveTextSource.h"
#include "main_window/Window1.h"

// What Save Text reads of the main window: the results list and the notes.
class Window1SaveTextSource : public SaveTextSource {
public:
    explicit Window1SaveTextSource(const class Window1& window) : window_(window) {}

    std::int64_t ListCount() const override { return window_.Listbox1().ListCount(); }
    std::int64_t ColumnCount() const override { return window_.Listbox1().ColumnCount(); }
    QString Cell(std::int64_t row, std::int64_t column) const override {
        return window_.Listbox1().Cell(row, column);
    }
    QString NotesText() const override { return window_.TextArea1().Text(); }

private:
    const class Window1& window_;
};
