#include "main_window/ResultsSplitter.h"

#include <gtest/gtest.h>

#include <map>

namespace {

struct Rect {
    std::int64_t left, top, width, height;
};

// The three controls at their design positions in the main window.
class FakeLayout : public SplitterLayout {
public:
    std::int64_t Left(SplitterPart part) const override { return rects.at(part).left; }
    std::int64_t Top(SplitterPart part) const override { return rects.at(part).top; }
    std::int64_t Width(SplitterPart part) const override { return rects.at(part).width; }
    std::int64_t Height(SplitterPart part) const override { return rects.at(part).height; }
    void SetTop(SplitterPart part, std::int64_t top) override { rects.at(part).top = top; }
    void SetHeight(SplitterPart part, std::int64_t height) override {
        rects.at(part).height = height;
    }
    void SetMouseCursor(SplitterCursor shown) override { cursor = shown; }

    std::map<SplitterPart, Rect> rects{{SplitterPart::List, {20, 271, 482, 91}},
                                       {SplitterPart::Grip, {20, 366, 482, 4}},
                                       {SplitterPart::Notes, {20, 374, 482, 130}}};
    SplitterCursor cursor = SplitterCursor::StandardPointer;
};

// List height, notes top, notes height, grip top.
struct Positions {
    std::int64_t listHeight, notesTop, notesHeight, gripTop;
    bool operator==(const Positions& o) const {
        return listHeight == o.listHeight && notesTop == o.notesTop &&
               notesHeight == o.notesHeight && gripTop == o.gripTop;
    }
};

Positions PositionsOf(const FakeLayout& layout) {
    return {layout.Height(SplitterPart::List), layout.Top(SplitterPart::Notes),
            layout.Height(SplitterPart::Notes), layout.Top(SplitterPart::Grip)};
}

const Positions kDesign{91, 374, 130, 366};

TEST(ResultsSplitterTest, HoverBandAtTheDesignLayout) {
    struct Case {
        std::int64_t x, y;
        bool overGrip;
    };
    const Case cases[] = {{21, 362, true},   {501, 370, true},  {260, 366, true},
                          {100, 361, false}, {100, 371, false}, {20, 366, false},
                          {502, 366, false}, {510, 366, false}};
    FakeLayout layout;
    ResultsSplitter splitter(layout);
    for (const Case& c : cases) {
        splitter.MouseMove(c.x, c.y);
        EXPECT_EQ(layout.cursor,
                  c.overGrip ? SplitterCursor::SplitterNorthSouth : SplitterCursor::StandardPointer)
            << c.x << "," << c.y;
    }
    EXPECT_FALSE(splitter.splitDrag);
}

TEST(ResultsSplitterTest, PressBandHasNoRightBound) {
    struct Case {
        std::int64_t x, y;
        bool starts;
    };
    const Case cases[] = {{510, 366, true}, {21, 362, true},   {5000, 370, true},
                          {20, 366, false}, {100, 361, false}, {100, 371, false}};
    for (const Case& c : cases) {
        FakeLayout layout;
        ResultsSplitter splitter(layout);
        EXPECT_EQ(splitter.MouseDown(c.x, c.y), c.starts) << c.x << "," << c.y;
        EXPECT_EQ(splitter.splitDrag, c.starts);
        EXPECT_EQ(PositionsOf(layout), kDesign);
    }
}

TEST(ResultsSplitterTest, DragMovesTheBoundaryWithinTheLimits) {
    struct Case {
        std::int64_t dy;
        Positions after;
    };
    const Case cases[] = {
        {-40, {51, 334, 170, 326}},
        {79, {170, 453, 51, 445}},
        {10, {101, 384, 120, 376}},
        {-41, kDesign},
        {80, kDesign},
    };
    for (const Case& c : cases) {
        FakeLayout layout;
        ResultsSplitter splitter(layout);
        ASSERT_TRUE(splitter.MouseDown(100, 365));
        splitter.MouseDrag(0, 365 + c.dy);
        EXPECT_EQ(PositionsOf(layout), c.after) << c.dy;
        EXPECT_EQ(layout.Top(SplitterPart::List), 271);
    }
}

TEST(ResultsSplitterTest, JumpPastLimitKeepsLastPositionAndDragsChain) {
    FakeLayout layout;
    ResultsSplitter splitter(layout);
    ASSERT_TRUE(splitter.MouseDown(100, 366));
    EXPECT_EQ(splitter.ySplitInit, 366);
    EXPECT_EQ(splitter.LBdefaultHt, 91);
    EXPECT_EQ(splitter.TAdefaultHt, 130);
    EXPECT_EQ(splitter.defaultTopTA, 374);
    splitter.MouseDrag(0, 356);
    splitter.MouseDrag(0, 200);  // beyond the upper limit: stays at dy = -10
    const Positions up10{81, 364, 140, 356};
    EXPECT_EQ(PositionsOf(layout), up10);
    splitter.MouseDrag(0, 346);  // back within the limits: follows again
    EXPECT_EQ(PositionsOf(layout), (Positions{71, 354, 150, 346}));
    splitter.MouseUp(0, 0);
    EXPECT_FALSE(splitter.splitDrag);
    splitter.MouseDrag(0, 400);  // after the release
    EXPECT_EQ(PositionsOf(layout), (Positions{71, 354, 150, 346}));

    // The second drag starts from where the first one left the controls.
    ASSERT_TRUE(splitter.MouseDown(100, 346));
    splitter.MouseDrag(0, 346 + 20);
    EXPECT_EQ(PositionsOf(layout), (Positions{91, 374, 130, 366}));
    splitter.MouseUp(0, 0);

    // A press outside the band starts no drag.
    EXPECT_FALSE(splitter.MouseDown(100, 300));
    splitter.MouseDrag(0, 330);
    EXPECT_EQ(PositionsOf(layout), kDesign);
}

}  // namespace
