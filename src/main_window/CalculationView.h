#pragma once

#include <QString>
#include <cstdint>

// What one press of "Calculate" reads from and writes to the main window.
class CalculationView {
public:
    virtual ~CalculationView() = default;

    // Whether the Alt key is held down at this moment.
    virtual bool AsyncAltKey() = 0;
    // The whole text of matrix entry field 1 to 9 (row by row).
    virtual QString FieldText(int field) = 0;

    // The results list; rows and columns count from 0.
    virtual void SetColumnCount(std::int64_t count) = 0;
    virtual void SetHeading(std::int64_t column, const QString& heading) = 0;
    virtual void AddRow() = 0;
    virtual std::int64_t ListCount() = 0;
    virtual void SetCell(std::int64_t row, std::int64_t column, const QString& text) = 0;

    // Appends to the end of the notes area.
    virtual void AppendText(const QString& text) = 0;
    // A modal message; returns when the user has dismissed it.
    virtual void MsgBox(const QString& message) = 0;
};
