// The example document of the analysis tools in examples/ is made here by a plane window
// whose tools a user has run: two zeros, an extremum, two intersections and an integral.
// Run with KORVANE_WRITE_EXAMPLES=<folder> to write it again; every run checks that the
// committed file opens with its notes.
#include "AnalysisTestSupport.h"

#include "analysis/AnalysisCommands.h"
#include "analysis/TExtremeDlg.h"
#include "analysis/TInterDlg.h"
#include "analysis/TRiemDlg.h"
#include "analysis/TZeroDlg.h"

#include <cstdlib>

namespace korvane::analysistest {
namespace {

namespace fs = std::filesystem;

constexpr const char* kFile = "analise.kv2";

using AnalysisExample = AnalysisWindow;

TEST_F(AnalysisExample, ToolsLeaveTheirNotesInTheDocument) {
    window->SetSquareView(0, 0, 4);
    const int parabola = Add(kExplicit, {{1, "x^2-2"}});
    const int line = Add(kExplicit, {{1, "x"}});
    window->Examples()[parabola].SetI16(exo::kColour, 6); // "azul real"
    window->Examples()[line].SetI16(exo::kColour, 7);     // "verde escuro"
    platform::MemoryDialog* zeros = Opened(cmd::kZeros, "ZEROS");
    zeros->Press(TZeroDlg::kNext);
    Opened(cmd::kExtremes, "EXTREMES");
    platform::MemoryDialog* inter = Opened(cmd::kIntersections, "INTER");
    inter->Press(TInterDlg::kNext);
    inter->Press(TInterDlg::kNext);
    platform::MemoryDialog* riem = Opened(cmd::kIntegrate, "RIEM");
    riem->Type(TRiemDlg::kLower, "-1");
    riem->Type(TRiemDlg::kUpper, "2");
    riem->SetCheck(TRiemDlg::kLeftBox + 4, true);
    riem->Press(TRiemDlg::kDefinite);
    ASSERT_TRUE(platform.Messages().empty()) << Message(0);
    // Two zeros, the minimum, two intersections and the integral.
    ASSERT_EQ(window->Examples()[parabola].pointNotes.size(), 6u);
    const std::string path = platform.ConfigDirectory() + kFile;
    ASSERT_EQ(window->SaveDocument(path), 0);
    if (const char* out = std::getenv("KORVANE_WRITE_EXAMPLES")) {
        ASSERT_EQ(window->SaveDocument((fs::path(out) / kFile).string()), 0);
    }
    const fs::path committed = fs::path(KORVANE_SOURCE_DIR) / "examples" / kFile;
    for (const std::string& file : {path, committed.string()}) {
        SCOPED_TRACE(file);
        auto reopened = MakeWindow();
        ASSERT_EQ(reopened->OpenDocument(file), 0);
        EXPECT_EQ(reopened->Examples()[parabola].pointNotes.size(), 6u);
    }
}

} // namespace
} // namespace korvane::analysistest
