#include "graph/PictureLayers.h"

#include "platform/memory/RecordingSurface.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using platform::Primitive;
using platform::RecordingSurface;

struct Counted {
    std::vector<RecordingSurface*> made;
    PictureLayers layers{[this](platform::Size size) {
        auto surface = std::make_unique<RecordingSurface>(size);
        made.push_back(surface.get());
        return surface;
    }};
    int bases = 0, overlays = 0;

    PictureLayers::PaintRequest Request(bool pictureValid = true, bool gridChanged = false) {
        PictureLayers::PaintRequest r;
        r.size = {40, 30};
        r.background = {1, 2, 3};
        r.pictureValid = pictureValid;
        r.gridChanged = gridChanged;
        r.drawBase = [this](platform::Surface&) { ++bases; };
        r.drawOverlay = [this](platform::Surface&) { ++overlays; };
        return r;
    }
    void ClearRecords() {
        for (RecordingSurface* s : made)
            s->Clear();
    }
    std::size_t Recorded() const {
        std::size_t n = 0;
        for (RecordingSurface* s : made)
            n += s->Primitives().size();
        return n;
    }
};

// Nothing stale: only layer 0 goes to the front; no layer is drawn on.
TEST(PictureLayers, UnchangedRepaintIsOneCopy) {
    Counted c;
    RecordingSurface front({40, 30});
    c.layers.Paint(front, c.Request(false));
    c.ClearRecords();
    front.Clear();
    EXPECT_FALSE(c.layers.Paint(front, c.Request()));
    EXPECT_EQ(c.Recorded(), 0u);
    ASSERT_EQ(front.Primitives().size(), 1u);
    EXPECT_EQ(front.Primitives()[0].kind, Primitive::Blit);
    EXPECT_EQ(c.bases, 1);
    EXPECT_EQ(c.overlays, 1);
}

TEST(PictureLayers, WhatEachInvalidationRedraws) {
    struct Row {
        const char* what;
        int level;
        bool pictureValid, gridChanged;
        int bases, overlays;
    } rows[] = {
        {"overlay only", 0, true, false, 0, 1},
        {"base layer", 1, true, false, 1, 1},
        {"picture invalid", -1, false, false, 1, 1},
        {"grid changed", -1, true, true, 1, 1},
        {"layer 2 alone", 2, true, false, 0, 0},
        {"negative level", -1, true, false, 0, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        Counted c;
        RecordingSurface front({40, 30});
        c.layers.Paint(front, c.Request(false));
        c.bases = c.overlays = 0;
        c.layers.InvalidateLayer(r.level);
        c.layers.Paint(front, c.Request(r.pictureValid, r.gridChanged));
        EXPECT_EQ(c.bases, r.bases);
        EXPECT_EQ(c.overlays, r.overlays);
    }
}

TEST(PictureLayers, CreateLayersFillsTheLastWithBackground) {
    Counted c;
    c.layers.CreateLayers(2, {40, 30}, {9, 8, 7});
    ASSERT_EQ(c.made.size(), 3u);
    EXPECT_TRUE(c.made[0]->Primitives().empty());
    const auto fills = c.made[2]->OfKind(Primitive::FillRect);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].colour, (platform::Rgb{9, 8, 7}));
    EXPECT_FALSE(c.layers.IsValid(0));
    RecordingSurface target({40, 30});
    PictureLayers empty{[](platform::Size) { return std::unique_ptr<platform::Surface>(); }};
    empty.BlitLayer(1, target, {0, 0}, {40, 30});
    EXPECT_TRUE(target.Primitives().empty());
}

} // namespace
} // namespace korvane
