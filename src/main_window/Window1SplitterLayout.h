#pragma once

#include "main_window/SplitterLayout.h"

class RectControl;
class Window1;

// The three controls the results splitter moves, and the window's cursor.
class Window1SplitterLayout : public SplitterLayout {
public:
    explicit Window1SplitterLayout(class Window1& window) : window_(window) {}

    std::int64_t Left(SplitterPart part) const override;
    std::int64_t Top(SplitterPart part) const override;
    std::int64_t Width(SplitterPart part) const override;
    std::int64_t Height(SplitterPart part) const override;
    void SetTop(SplitterPart part, std::int64_t top) override;
    void SetHeight(SplitterPart part, std::int64_t height) override;
    void SetMouseCursor(SplitterCursor cursor) override;

private:
    RectControl& Control(SplitterPart part) const;

    class Window1& window_;
};
