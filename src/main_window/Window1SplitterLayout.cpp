#include "main_window/Window1SplitterLayout.h"

#include "main_window/Window1.h"

std::int64_t Window1SplitterLayout::Left(SplitterPart part) const { return Control(part).Left(); }
std::int64_t Window1SplitterLayout::Top(SplitterPart part) const { return Control(part).Top(); }
std::int64_t Window1SplitterLayout::Width(SplitterPart part) const { return Control(part).Width(); }
std::int64_t Window1SplitterLayout::Height(SplitterPart part) const {
    return Control(part).Height();
}
void Window1SplitterLayout::SetTop(SplitterPart part, std::int64_t top) { Control(part).Top(top); }
void Window1SplitterLayout::SetHeight(SplitterPart part, std::int64_t height) {
    Control(part).Height(height);
}

void Window1SplitterLayout::SetMouseCursor(SplitterCursor cursor) {
    window_.MouseCursor(cursor == SplitterCursor::SplitterNorthSouth ? Cursors::SplitterNorthSouth
                                                                     : Cursors::StandardPointer);
}

RectControl& Window1SplitterLayout::Control(SplitterPart part) const {
    switch (part) {
        case SplitterPart::List:
            return window_.Listbox1();
        case SplitterPart::Grip:
            return window_.Separator1();
        case SplitterPart::Notes:
            break;
    }
    return window_.TextArea1();
}
