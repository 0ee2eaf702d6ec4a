#pragma once

#include <cstdint>

// The three controls that the results splitter moves, and the window cursor.
enum class SplitterPart { List, Grip, Notes };
enum class SplitterCursor { SplitterNorthSouth, StandardPointer };

class SplitterLayout {
public:
    virtual ~SplitterLayout() = default;

    // Window coordinates; y grows downwards.
    virtual std::int64_t Left(SplitterPart part) const = 0;
    virtual std::int64_t Top(SplitterPart part) const = 0;
    virtual std::int64_t Width(SplitterPart part) const = 0;
    virtual std::int64_t Height(SplitterPart part) const = 0;
    virtual void SetTop(SplitterPart part, std::int64_t top) = 0;
    virtual void SetHeight(SplitterPart part, std::int64_t height) = 0;

    virtual void SetMouseCursor(SplitterCursor cursor) = 0;
};
