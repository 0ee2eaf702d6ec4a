#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

#include "framework/RectControl.h"

class EventFilter;
class QKeyEvent;
class QTreeWidget;

// A list of rows with columns and headings. It keeps kMaxColumns columns of
// which ColumnCount show: cells and headings of hidden columns are kept and
// show when the count rises. Column widths are kept as per cent of the list's
// width while it is resized; the user may drag the borders between headings.
// Return or Enter in it presses the window's default button.
class Listbox : public RectControl {
public:
    static constexpr std::int64_t kMaxColumns = 64;

    explicit Listbox(Window& window);
    ~Listbox() override;

    std::int64_t ColumnCount() const { return state_->columnCount; }
    void ColumnCount(std::int64_t count);
    QString Heading(std::int64_t column) const;
    void Heading(std::int64_t column, const QString& heading);
    void HasHeading(bool shown);
    // The headings of columns 0, 1, ... in one text, separated by tabs.
    void InitialValue(const QString& headings);
    // One entry per column, separated by commas: "25%" of the list's width, or
    // a width in pixels.
    QString ColumnWidths() const { return state_->columnWidths; }
    void ColumnWidths(const QString& widths);
    std::int64_t HeaderType(std::int64_t column) const;
    void HeaderType(std::int64_t column, std::int64_t type);
    void ColumnsResizable(bool resizable);
    // 0 one row at a time, 1 several rows.
    void SelectionType(std::int64_t type);
    void ScrollbarHorizontal(bool shown);

    // Appends an empty row; a list that showed its last row scrolls to show
    // the new one.
    void AddRow();
    std::int64_t ListCount() const;
    QString Cell(std::int64_t row, std::int64_t column) const;
    void Cell(std::int64_t row, std::int64_t column, const QString& text);

    // The selected rows, one line each, their shown cells separated by tabs.
    QString SelectedRowsText() const;

    Event<Listbox> Open;

protected:
    void Opened() override { Fire(Open, *this); }

private:
    struct ColumnWidth {
        double value;
        bool percent;
    };

    QTreeWidget* Tree() const;
    bool OnKeyPress(const QKeyEvent& event);
    void CheckRow(std::int64_t row) const;
    void ApplyColumnWidths();
    void RememberDraggedWidth(int column, int width);
    void ScrollToEndSoon();

    struct State {
        std::int64_t columnCount = 1;
        QString columnWidths;
        std::vector<ColumnWidth> widths;
        std::vector<std::int64_t> headerTypes = std::vector<std::int64_t>(kMaxColumns, 0);
        bool applyingWidths = false;
        bool scrollToEndPending = false;
        std::unique_ptr<EventFilter> resizeWatch;
        std::unique_ptr<EventFilter> keyWatch;
    };

    GuiThreadOnly<State> state_;
};
