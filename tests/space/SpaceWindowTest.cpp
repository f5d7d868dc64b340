#include "SpaceWindowTestSupport.h"
#include "SurfaceTestSupport.h"

#include "expr/ConstantText.h"
#include "platform/memory/MemoryDialog.h"
#include "resources/Resources.h"
#include "space/SurfaceRecord.h"
#include "plane/TInventDlg.h"
#include "space/TDeriveDlg.h"
#include "space/TSurfaceDlg.h"

#include <functional>

namespace korvane::spacetest {
namespace {

// A cancelled dialog adds nothing; F1 and "ok" make the default explicit surface: sampled,
// boxed, fitted and painted.
TEST_F(SpaceWindowTest, NewExplicitSurfaceIsGriddedAndPainted) {
    platform.ScriptModal([](platform::MemoryDialog& d) { d.Escape(); });
    window->OnCommand(cmd::kNewSurfaceParametric);
    EXPECT_EQ(window->Examples().Count(), 0);
    EXPECT_TRUE(Paint(*window).empty());
    New(cmd::kNewSurfaceExplicit);
    ASSERT_EQ(window->Examples().Count(), 1);
    EXPECT_EQ(window->Examples()[0].Kind(), kSurfaceExplicit);
    EXPECT_EQ(window->Grid(0).points.size(), 25u * 25u);
    EXPECT_NEAR((double)window->Space().boxMax.z, 1.02, 1e-12);
    // Every one of the 24 x 24 quadrilaterals lies in the fitted window and is filled.
    EXPECT_EQ(Paint(*window).size(), 24u * 24u);
}

// "derivar" of z = f(x, y) gives the partial derivative chosen in the dialog, as a record
// that follows its source's edits and a reopened document, and goes with its source.
TEST_F(SpaceWindowTest, DerivedSurfacesArePartialDerivatives) {
    using Dz = std::function<long double(long double, long double)>;
    const auto expectGrid = [](const TPlot3Win& w, int index, const Dz& z) {
        const SurfaceGrid& g = w.Grid(index);
        ASSERT_EQ(g.points.size(), 25u * 25u);
        for (const SpacePoint& p : g.points)
            ASSERT_NEAR((double)p.z, (double)z(p.x, p.y), 1e-12) << "at " << (double)p.x << ", " << (double)p.y;
    };
    New(cmd::kNewSurfaceExplicit, {{213, "xxy"}});
    window->OnCommand(920); // "Inventário ..."
    for (int variable : {TDeriveDlg::kByX, TDeriveDlg::kByY}) {
        platform.ScriptModal([variable](platform::MemoryDialog& d) {
            d.Press(variable);
            d.Enter();
        });
        platform::MemoryDialog* inventory = platform.FindDialog("INVENT");
        ASSERT_NE(inventory, nullptr);
        ASSERT_TRUE(inventory->Select(TInventDlg::kList, 0));
        ASSERT_TRUE(inventory->Press(TInventDlg::kDerive));
    }
    ASSERT_EQ(window->Examples().Count(), 3);
    expectGrid(*window, 1, [](long double x, long double y) { return 2 * x * y; });
    expectGrid(*window, 2, [](long double x, long double) { return x * x; });
    ScriptOk({{213, "xyy"}});
    window->EditExample(0, false);
    const Dz byX = [](long double, long double y) { return y * y; };
    const Dz byY = [](long double x, long double y) { return 2 * x * y; };
    expectGrid(*window, 1, byX);
    expectGrid(*window, 2, byY);
    const std::string path = (folder.Path() / "derivadas.kv3").string();
    ASSERT_EQ(window->SaveDocument(path), 0);
    auto reopened = MakeWindow();
    ASSERT_EQ(reopened->OpenDocument(path), 0);
    ASSERT_TRUE(window->Space().cube) << "a tall surface";
    const auto describe = [this](TPlot3Win& w) {
        std::vector<std::string> rows;
        for (const platform::Primitive& p : Paint(w))
            rows.push_back(platform::Describe(p));
        return rows;
    };
    EXPECT_GT(describe(*window).size(), 3u * 500) << "cube mode draws the three surfaces";
    EXPECT_EQ(describe(*reopened), describe(*window)) << "the same picture, in cube mode";
    expectGrid(*reopened, 1, byX);
    expectGrid(*reopened, 2, byY);
    reopened->DeleteExample(1); // the grids of the records after it move down with them
    expectGrid(*reopened, 1, byY);
    reopened->DeleteExample(0);
    EXPECT_EQ(reopened->Examples().Count(), 0);
}

// Fields out of range are refused with their codes, and the record stays as it was.
TEST(SurfaceDialog, RefusesCountsAndRangesOutOfBounds) {
    struct Row {
        const char* rule;
        int id;
        const char* text;
        int code;
    } rows[] = {
        {"divisions above 3000", 216, "3001", 17},
        {"too many grid points in all", 216, "200", 17},
        {"no division", 217, "0", 17},
        {"a plotted-point count below 2", 219, "1", 17},
        {"a plotted-point count above 32000", 220, "32001", 17},
        {"a line width above 30", 227, "31", 17},
        {"a maximum equal to its minimum", 223, "-pi", 6},
        {"a formula that does not compile", 213, "sin(", -1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.rule);
        Compiled c;
        ExampleRecord e;
        c.Make(e, kSurfaceExplicit);
        EquationEnvironment env;
        env.compiler = &c.compiler;
        env.evaluate = [&](const std::string& text, long double& value) {
            return EvaluateConstantText(c.compiler, text, value);
        };
        TSurfaceDlg handler(env, e);
        platform::MemoryDialog dialog(nullptr, *res::Dialog("EQUA301"), handler, true);
        handler.OnInit(dialog);
        dialog.SetText(r.id, r.text);
        const int code = handler.Accept(dialog);
        if (r.code < 0)
            EXPECT_NE(code, 0);
        else
            EXPECT_EQ(code, r.code);
        EXPECT_EQ(e.I16(spo::kDivisions1), 24);
        EXPECT_EQ(e.texts[2], "sin(2x)cos(y)");
    }
}

} // namespace
} // namespace korvane::spacetest
