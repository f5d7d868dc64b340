// The space documents in examples/ are made here by space windows as a user fills them:
// run with KORVANE_WRITE_EXAMPLES=<folder> to write them again. Every run checks that
// what the windows write opens again with the same observer and the same picture, and
// that the committed files open and draw.
#include "SpaceWindowTestSupport.h"

#include "platform/FileIO.h"
#include "platform/memory/MemoryDialog.h"
#include "space/SurfaceRecord.h"
#include "space/TLevelsDlg.h"
#include "space/TSpaceObjectDlg.h"
#include "space/TSurfaceDlg.h"

#include <cstdlib>
#include <functional>

namespace korvane {
namespace {

namespace fs = std::filesystem;

class SpaceExamples : public spacetest::SpaceWindowTest {
protected:
    struct Example {
        const char* file;
        int records;
        std::function<void()> fill;
    };

    std::vector<Example> Examples() {
        using D = TSurfaceDlg;
        return {
            {"superficie.kv3", 1, [this] {
                 New(cmd::kNewSurfaceExplicit);
                 window->OnCommand(cmd::kBoxShown);
                 window->OnCommand(cmd::kTurnBack);
                 window->OnCommand(cmd::kRaise);
             }},
            {"cilindrica.kv3", 1, [this] {
                 New(cmd::kNewSurfaceCylindrical, {{217, "48"}});
                 window->OnCommand(cmd::kApproach);
             }},
            {"esfera.kv3", 1, [this] {
                 New(cmd::kNewSurfaceParametric, {}, {D::kFast});
                 window->OnCommand(cmd::kAxes);
             }},
            {"lenta.kv3", 1, [this] {
                 New(cmd::kNewSurfaceExplicit, {{213, "cos(x)sin(y)"}, {216, "16"}, {217, "16"}}, {D::kFast});
                 window->OnCommand(cmd::kBoxShown);
             }},
            {"entrelacadas.kv3", 2, [this] {
                 New(cmd::kNewSurfaceExplicit, {{213, "cos(x)cos(y)"}});
                 New(cmd::kNewSurfaceExplicit, {{213, "0.25x+0.25y"}}, {D::kSpectrum, D::kShade});
                 window->OnCommand(cmd::kBoxShown);
             }},
            {"helice.kv3", 3, [this] {
                 New(cmd::kNewCurve, {{219, "800"}, {225, "4"}, {226, "14"}, {227, "2"}},
                     {TSpaceObjectDlg::kArrow});
                 New(cmd::kNewPoint, {{211, "1"}, {212, "0"}, {213, "2pi"}}, {TSpaceObjectDlg::kAnchors});
                 New(cmd::kNewSegment, {{211, "0"}, {212, "0"}, {213, "0"}, {214, "1"}, {215, "0"}, {216, "2pi"}});
                 window->OnCommand(cmd::kBoxShown);
             }},
            {"tubo.kv3", 1, [this] {
                 New(cmd::kNewTube, {{211, "cos(3t)"}, {212, "sin(3t)"}, {213, "t/3"}, {214, "0.2+0.1sin(t)"}},
                     {D::kShade});
                 window->OnCommand(cmd::kRaise);
             }},
            {"plano.kv3", 3, [this] {
                 New(cmd::kNewPlane, {{211, "1"}, {212, "1"}, {213, "3"}, {214, "0,0,0"}, {215, "4"}, {216, "8"},
                                      {217, "8"}});
                 New(cmd::kNewSphericalPoint, {{211, "2"}, {212, "pi/3"}, {213, "pi/4"}},
                     {TSpaceObjectDlg::kArcs, TSpaceObjectDlg::kAnchors, TSpaceObjectDlg::kAnchorsDotted});
                 New(cmd::kNewSegment, {{211, "0"}, {212, "0"}, {213, "0"}, {214, "1/3"}, {215, "1/3"}, {216, "1"}});
             }},
            {"implicita.kv3", 1, [this] {
                 using L = TLevelsDlg;
                 New(cmd::kNewSurfaceImplicit);
                 window->OnCommand(cmd::kLevelCurves);
                 platform::MemoryDialog* d = platform.FindDialog("LEVELS");
                 ASSERT_NE(d, nullptr);
                 for (int axis : {L::kAxisZ, L::kAxisX}) {
                     d->Press(axis);
                     d->Type(L::kCount, "9");
                     d->Press(L::kAuto);
                 }
                 d->Press(L::kKeep);
                 window->OnCommand(cmd::kBoxShown);
             }},
            {"estereograma.kv3", 1, [this] {
                 New(cmd::kNewSurfaceExplicit, {{213, "1.5exp(-(xx+yy)/2)+0.5cos(2x)"}});
             }},
            {"lorenz.kv3", 1, [this] {
                 New(cmd::kNewSystem);
                 New(cmd::kSystemTrajectory);
                 window->OnCommand(cmd::kBoxShown);
             }},
        };
    }

    // The picture as text, one polygon or line a row.
    std::vector<std::string> Picture(TPlot3Win& w) {
        auto raster = platform.CreateSurface(w.ClientSize());
        platform::RecordingSurface out(*raster);
        w.DrawAll(out);
        std::vector<std::string> rows;
        for (const platform::Primitive& p : out.Primitives())
            rows.push_back(platform::Describe(p));
        return rows;
    }
};

TEST_F(SpaceExamples, DocumentsOpenWithTheSameObserverAndPicture) {
    const char* out = std::getenv("KORVANE_WRITE_EXAMPLES");
    const fs::path examples = fs::path(KORVANE_SOURCE_DIR) / "examples";
    for (const Example& example : Examples()) {
        SCOPED_TRACE(example.file);
        window = MakeWindow();
        example.fill();
        ASSERT_EQ(window->Examples().Count(), example.records);
        const std::string path = (folder.Path() / example.file).string();
        ASSERT_EQ(window->SaveDocument(path), 0);
        if (out) {
            ASSERT_EQ(window->SaveDocument((fs::path(out) / example.file).string()), 0);
        }
        const SpacePoint observer = window->Space().observer;
        const std::vector<std::string> picture = Picture(*window);
        EXPECT_GT(picture.size(), 100u);
        auto reopened = MakeWindow();
        ASSERT_EQ(reopened->OpenDocument(path), 0);
        EXPECT_EQ(reopened->Space().observer, observer);
        EXPECT_EQ(Picture(*reopened), picture);
        // Saved again, the document is the same bytes.
        const std::string again = (folder.Path() / "again.kv3").string();
        ASSERT_EQ(reopened->SaveDocument(again), 0);
        std::vector<std::uint8_t> first, second;
        ASSERT_TRUE(ReadWholeFile(path, first));
        ASSERT_TRUE(ReadWholeFile(again, second));
        EXPECT_EQ(first, second);
    }
    // The committed files open and draw.
    for (const Example& example : Examples()) {
        SCOPED_TRACE(example.file);
        auto committed = MakeWindow();
        ASSERT_EQ(committed->OpenDocument((examples / example.file).string()), 0);
        EXPECT_EQ(committed->Examples().Count(), example.records);
        EXPECT_GT(Picture(*committed).size(), 100u);
    }
}

} // namespace
} // namespace korvane
