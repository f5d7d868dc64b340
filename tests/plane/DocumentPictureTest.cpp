// A document with system solutions, dy/dx solutions and searched implicit pieces, saved
// and opened again in a new window, draws the very same picture: the pieces come back
// from the file and are replayed, not searched again.
#include "PictureTestSupport.h"
#include "tests/support/PlaneWindowTestSupport.h"
#include "plane/TPlot2Win.h"
#include "platform/FileIO.h"
#include "platform/memory/MemoryPlatform.h"
#include "platform/memory/RasterSurface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace korvane {
namespace {

using platform::RasterSurface;

TrajectoryRecord SystemStart(long double x, long double y, long double t1, std::int16_t colour) {
    TrajectoryRecord r;
    r.SetI16(tro::kKind, kSystem);
    r.SetReal(tro::kStartX, x);
    r.SetReal(tro::kStartY, y);
    r.SetReal(tro::kStartT, 0);
    r.SetReal(tro::kEndT, t1);
    r.SetI16(tro::kDirectionX, 0);
    r.SetI16(tro::kDirectionY, 1);
    r.SetI16(tro::kDirectionZ, -1);
    r.SetI16(tro::kColour, colour);
    r.SetI16(tro::kWidth, 1);
    return r;
}

TrajectoryRecord SlopeStart(long double x, long double y, long double h, int method, std::int16_t colour) {
    TrajectoryRecord r;
    r.SetI16(tro::kKind, kSlopeField);
    r.SetReal(tro::kStartX, x);
    r.SetReal(tro::kStartY, y);
    r.SetReal(tro::kStepSize, h);
    r.SetReal(tro::kEndT, 100000);
    r.SetI16(tro::kMethod, static_cast<std::int16_t>(method));
    r.SetI16(tro::kColour, colour);
    r.SetI16(tro::kWidth, 2);
    return r;
}

// The colours of the examples and their solutions, so that the picture tells them apart.
constexpr std::int16_t kSystemColour = 4, kSpiralColour = 5, kSlopeColour = 9, kBackColour = 10,
                       kCircleColour = 12, kLemniscateColour = 14, kFieldColour = 16;

void Fill(TPlot2Win& w) {
    ExampleTable& examples = w.Examples();
    ExampleRecord& rotation = examples[examples.Append(kSystem, kSystemColour)];
    rotation.texts[0] = "-y";
    rotation.texts[1] = "x";
    rotation.SetFlag(exo::kFlag53, true);
    rotation.trajectories.push_back(SystemStart(1, 0, 100, kSystemColour));
    ExampleRecord& spiral = examples[examples.Append(kSystem, kSpiralColour)];
    spiral.texts[0] = "-y-x/10";
    spiral.texts[1] = "x-y/10+sin(t)/5";
    spiral.SetFlag(exo::kFlag53, false);
    spiral.trajectories.push_back(SystemStart(3, 0, 30, kSpiralColour));

    ExampleRecord& slope = examples[examples.Append(kSlopeField, kSlopeColour)];
    slope.texts[2] = "x-y";
    slope.SetI16(exo::kRadio, 1);
    slope.SetI16(exo::kColumns, 12);
    slope.SetI16(exo::kMarkLength10, 15);
    slope.SetI16(exo::kPen24, kFieldColour);
    slope.trajectories.push_back(SlopeStart(0, 0, 0.05L, 2, kSlopeColour));
    slope.trajectories.push_back(SlopeStart(0, 2, -0.05L, 1, kBackColour));
    slope.trajectories.push_back(SlopeStart(-3, -1, 0.1L, 0, kSlopeColour));

    const struct {
        const char* equation;
        const char* difference;
        std::int16_t colour;
    } implicit[] = {{"xx+yy=13", "xx+yy-(13)", kCircleColour},
                    {"(xx+yy)^2=2(xx-yy)", "(xx+yy)^2-(2(xx-yy))", kLemniscateColour}};
    for (const auto& row : implicit) {
        ExampleRecord& e = examples[examples.Append(kImplicit, row.colour)];
        e.texts[4] = row.equation;
        e.texts[2] = row.difference;
        e.SetFlag(exo::kFlag56, true);
    }
}

class DocumentPicture : public planetest::PlaneWindowTest {
protected:
    // The base picture as a paint builds it: background, axes, every example.
    static RasterSurface Picture(TPlot2Win& w) {
        RasterSurface surface(w.ClientSize());
        w.ClearToBackground(surface);
        w.DrawBase(surface);
        return surface;
    }
};

TEST_F(DocumentPicture, ReopenedDocumentDrawsTheSamePicture) {
    const std::string path = PathOf("figura.kv2");
    auto& first = window;
    Fill(*first);
    ASSERT_EQ(first->RecompileAll(), 0);
    const auto searched = planetest::PixelsOf(Picture(*first));
    std::vector<std::size_t> pieces;
    for (int i = 0; i <= first->Examples().LastExample(); ++i) {
        const ExampleRecord& e = first->Examples()[i];
        if (e.Kind() == kImplicit) {
            EXPECT_FALSE(e.Flag(exo::kFlag56)) << e.texts[4];
            EXPECT_FALSE(e.trajectories.empty()) << e.texts[4];
        }
        pieces.push_back(e.trajectories.size());
    }
    EXPECT_TRUE(planetest::PixelsOf(Picture(*first)) == searched) << "the pieces replayed";
    ASSERT_EQ(first->SaveDocument(path), 0);

    auto second = MakeWindow();
    ASSERT_EQ(second->OpenDocument(path), 0);
    ASSERT_EQ(second->Examples().LastExample(), first->Examples().LastExample());
    const RasterSurface reopened = Picture(*second);
    EXPECT_TRUE(planetest::PixelsOf(reopened) == searched) << "the reopened document";
    // Each kind left its mark, so that an empty picture cannot pass for the same one.
    const struct {
        const char* what;
        std::int16_t colour;
        int minimum;
    } rows[] = {
        {"closed orbit", kSystemColour, 100},    {"time-dependent spiral", kSpiralColour, 100},
        {"dy/dx forward", kSlopeColour, 100},    {"dy/dx backward", kBackColour, 50},
        {"circle", kCircleColour, 200},          {"lemniscate", kLemniscateColour, 100},
        {"slope marks", kFieldColour, 100},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_GE(reopened.CountPixels(second->PenRgb(row.colour)), row.minimum);
    }
    for (int i = 0; i <= second->Examples().LastExample(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(second->Examples()[i].trajectories.size(), pieces[static_cast<std::size_t>(i)]);
    }
    EXPECT_TRUE(platform.Messages().empty());
}

// A damaged file, or another writer that leaves them blank: a window size and view reals
// of zero give the default window and view, whose picture holds the whole curve.
TEST_F(DocumentPicture, BlankWindowSizeAndViewFallBackToTheDefaults) {
    const std::string path = PathOf("em-branco.kv2");
    window->Colours().slots[kSlotBackground].index = kBackColour; // not the surface's own white
    ExampleRecord& e = window->Examples()[window->Examples().Append(kImplicit, kCircleColour)];
    e.texts[4] = "xx+yy=13";
    e.texts[2] = "xx+yy-(13)";
    e.SetFlag(exo::kFlag56, true);
    ASSERT_EQ(window->SaveDocument(path), 0);
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(ReadWholeFile(path, bytes));
    constexpr std::size_t kRealsAt = 80 + 10 * (4 + 60 + 4) + 4 * 17 + 15 * 2 + 160 + 50;
    std::fill(bytes.begin() + 8, bytes.begin() + 24, 0); // position and size
    std::fill(bytes.begin() + kRealsAt, bytes.begin() + kRealsAt + 800, 0);
    ASSERT_TRUE(WriteFileAtomically(path, bytes));

    auto w = MakeWindow();
    ASSERT_EQ(w->OpenDocument(path), 0);
    // As "--export ... --size 600x450" draws it.
    RasterSurface picture({600, 450});
    w->SyncPixelSizes();
    w->GetView().SetClientSize(600, 450);
    w->GetView().Recompute();
    w->ClearToBackground(picture);
    w->DrawBase(picture);
    for (const platform::Point corner : {platform::Point{599, 449}, platform::Point{599, 1}, platform::Point{1, 449}})
        EXPECT_EQ(picture.GetPixel(corner), w->BackgroundRgb()) << "the background fills the picture";
    EXPECT_GE(picture.CountPixels(w->PenRgb(kCircleColour)), 400) << "the circle of radius 3.6";
    EXPECT_NEAR(static_cast<double>(w->GetView().xmax), 5, 1e-9);
}

} // namespace
} // namespace korvane
