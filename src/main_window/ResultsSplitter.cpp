#include "main_window/ResultsSplitter.h"

namespace {

constexpr std::int64_t kMinimumPaneHeight = 50;  // exclusive
constexpr std::int64_t kGripAboveNotes = 8;

}  // namespace

ResultsSplitter::ResultsSplitter(SplitterLayout& layout) : layout_(layout) {}

// Right of the list's left edge and within 4 rows of the grip's top; the press
// has no right bound.
bool ResultsSplitter::InGripRows(std::int64_t x, std::int64_t y) const {
    const std::int64_t gripTop = layout_.Top(SplitterPart::Grip);
    return layout_.Left(SplitterPart::List) < x && gripTop - 5 < y && y < gripTop + 5;
}

void ResultsSplitter::MouseMove(std::int64_t x, std::int64_t y) {
    const bool overGrip = InGripRows(x, y) &&
                          x < layout_.Left(SplitterPart::List) + layout_.Width(SplitterPart::List);
    layout_.SetMouseCursor(overGrip ? SplitterCursor::SplitterNorthSouth
                                    : SplitterCursor::StandardPointer);
}

bool ResultsSplitter::MouseDown(std::int64_t x, std::int64_t y) {
    if (!InGripRows(x, y)) return false;
    splitDrag = true;
    ySplitInit = y;
    LBdefaultHt = layout_.Height(SplitterPart::List);
    TAdefaultHt = layout_.Height(SplitterPart::Notes);
    defaultTopTA = layout_.Top(SplitterPart::Notes);
    return true;
}

void ResultsSplitter::MouseDrag(std::int64_t /*x*/, std::int64_t y) {
    if (!splitDrag) return;
    const std::int64_t dy = y - ySplitInit;
    if (TAdefaultHt - dy > kMinimumPaneHeight && LBdefaultHt + dy > kMinimumPaneHeight) {
        layout_.SetHeight(SplitterPart::List, LBdefaultHt + dy);
        layout_.SetTop(SplitterPart::Notes, defaultTopTA + dy);
        layout_.SetHeight(SplitterPart::Notes, TAdefaultHt - dy);
        layout_.SetTop(SplitterPart::Grip, defaultTopTA + dy - kGripAboveNotes);
    }
}

void ResultsSplitter::MouseUp(std::int64_t /*x*/, std::int64_t /*y*/) { splitDrag = false; }
