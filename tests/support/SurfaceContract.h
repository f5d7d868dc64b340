#pragma once
// What every drawing surface does alike, run on the raster surface of the tests and on the
// Qt surface of the program: line and rectangle edges, the inverting modes of the rubber
// band, and the block-copy operations.
#include "platform/Surface.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace korvane::testing {

using MakeSurface = std::function<std::unique_ptr<platform::Surface>(platform::Size, platform::Rgb)>;

inline int CountOf(const platform::Surface& s, platform::Rgb colour) {
    int n = 0;
    for (int y = 0; y < s.GetSize().height; ++y)
        for (int x = 0; x < s.GetSize().width; ++x)
            n += s.GetPixel({x, y}) == colour;
    return n;
}

inline bool SamePixels(const platform::Surface& a, const platform::Surface& b) {
    for (int y = 0; y < a.GetSize().height; ++y)
        for (int x = 0; x < a.GetSize().width; ++x)
            if (a.GetPixel({x, y}) != b.GetPixel({x, y}))
                return false;
    return true;
}

// Lines include both ends; rectangles exclude their right and bottom edges.
inline void CheckLineAndRectangleEdges(const MakeSurface& make) {
    using namespace platform;
    constexpr Rgb kRed{255, 0, 0}, kBlue{0, 0, 255};
    auto line = make({20, 20}, kWhite);
    line->SetPen({kRed, 1, PenStyle::Solid});
    line->Line({2, 3}, {9, 3});
    EXPECT_EQ(CountOf(*line, kRed), 8);
    EXPECT_EQ(*line->GetPixel({9, 3}), kRed);
    EXPECT_EQ(*line->GetPixel({10, 3}), kWhite);

    auto box = make({20, 20}, kWhite);
    box->SetPen({kRed, 1, PenStyle::Solid});
    box->SetBrush({kBlue, BrushStyle::Solid});
    box->Rectangle({1, 2, 6, 6}); // 5 x 4
    EXPECT_EQ(CountOf(*box, kRed), 2 * 5 + 2 * 2);
    EXPECT_EQ(CountOf(*box, kBlue), 3 * 2);
    EXPECT_EQ(*box->GetPixel({5, 5}), kRed);
    EXPECT_EQ(*box->GetPixel({6, 5}), kWhite);
    EXPECT_EQ(*box->GetPixel({2, 3}), kBlue);
}

// The zoom rubber band: an outline in NotXor with a black pen (or Xor with a white one)
// inverts what is under it, each pixel once, corners included, and a second one restores it.
inline void CheckInvertingModesRestore(const MakeSurface& make) {
    using namespace platform;
    const std::vector<Point> closed = {{1, 1}, {15, 1}, {15, 12}, {1, 12}, {1, 1}};
    struct Row {
        const char* name;
        std::function<void(Surface&)> draw;
        Point probe;
    } rows[] = {
        {"rectangle", [](Surface& s) { s.Rectangle({2, 2, 17, 13}); }, {2, 2}},
        {"closed polyline", [&](Surface& s) { s.Polyline(closed); }, {1, 1}},
        {"polygon", [&](Surface& s) { s.Polygon(std::span(closed).first(4)); }, {1, 1}},
        {"line", [](Surface& s) { s.Line({0, 5}, {19, 9}); }, {0, 5}},
        {"ellipse", [](Surface& s) { s.Ellipse({3, 3, 15, 12}); }, {9, 3}},
    };
    for (DrawMode mode : {DrawMode::NotXor, DrawMode::Xor}) {
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(row.name) + (mode == DrawMode::Xor ? " xor" : " notxor"));
            auto s = make({20, 15}, kWhite);
            auto before = make({20, 15}, kWhite);
            for (Surface* each : {s.get(), before.get()})
                each->FillRect({0, 0, 10, 15}, {10, 200, 30});
            s->SetPen({mode == DrawMode::Xor ? kWhite : kBlack, 1, PenStyle::Solid});
            s->SetBrush({kWhite, BrushStyle::Hollow});
            s->SetDrawMode(mode);
            row.draw(*s);
            const Rgb under = *before->GetPixel(row.probe);
            const Rgb inverted{std::uint8_t(255 - under.r), std::uint8_t(255 - under.g), std::uint8_t(255 - under.b)};
            EXPECT_EQ(*s->GetPixel(row.probe), inverted);
            row.draw(*s);
            EXPECT_TRUE(SamePixels(*s, *before));
        }
    }
}

inline void CheckBlitOperations(const MakeSurface& make) {
    using namespace platform;
    constexpr Rgb kRed{255, 0, 0}, kBlue{0, 0, 255};
    auto source = make({4, 4}, kRed);
    source->SetPixel({1, 1}, kBlue);
    struct Row {
        const char* name;
        BlitOp op;
        Rgb before, expectedRed, expectedBlue;
    } rows[] = {
        {"copy", BlitOp::Copy, kWhite, kRed, kBlue},
        {"xor", BlitOp::Xor, kWhite, {0, 255, 255}, {255, 255, 0}},
        {"and", BlitOp::And, {255, 255, 0}, {255, 0, 0}, {0, 0, 0}},
        {"or", BlitOp::Or, {0, 255, 0}, {255, 255, 0}, {0, 255, 255}},
        {"invert destination", BlitOp::InvertDest, {0, 255, 0}, {255, 0, 255}, {255, 0, 255}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        auto dest = make({6, 6}, row.before);
        dest->Blit({2, 2}, *source, {0, 0, 2, 2}, row.op);
        EXPECT_EQ(*dest->GetPixel({2, 2}), row.expectedRed);
        EXPECT_EQ(*dest->GetPixel({3, 3}), row.expectedBlue);
        EXPECT_EQ(*dest->GetPixel({4, 4}), row.before);
        EXPECT_EQ(*dest->GetPixel({1, 2}), row.before);
    }
}

inline void CheckSurfaceContract(const MakeSurface& make) {
    CheckLineAndRectangleEdges(make);
    CheckInvertingModesRestore(make);
    CheckBlitOperations(make);
}

} // namespace korvane::testing
