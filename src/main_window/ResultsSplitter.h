#pragma once

#include <cstdint>

#include "main_window/SplitterLayout.h"

// The draggable boundary between the results list and the notes area. A press
// in a thin band around the grip starts a drag; the drag moves the list's
// bottom edge, the grip and the notes area's top edge together, and never
// makes either pane 50 high or less.
class ResultsSplitter {
public:
    explicit ResultsSplitter(SplitterLayout& layout);

    void MouseMove(std::int64_t x, std::int64_t y);
    // True when the press starts a drag of the grip.
    bool MouseDown(std::int64_t x, std::int64_t y);
    void MouseDrag(std::int64_t x, std::int64_t y);
    void MouseUp(std::int64_t x, std::int64_t y);

    // The state of a drag: meaningful only while splitDrag is true.
    std::int64_t LBdefaultHt = 0;
    std::int64_t TAdefaultHt = 0;
    bool splitDrag = false;
    std::int64_t ySplitInit = 0;
    std::int64_t defaultTopTA = 0;

private:
    bool InGripRows(std::int64_t x, std::int64_t y) const;

    SplitterLayout& layout_;
};
