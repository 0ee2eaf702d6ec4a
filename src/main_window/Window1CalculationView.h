#pragma once

#include "framework/Keyboard.h"
#include "framework/MsgBox.h"
#include "main_window/CalculationView.h"
#include "main_window/Window1.h"

// Calculate's view of the main window: the nine fields, the results list, the
// notes area, the Alt key and the message box.
class Window1CalculationView : public CalculationView {
public:
    explicit Window1CalculationView(class Window1& window) : window_(window) {}

    bool AsyncAltKey() override { return Keyboard::AsyncAltKey(); }
    QString FieldText(int field) override { return window_.MatrixField(field).Text(); }
    void SetColumnCount(std::int64_t count) override { window_.Listbox1().ColumnCount(count); }
    void SetHeading(std::int64_t column, const QString& heading) override {
        window_.Listbox1().Heading(column, heading);
    }
    void AddRow() override { window_.Listbox1().AddRow(); }
    std::int64_t ListCount() override { return window_.Listbox1().ListCount(); }
    void SetCell(std::int64_t row, std::int64_t column, const QString& text) override {
        window_.Listbox1().Cell(row, column, text);
    }
    void AppendText(const QString& text) override { window_.TextArea1().AppendText(text); }
    void MsgBox(const QString& message) override { ::MsgBox(message); }

private:
    class Window1& window_;
};
