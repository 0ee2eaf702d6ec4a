#include "framework/Listbox.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStringList>
#include <QTreeWidget>
#include <cmath>

#include "framework/ArrayBounds.h"
#include "framework/EventFilter.h"
#include "framework/Window.h"

Listbox::Listbox(Window& window) : RectControl(window, NewWidget<QTreeWidget>()) {
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
    state_->resizeWatch = std::make_unique<EventFilter>(tree->viewport(), [this](QEvent* e) {
        if (e->type() == QEvent::Resize) ApplyColumnWidths();
        return false;
    });
    state_->keyWatch = std::make_unique<EventFilter>(tree, [this](QEvent* e) {
        return e->type() == QEvent::KeyPress && OnKeyPress(*static_cast<QKeyEvent*>(e));
    });
}

Listbox::~Listbox() = default;

void Listbox::ColumnCount(std::int64_t count) {
    State& state = *state_;
    ArrayBounds::CheckIndex(count, kMaxColumns);
    QTreeWidget* tree = Tree();
    state.columnCount = count;
    // Hiding and showing resize sections too; only a user's drag is remembered.
    state.applyingWidths = true;
    for (int c = 0; c < kMaxColumns; ++c) tree->setColumnHidden(c, c >= count);
    ApplyColumnWidths();
}

QString Listbox::Heading(std::int64_t column) const {
    const QTreeWidget* tree = Tree();
    ArrayBounds::CheckIndex(column, kMaxColumns - 1);
    return tree->headerItem()->text(static_cast<int>(column));
}

void Listbox::Heading(std::int64_t column, const QString& heading) {
    QTreeWidget* tree = Tree();
    ArrayBounds::CheckIndex(column, kMaxColumns - 1);
    tree->headerItem()->setText(static_cast<int>(column), heading);
}

void Listbox::HasHeading(bool shown) { Tree()->setHeaderHidden(!shown); }

void Listbox::InitialValue(const QString& headings) {
    const QStringList names = headings.split(QLatin1Char('\t'));
    for (int c = 0; c < names.size() && c < kMaxColumns; ++c) Heading(c, names[c]);
}

void Listbox::ColumnWidths(const QString& widths) {
    State& state = *state_;
    state.columnWidths = widths;
    state.widths.clear();
    for (QString entry : widths.split(QLatin1Char(','))) {
        entry = entry.trimmed();
        const bool percent = entry.endsWith(QLatin1Char('%'));
        if (percent) entry.chop(1);
        state.widths.push_back({entry.trimmed().toDouble(), percent});
    }
    ApplyColumnWidths();
}

std::int64_t Listbox::HeaderType(std::int64_t column) const {
    const State& state = *state_;
    ArrayBounds::CheckIndex(column, kMaxColumns - 1);
    return state.headerTypes[static_cast<std::size_t>(column)];
}

void Listbox::HeaderType(std::int64_t column, std::int64_t type) {
    State& state = *state_;
    ArrayBounds::CheckIndex(column, kMaxColumns - 1);
    state.headerTypes[static_cast<std::size_t>(column)] = type;
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

// A list that showed its last row shows the new one, as a log does; one
// scrolled up to earlier rows stays where it is.
void Listbox::AddRow() {
    QTreeWidget* tree = Tree();
    const QScrollBar* bar = tree->verticalScrollBar();
    const bool showedEnd = state_->scrollToEndPending || bar->value() >= bar->maximum();
    tree->addTopLevelItem(new QTreeWidgetItem);
    if (showedEnd) ScrollToEndSoon();
}

// Once for rows added together, when control is back in the event loop:
// scrolling lays out every row of the list, which a scroll per row would
// make the cost of adding one grow with the list.
void Listbox::ScrollToEndSoon() {
    State& state = *state_;
    if (state.scrollToEndPending) return;
    state.scrollToEndPending = true;
    QMetaObject::invokeMethod(
        Guard(),
        [this] {
            state_->scrollToEndPending = false;
            Tree()->scrollToBottom();
        },
        Qt::QueuedConnection);
}

std::int64_t Listbox::ListCount() const { return Tree()->topLevelItemCount(); }

QString Listbox::Cell(std::int64_t row, std::int64_t column) const {
    const QTreeWidget* tree = Tree();
    CheckRow(row);
    ArrayBounds::CheckIndex(column, kMaxColumns - 1);
    return tree->topLevelItem(static_cast<int>(row))->text(static_cast<int>(column));
}

void Listbox::Cell(std::int64_t row, std::int64_t column, const QString& text) {
    QTreeWidget* tree = Tree();
    CheckRow(row);
    ArrayBounds::CheckIndex(column, kMaxColumns - 1);
    tree->topLevelItem(static_cast<int>(row))->setText(static_cast<int>(column), text);
}

QString Listbox::SelectedRowsText() const {
    const QTreeWidget* tree = Tree();
    const std::int64_t columnCount = state_->columnCount;
    QStringList lines;
    for (int r = 0; r < tree->topLevelItemCount(); ++r) {
        const QTreeWidgetItem* item = tree->topLevelItem(r);
        if (!item->isSelected()) continue;
        QStringList cells;
        for (int c = 0; c < columnCount; ++c) cells << item->text(c);
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n'));
}

QTreeWidget* Listbox::Tree() const { return static_cast<QTreeWidget*>(Widget()); }

bool Listbox::OnKeyPress(const QKeyEvent& event) {
    if (event.key() != Qt::Key_Return && event.key() != Qt::Key_Enter) return false;
    TrueWindow().PushDefaultButton();
    return true;
}

void Listbox::CheckRow(std::int64_t row) const { ArrayBounds::CheckIndex(row, ListCount() - 1); }

void Listbox::ApplyColumnWidths() {
    State& state = *state_;
    QTreeWidget* tree = Tree();
    const double listWidth = tree->viewport()->width();
    state.applyingWidths = true;
    const auto shown = static_cast<std::size_t>(state.columnCount);
    for (std::size_t c = 0; c < state.widths.size() && c < shown; ++c) {
        const ColumnWidth& width = state.widths[c];
        const double pixels = width.percent ? listWidth * width.value / 100.0 : width.value;
        tree->setColumnWidth(static_cast<int>(c), static_cast<int>(std::lround(pixels)));
    }
    state.applyingWidths = false;
}

// A border dragged by the user keeps its new share of the width.
void Listbox::RememberDraggedWidth(int column, int width) {
    State& state = *state_;
    if (state.applyingWidths || column < 0 ||
        static_cast<std::size_t>(column) >= state.widths.size()) {
        return;
    }
    const int listWidth = Tree()->viewport()->width();
    if (listWidth <= 0) return;
    state.widths[static_cast<std::size_t>(column)] = {100.0 * width / listWidth, true};
}
