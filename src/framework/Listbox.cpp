#include "framework/Listbox.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStringList>
#include <QTreeWidget>
#include <cmath>

#include "framework/ArrayBounds.h"
#include "framework/EventFilter.h"
#include "framework/Window.h"

Listbox::Listbox(Window& window)
    : RectControl(window, NewWidget<QTreeWidget>()), headerTypes_(kMaxColumns, 0) {
    QTreeWidget* tree = Tree();
    tree->setColumnCount(static_cast<int>(kMaxColumns));
    tree->setHeaderLabels(QStringList(static_cast<int>(kMaxColumns), QString()));
    tree->setRootIsDecorated(false);
    tree->setUniformRowHeights(true);
    tree->setAllColumnsShowFocus(true);
    tree->setSortingEnabled(false);
    QHeaderView* header = tree->header();
    header->setStretchLastSection(false);
    header->setSectionsMovable(false);
    header->setMinimumSectionSize(8);
    ColumnCount(1);
    QObject::connect(header, &QHeaderView::sectionResized, Guard(),
                     [this](int column, int, int width) { RememberDraggedWidth(column, width); });
    resizeWatch_ = std::make_unique<EventFilter>(tree->viewport(), [this](QEvent* e) {
        if (e->type() == QEvent::Resize) ApplyColumnWidths();
        return false;
    });
    keyWatch_ = std::make_unique<EventFilter>(tree, [this](QEvent* e) {
        return e->type() == QEvent::KeyPress && OnKeyPress(*static_cast<QKeyEvent*>(e));
    });
}

Listbox::~Listbox() = default;

void Listbox::ColumnCount(std::int64_t count) {
    ArrayBounds::CheckIndex(count, kMaxColumns);
    QTreeWidget* tree = Tree();
    columnCount_ = count;
    // Hiding and showing resize sections too; only a user's drag is remembered.
    applyingWidths_ = true;
    for (int c = 0; c < kMaxColumns; ++c) tree->setColumnHidden(c, c >= count);
    ApplyColumnWidths();
}

QString Listbox::Heading(std::int64_t column) const {
    ArrayBounds::CheckIndex(column, kMaxColumns - 1);
    return Tree()->headerItem()->text(static_cast<int>(column));
}

void Listbox::Heading(std::int64_t column, const QString& heading) {
    ArrayBounds::CheckIndex(column, kMaxColumns - 1);
    Tree()->headerItem()->setText(static_cast<int>(column), heading);
}

void Listbox::HasHeading(bool shown) { Tree()->setHeaderHidden(!shown); }

void Listbox::InitialValue(const QString& headings) {
    const QStringList names = headings.split(QLatin1Char('\t'));
    for (int c = 0; c < names.size() && c < kMaxColumns; ++c) Heading(c, names[c]);
}

void Listbox::ColumnWidths(const QString& widths) {
    columnWidths_ = widths;
    widths_.clear();
    for (QString entry : widths.split(QLatin1Char(','))) {
        entry = entry.trimmed();
        const bool percent = entry.endsWith(QLatin1Char('%'));
        if (percent) entry.chop(1);
        widths_.push_back({entry.trimmed().toDouble(), percent});
    }
    ApplyColumnWidths();
}

std::int64_t Listbox::HeaderType(std::int64_t column) const {
    ArrayBounds::CheckIndex(column, kMaxColumns - 1);
    return headerTypes_[static_cast<std::size_t>(column)];
}

void Listbox::HeaderType(std::int64_t column, std::int64_t type) {
    ArrayBounds::CheckIndex(column, kMaxColumns - 1);
    headerTypes_[static_cast<std::size_t>(column)] = type;
}

void Listbox::ColumnsResizable(bool resizable) {
    Tree()->header()->setSectionResizeMode(resizable ? QHeaderView::Interactive
                                                     : QHeaderView::Fixed);
}

void Listbox::SelectionType(std::int64_t type) {
    Tree()->setSelectionMode(type == 1 ? QAbstractItemView::ExtendedSelection
                                       : QAbstractItemView::SingleSelection);
}

void Listbox::ScrollbarHorizontal(bool shown) {
    Tree()->setHorizontalScrollBarPolicy(shown ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

void Listbox::AddRow() { Tree()->addTopLevelItem(new QTreeWidgetItem); }

std::int64_t Listbox::ListCount() const { return Tree()->topLevelItemCount(); }

QString Listbox::Cell(std::int64_t row, std::int64_t column) const {
    CheckRow(row);
    ArrayBounds::CheckIndex(column, kMaxColumns - 1);
    return Tree()->topLevelItem(static_cast<int>(row))->text(static_cast<int>(column));
}

void Listbox::Cell(std::int64_t row, std::int64_t column, const QString& text) {
    CheckRow(row);
    ArrayBounds::CheckIndex(column, kMaxColumns - 1);
    Tree()->topLevelItem(static_cast<int>(row))->setText(static_cast<int>(column), text);
}

QString Listbox::SelectedRowsText() const {
    QStringList lines;
    const QTreeWidget* tree = Tree();
    for (int r = 0; r < tree->topLevelItemCount(); ++r) {
        const QTreeWidgetItem* item = tree->topLevelItem(r);
        if (!item->isSelected()) continue;
        QStringList cells;
        for (int c = 0; c < columnCount_; ++c) cells << item->text(c);
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n'));
}

QTreeWidget* Listbox::Tree() const { return static_cast<QTreeWidget*>(GuiWidget()); }

bool Listbox::OnKeyPress(const QKeyEvent& event) {
    if (event.key() != Qt::Key_Return && event.key() != Qt::Key_Enter) return false;
    TrueWindow().PushDefaultButton();
    return true;
}

void Listbox::CheckRow(std::int64_t row) const { ArrayBounds::CheckIndex(row, ListCount() - 1); }

void Listbox::ApplyColumnWidths() {
    QTreeWidget* tree = Tree();
    const double listWidth = tree->viewport()->width();
    applyingWidths_ = true;
    for (std::size_t c = 0; c < widths_.size() && c < static_cast<std::size_t>(columnCount_); ++c) {
        const ColumnWidth& width = widths_[c];
        const double pixels = width.percent ? listWidth * width.value / 100.0 : width.value;
        tree->setColumnWidth(static_cast<int>(c), static_cast<int>(std::lround(pixels)));
    }
    applyingWidths_ = false;
}

// A border dragged by the user keeps its new share of the width.
void Listbox::RememberDraggedWidth(int column, int width) {
    if (applyingWidths_ || column < 0 || static_cast<std::size_t>(column) >= widths_.size()) {
        return;
    }
    const int listWidth = Tree()->viewport()->width();
    if (listWidth <= 0) return;
    widths_[static_cast<std::size_t>(column)] = {100.0 * width / listWidth, true};
}
