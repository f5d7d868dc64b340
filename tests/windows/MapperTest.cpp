// The mapper: map records with their derivatives, the Jacobian data, the grid and its
// fit, and the two windows on the memory platform (drawing through the map, freehand,
// the dialogs' refusals, documents).
#include "expr/FormulaCompiler.h"
#include "plane/ExampleCompiler.h"
#include "plane/PlaneCommands.h"
#include "plane/PointNote.h"
#include "platform/FileIO.h"
#include "platform/memory/MemoryPlatform.h"
#include "platform/memory/RecordingSurface.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/Tolerance.h"
#include "windows/MapJacobian.h"
#include "windows/TDom2Win.h"
#include "windows/TRan2Win.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace korvane {
namespace {

using testing::Close;
using testing::Near;

ExampleRecord CompiledMap(EvalContext& eval, std::int16_t kind, const char* u, const char* v = "") {
    FormulaCompiler compiler(eval);
    ExampleRecord map;
    map.Initialise(kind, 0);
    map.texts[0] = u;
    map.texts[1] = v;
    EXPECT_EQ(CompileExample(compiler, map, true), 0) << u << " " << v;
    return map;
}

// A path from (x, y) to the time t, by method 2 at step 0.01.
TrajectoryRecord Trajectory(std::int16_t kind, long double x, long double y, long double t) {
    TrajectoryRecord start;
    start.SetI16(tro::kKind, kind);
    start.SetReal(tro::kStartX, x);
    start.SetReal(tro::kStartY, y);
    start.SetReal(tro::kEndT, t);
    start.SetReal(tro::kStepSize, 0.01L);
    start.SetI16(tro::kMethod, 2);
    start.SetI16(tro::kDirectionY, 1);
    return start;
}

// Images against the formulas evaluated independently in closed form, derivatives against
// central differences of those closed forms.
TEST(MapJacobian, PlaneMapsAgainstClosedForms) {
    using F = long double (*)(long double, long double);
    const struct Row {
        const char *f, *g;
        long double x, y;
        F u, v;
    } rows[] = {
        {"2x-y", "x+y", 0.5L, -1.25L, [](long double x, long double y) { return 2 * x - y; },
         [](long double x, long double y) { return x + y; }},
        {"xx-yy", "2xy", 1.5L, 0.75L, [](long double x, long double y) { return x * x - y * y; },
         [](long double x, long double y) { return 2 * x * y; }},
        {"sin(x)y", "exp(x)cos(y)", -0.3L, 2.1L, [](long double x, long double y) { return std::sin(x) * y; },
         [](long double x, long double y) { return std::exp(x) * std::cos(y); }},
    };
    for (const Row& c : rows) {
        SCOPED_TRACE(std::string(c.f) + " , " + c.g);
        EvalContext eval;
        const ExampleRecord map = CompiledMap(eval, kMapPlane, c.f, c.g);
        const long double h = 1e-5L, x = c.x, y = c.y;
        const MapJacobian j = EvaluateMapJacobian(eval, map, x, y);
        ASSERT_TRUE(j.u && j.v && j.Determinant());
        EXPECT_TRUE(Close(*j.u, c.u(x, y), 1e-15L));
        EXPECT_TRUE(Close(*j.v, c.v(x, y), 1e-15L));
        const long double diff[4] = {(c.u(x + h, y) - c.u(x - h, y)) / (2 * h), (c.u(x, y + h) - c.u(x, y - h)) / (2 * h),
                                     (c.v(x + h, y) - c.v(x - h, y)) / (2 * h), (c.v(x, y + h) - c.v(x, y - h)) / (2 * h)};
        for (int i = 0; i < 4; ++i)
            EXPECT_TRUE(Near(*j.d[i], diff[i], 1e-8L)) << i << ": " << (double)*j.d[i] << " vs " << (double)diff[i];
        EXPECT_TRUE(Near(*j.Determinant(), diff[0] * diff[3] - diff[1] * diff[2], 1e-7L));
    }
}

// The default plane map has det = 3 at every point; the default complex map gives
// F(1 + i) = 2i and |F'(1 + i)| = 2 sqrt 2, as the data window shows them.
TEST(MapJacobian, DefaultMapsAndTheirTexts) {
    EvalContext eval;
    const ExampleRecord plane = CompiledMap(eval, kMapPlane, "2x-y", "x+y");
    for (long double x : {-3.0L, 0.0L, 0.7L})
        for (long double y : {-2.0L, 1.5L})
            EXPECT_EQ(EvaluateMapJacobian(eval, plane, x, y).Determinant().value_or(0), 3.0L)
                << (double)x << ", " << (double)y;
    const std::string planeText = MapJacobianText(EvaluateMapJacobian(eval, plane, 1, 2), NumberFormat{});
    EXPECT_EQ(planeText, "x = 1.00000\ny = 2.00000\nF(x,y) = 0.00000\nG(x,y) = 3.00000\nDxF = 2.00000\n"
                         "DyF = -1.00000\nDxG = 1.00000\nDyG = 1.00000\ndet = 3.00000\n");

    EvalContext complex;
    complex.SetComplexMode(true);
    const ExampleRecord square = CompiledMap(complex, kMapComplex, "zz");
    const MapJacobian j = EvaluateMapJacobian(complex, square, 1, 1);
    EXPECT_TRUE(Close(j.DerivativeModulus().value_or(0), 2.8284271247461900976L, 1e-18L));
    EXPECT_EQ(MapJacobianText(j, NumberFormat{}),
              "z = 1.00000 + 1.00000i\nF(z) = 2.00000i\nF'(z) = 2.00000 + 2.00000i\n|F'(z)| = 2.82843\n");
    // Where the map is undefined the text says so instead of showing a stale number.
    const ExampleRecord inverse = CompiledMap(complex, kMapComplex, "1/z");
    EXPECT_NE(MapJacobianText(EvaluateMapJacobian(complex, inverse, 0, 0), NumberFormat{}).find("F(z) = indefinido"),
              std::string::npos);
}

// The fit takes the images of the grid nodes only, leaving out nodes where the map fails.
TEST(MapGrid, ImageBoxOfTheNodes) {
    struct Row {
        const char* rule;
        const char* u;
        const char* v;
        ImageBox expected;
    };
    const Row rows[] = {
        {"the square goes to a parallelogram", "2x-y", "x+y", {-6, 6, -4, 4, 81}},
        {"only the nodes with x >= 0", "sqrt(x)", "y", {0, std::sqrt(2.0L), -2, 2, 45}},
        {"undefined on the whole grid", "sqrt(-1-xx)", "y", {1e18L, -1e18L, 1e18L, -1e18L, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rule);
        EvalContext eval;
        const ExampleRecord map = CompiledMap(eval, kMapPlane, row.u, row.v);
        const ImageBox box = GridImageBox(eval, &map, DefaultMapGrid());
        EXPECT_EQ(box.points, row.expected.points);
        EXPECT_TRUE(Close(box.xmin, row.expected.xmin, 1e-18L) && Close(box.xmax, row.expected.xmax, 1e-18L));
        EXPECT_TRUE(Close(box.ymin, row.expected.ymin, 1e-18L) && Close(box.ymax, row.expected.ymax, 1e-18L));
    }
}

class Mapper : public ::testing::Test {
protected:
    void SetUp() override {
        platform.SetConfigDirectory(folder.WithSlash());
        Open();
    }
    void Open(bool readSettings = false) {
        WindowOptions options;
        options.readSettings = readSettings;
        options.title = "domínio1.ma2";
        range.reset();
        domain = std::make_unique<TDom2Win>(platform, options, nullptr);
        options.title = "contradomínio";
        range = std::make_unique<TRan2Win>(platform, options, nullptr);
        domain->AttachRange(*range);
    }
    platform::MemoryWindow& DomainWindow() { return *static_cast<platform::MemoryWindow*>(domain->GetWindow()); }
    platform::MemoryWindow& RangeWindow() { return *static_cast<platform::MemoryWindow*>(range->GetWindow()); }
    // Accepts the map dialog with the given texts (empty: the defaults).
    int AddMap(const char* u = nullptr, const char* v = nullptr) {
        platform.ScriptModal([u, v](platform::MemoryDialog& d) {
            if (u)
                d.Type(211, u);
            if (v)
                d.Type(212, v);
            d.Enter();
        });
        return domain->NewMap();
    }
    // An example of colour `colour` compiled by the domain.
    int Add(std::int16_t kind, std::vector<const char*> texts, int colour = 9) {
        const int index = domain->Examples().Append(kind, static_cast<std::int16_t>(colour));
        for (std::size_t i = 0; i < texts.size(); ++i)
            domain->Examples()[index].texts[i] = texts[i];
        EXPECT_EQ(domain->CompileExample(index, false), 0);
        return index;
    }
    // The range picture's polylines, in world coordinates of the range view.
    std::vector<std::vector<WorldPoint>> RangeStrokes() {
        platform::RecordingSurface surface({500, 500});
        domain->DrawMapped(surface, range->GetView(), *range);
        std::vector<std::vector<WorldPoint>> strokes;
        const View& v = range->GetView();
        for (const auto& p : surface.Primitives()) {
            if (p.kind != platform::Primitive::Kind::Polyline && p.kind != platform::Primitive::Kind::Line)
                continue;
            strokes.emplace_back();
            for (platform::Point q : p.points)
                strokes.back().push_back({v.ToWorldX(q.x), v.ToWorldY(q.y)});
        }
        return strokes;
    }

    testing::ScratchFolder folder;
    platform::MemoryPlatform platform;
    std::unique_ptr<TDom2Win> domain;
    std::unique_ptr<TRan2Win> range;
};

// The range opens beside the domain and, without a map, shows the domain's picture.
TEST_F(Mapper, WithoutAMapTheRangeShowsTheDomain) {
    const platform::Placement d = domain->GetWindow()->GetPlacement(), r = range->GetWindow()->GetPlacement();
    EXPECT_GE(r.x, d.x + d.width);
    EXPECT_EQ(r.y, d.y);
    Add(kSegment, {"-1", "0.5", "1.5", "-1"}, 5);
    range->GetView() = domain->GetView();
    platform::RecordingSurface own({500, 500}), mapped({500, 500});
    domain->DrawExamples(own);
    domain->DrawMapped(mapped, range->GetView(), *range);
    EXPECT_EQ(own.OfKind(platform::Primitive::Kind::Line).size() + own.OfKind(platform::Primitive::Kind::Polyline).size(),
              mapped.OfKind(platform::Primitive::Kind::Line).size() + mapped.OfKind(platform::Primitive::Kind::Polyline).size());
    EXPECT_EQ(RangeStrokes().size(), 2u * 9u + 1) << "eighteen grid lines and the segment";
}

// The range's "Co&r de fundo" comes back checked from its settings file.
TEST_F(Mapper, RangeMarksItsStoredCopyBackground) {
    ASSERT_TRUE(RangeWindow().ChooseMenu(cmd::kCopyBackground));
    Open(true);
    EXPECT_TRUE(RangeWindow().IsMenuItemChecked(cmd::kCopyBackground));
}

// A segment from (0, 0) to (1, 0) goes to the segment from (0, 0) to (2, 1) under (2x - y, x + y).
TEST_F(Mapper, SegmentsAndGridGoThroughTheMap) {
    domain->SetGrid([] { MapGrid g = DefaultMapGrid(); g.lines[0].shown = g.lines[1].shown = false; return g; }());
    Add(kSegment, {"0", "0", "1", "0"}, 5);
    ASSERT_EQ(AddMap(), 3);
    EXPECT_EQ(domain->ActiveMapIndex(), 3);
    const auto strokes = RangeStrokes();
    ASSERT_EQ(strokes.size(), 1u);
    const long double pixel = range->GetView().unitX * 2;
    for (const WorldPoint& p : strokes[0])
        EXPECT_NEAR((double)p.y, (double)(p.x / 2), (double)pixel);
    EXPECT_NEAR((double)strokes[0].back().x, 2.0, (double)pixel);
    const View& v = range->GetView();
    EXPECT_TRUE(Close(v.xmax - v.xmin, 12 * 1.02L, 1e-15L)) << "fitted to the parallelogram, 2 % wider";
    EXPECT_TRUE(Close(v.ymax - v.ymin, 8 * 1.02L, 1e-15L));
}

// Every kind goes through the map: each range stroke lies on the closed-form image of the
// domain's curve, and no stroke jumps across a place where the map fails.
TEST_F(Mapper, EveryKindDrawsItsImage) {
    using Image = WorldPoint (*)(long double);
    struct Row {
        const char* rule;
        bool complex;
        const char *u, *v;
        std::int16_t kind;
        std::vector<const char*> texts;
        Image image;
        long double t0, t1;
        std::size_t strokes = 1;
    };
    const long double pi = 3.14159265358979323846L;
    const Row rows[] = {
        {"x + y = 1 is V = 1 under (2x-y, x+y)", false, "2x-y", "x+y", kLine, {"1", "1", "1"},
         [](long double t) { return WorldPoint{t, 1}; }, -20, 20},
        {"|z| = 1 stays under zz", true, "zz", "", kImplicit, {"", "", "xx+yy-1"},
         [](long double t) { return WorldPoint{std::cos(t), std::sin(t)}; }, 0, 2 * pi},
        {"the cycloid stretched by (x, 2y)", false, "x", "2y", kCycloid, {},
         [](long double t) { return WorldPoint{t - std::sin(t), 2 - 2 * std::cos(t)}; }, 0, 2 * pi},
        {"x' = -y, y' = x from (1, 0) is an ellipse", false, "2x-y", "x+y", kSystem, {"-y", "x"},
         [](long double t) { return WorldPoint{2 * std::cos(t) - std::sin(t), std::cos(t) + std::sin(t)}; }, 0, 2 * pi},
        {"dy/dx = y from (0, 1) is e^x", false, "2x-y", "x+y", kSlopeField, {"", "", "y"},
         [](long double t) { return WorldPoint{2 * t - std::exp(t), t + std::exp(t)}; }, 0, 3},
        {"halving terms stay on y = x/2, so on V = U", false, "2x-y", "x+y", kRecursive, {"x/2", "y/2"},
         [](long double t) { return WorldPoint{t, t}; }, 0, 8},
        {"y = 1/2 under (1/x, y) breaks at x = 0", false, "1/x", "y", kLine, {"0", "1", "0.5"},
         [](long double t) { return WorldPoint{t, 0.5L}; }, -200, 200, 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rule);
        domain->NewMapperDocument(row.complex);
        domain->SetGrid([] { MapGrid g = DefaultMapGrid(); g.lines[0].shown = g.lines[1].shown = false; return g; }());
        ExampleRecord& e = domain->Examples()[Add(row.kind, row.texts, 5)];
        e.SetFlag(exo::kFlag56, true);
        e.SetFlag(exo::kFlag60, true);
        e.SetFlag(exo::kFlag53, true);
        e.SetReal(exo::kCycloidRadius, 1);
        e.SetReal(exo::kCycloidArm, 1);
        e.SetI16(exo::kRadio, 0); // rolls on the left; solid lines; no field marks
        e.SetReal(exo::kMaximum, 2 * pi);
        const bool slope = row.kind == kSlopeField, sequence = row.kind == kRecursive;
        if (slope || sequence || row.kind == kSystem) {
            const long double x = sequence ? 4 : slope ? 0 : 1, y = sequence ? 2 : slope ? 1 : 0;
            const long double t = slope ? 300 : sequence ? 20 : 2 * pi;
            e.trajectories.push_back(Trajectory(row.kind, x, y, t));
        }
        ASSERT_GE(AddMap(row.u, row.v), 0);
        platform::RecordingSurface own({500, 500});
        domain->DrawExamples(own); // the implicit search runs in the domain
        const auto strokes = RangeStrokes();
        EXPECT_GE(strokes.size(), row.strokes);
        const View& v = range->GetView();
        std::vector<WorldPoint> reference;
        for (int k = 0; k <= 4000; ++k)
            reference.push_back(row.image(row.t0 + (row.t1 - row.t0) * k / 4000));
        std::size_t points = 0;
        for (const auto& stroke : strokes)
            for (std::size_t i = 0; i < stroke.size(); ++i, ++points) {
                const WorldPoint p = stroke[i];
                long double nearest = 1e18L;
                for (std::size_t k = 1; k < reference.size(); ++k) {
                    const WorldPoint a = reference[k - 1], b = reference[k];
                    const long double dx = b.x - a.x, dy = b.y - a.y, length = dx * dx + dy * dy;
                    const long double t = length > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length, 0.0L, 1.0L) : 0;
                    nearest = std::min(nearest, std::hypot(a.x + t * dx - p.x, a.y + t * dy - p.y));
                }
                ASSERT_LT(nearest, 3 * std::max(v.unitX, v.unitY)) << (double)p.x << ", " << (double)p.y;
                if (i > 0) {
                    ASSERT_LT(std::hypot(p.x - stroke[i - 1].x, p.y - stroke[i - 1].y), (v.xmax - v.xmin) / 4);
                }
            }
        EXPECT_GT(points, 20u);
    }
}

// A cancelled map, or one that does not compile, leaves no record. Refused grid values
// show their code and keep the dialog open, the grid staying as it was; values that a
// damaged file puts out of range are clamped when read.
TEST_F(Mapper, MapAndGridRefusals) {
    const int before = domain->Examples().LastExample();
    platform.ScriptModal([](platform::MemoryDialog& d) { d.Escape(); });
    EXPECT_EQ(domain->NewMap(), -1);
    EXPECT_EQ(domain->Examples().LastExample(), before);
    platform.ScriptModal([](platform::MemoryDialog& d) {
        d.Type(211, "2x-");
        d.Enter();
        EXPECT_FALSE(d.Ended()) << "a formula that does not compile keeps the dialog open";
        d.Escape();
    });
    EXPECT_EQ(domain->NewMap(), -1);
    EXPECT_EQ(domain->Examples().LastExample(), before);

    const struct Row {
        const char* rule;
        int field;
        const char* text;
        int code;
    } rows[] = {
        {"a value that does not evaluate", 211, "2+", 0},
        {"no divisions", 213, "0", 17},
        {"too many divisions", 216, "1001", 17},
        {"an empty range", 215, "-2", 6},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rule);
        bool stayed = false;
        platform.ScriptModal([&](platform::MemoryDialog& d) {
            d.Type(row.field, row.text);
            d.Enter();
            stayed = !d.Ended();
            if (stayed)
                d.Escape();
        });
        const std::size_t messages = platform.Messages().size();
        ASSERT_TRUE(DomainWindow().ChooseMenu(cmd::kMapGrid));
        EXPECT_TRUE(stayed);
        ASSERT_EQ(platform.Messages().size(), messages + 1);
        if (row.code != 0) {
            EXPECT_EQ(platform.Messages().back().text, res::Message(row.code));
        }
        EXPECT_EQ(domain->Grid().lines[0].divisions, 8);
    }
    ExampleTable& table = domain->Examples();
    table[0].SetI16(exo::kFamilySteps, 30000);
    table[1].SetReal(exo::kFamilyFirst, 5);
    table[1].SetReal(exo::kFamilyLast, -5);
    const MapGrid grid = domain->Grid();
    EXPECT_EQ(grid.lines[0].divisions, kMaxGridDivisions);
    EXPECT_EQ(ValidateGrid(grid), 0);
}

// A stroke across x = 0 under (1/x, y) breaks where the map is undefined.
TEST_F(Mapper, FreehandBreaksWhereTheMapFails) {
    AddMap("1/x", "y");
    ASSERT_TRUE(DomainWindow().ChooseMenu(cmd::kMouseFreehand));
    const View& v = domain->GetView();
    const int y = v.ToPixelYInt(1), zero = v.ToPixelXInt(0);
    for (int dx : {-20, -10, 0, 10, 20}) {
        using enum platform::MouseAction;
        const int button = std::abs(dx) == 20 ? platform::ButtonLeft : platform::ButtonNone;
        DomainWindow().Mouse({.action = dx == -20 ? Down : dx == 20 ? Up : Move, .button = button,
                              .position = {zero + dx, y}});
    }
    EXPECT_EQ(domain->Freehand().size(), 5u);
    ASSERT_EQ(range->Freehand().size(), 4u) << "the point at x = 0 has no image";
    EXPECT_TRUE(range->Freehand()[1].end) << "the stroke ends before the undefined point";
    EXPECT_FALSE(range->Freehand()[0].end);
    // Strokes are kept in world coordinates: a zoom moves their pixels, a new map their images.
    const WorldPoint first = domain->Freehand()[0].at;
    ASSERT_TRUE(DomainWindow().ChooseMenu(cmd::kZoomOut));
    platform::RecordingSurface overlay({500, 500});
    domain->DrawOverlay(overlay);
    const auto drawn = overlay.OfKind(platform::Primitive::Kind::Polyline);
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].points[0], (platform::Point{v.ToPixelXInt(first.x), v.ToPixelYInt(first.y)}));
    EXPECT_NE(drawn[0].points[0].x, zero - 20);
    AddMap("x", "2y");
    ASSERT_EQ(range->Freehand().size(), 5u);
    EXPECT_TRUE(Close(range->Freehand()[0].at.y, 2 * first.y, 1e-18L));
    ASSERT_TRUE(DomainWindow().ChooseMenu(cmd::kEraseDrawings));
    EXPECT_TRUE(domain->Freehand().empty());
    EXPECT_TRUE(range->Freehand().empty());
}

// The domain's sliders move the range too when the letter is in the map, and its
// "Revolução em 3-dim" sends the domain's curve.
TEST_F(Mapper, DomainLettersAndRevolution) {
    Add(kExplicit, {"", "0.75"});
    domain->Context().SetLetter(1, 1);
    AddMap("x", "ay");
    const auto curvePixelsNear = [&](long double y) {
        const View& v = range->GetView();
        const int row = v.ToPixelYInt(y);
        return RangeWindow().Front().CountPixels(range->PenRgb(9), {0, row - 2, 500, row + 3});
    };
    RangeWindow().RunPendingRepaint();
    EXPECT_GT(curvePixelsNear(0.75L), 50);
    ASSERT_TRUE(DomainWindow().ChooseMenu(601));
    ASSERT_NE(domain->Animator().ExistingSliderDialog(1), nullptr);
    domain->Context().SetLetter(1, -1);
    domain->Animator().LetterChanged(1);
    ASSERT_TRUE(RangeWindow().RunPendingRepaint());
    EXPECT_EQ(curvePixelsNear(0.75L), 0);
    EXPECT_GT(curvePixelsNear(-0.75L), 50);

    std::string sent;
    domain->sendToSpace = [&sent](const ExampleRecord& e) { sent = e.texts[1]; };
    ASSERT_TRUE(DomainWindow().ChooseMenu(cmd::kRevolveInSpace));
    EXPECT_EQ(sent, "0.75");
}

TEST_F(Mapper, DocumentsRoundTripByteForByte) {
    for (bool complex : {false, true}) {
        SCOPED_TRACE(complex ? "maz" : "ma2");
        domain->NewMapperDocument(complex);
        Add(kSegment, {"-1", "1", "2", "0.5"}, 5);
        AddMap();
        const std::string first = folder.WithSlash() + (complex ? "a.maz" : "a.ma2");
        const std::string second = folder.WithSlash() + (complex ? "b.maz" : "b.ma2");
        ASSERT_EQ(domain->SaveDocument(first), 0);
        Open();
        ASSERT_EQ(domain->OpenDocument(first), 0);
        EXPECT_EQ(domain->ComplexMode(), complex);
        EXPECT_EQ(domain->ActiveMapIndex(), 3);
        EXPECT_EQ(domain->DocumentExtension(), complex ? "maz" : "ma2");
        ASSERT_EQ(domain->SaveDocument(second), 0);
        std::vector<std::uint8_t> a, b;
        ASSERT_TRUE(ReadWholeFile(first, a) && ReadWholeFile(second, b));
        EXPECT_EQ(a, b);
        // A truncated file is refused whole; the window keeps its document.
        a.resize(a.size() - 30);
        ASSERT_TRUE(WriteFileAtomically(second, a));
        EXPECT_EQ(domain->OpenDocument(second), 11);
        EXPECT_EQ(domain->ActiveMapIndex(), 3);
    }
}

// Under the default plane map (2x - y, x + y) a zero marked on y = x - 1 sits at (2, 1), the
// image of (1, 0); the table lists every node with its image; the right button of mode 128
// shows the Jacobian in "data", det = 3 wherever it is clicked.
TEST_F(Mapper, MarksTableAndJacobianWindows) {
    const int curve = Add(kExplicit, {"", "x-1"});
    const PointNote zero{.type = note::kZero, .values = {1}, .label = ""};
    ASSERT_TRUE(AddPointNote(domain->Examples()[curve], zero));
    AddMap();
    platform::RecordingSurface surface({500, 500});
    domain->DrawMapped(surface, range->GetView(), *range);
    const auto marks = surface.OfKind(platform::Primitive::Kind::Ellipse);
    ASSERT_EQ(marks.size(), 1u);
    const View& v = range->GetView();
    EXPECT_EQ((marks[0].rect.left + marks[0].rect.right - 1) / 2, v.ToPixelXInt(2));
    EXPECT_EQ((marks[0].rect.top + marks[0].rect.bottom - 1) / 2, v.ToPixelYInt(1));
    ASSERT_TRUE(DomainWindow().ChooseMenu(cmd::kMapTable));
    ASSERT_NE(domain->TableWindow(), nullptr);
    const std::string table = domain->TableWindow()->GetText();
    EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 1 + 81);
    EXPECT_NE(table.find("(2.00000 , -2.00000)  ==>  (6.00000 , 0.00000)"), std::string::npos) << table;
    ASSERT_TRUE(DomainWindow().ChooseMenu(cmd::kMouseJacobian));
    using enum platform::MouseAction;
    DomainWindow().Mouse({.action = Down, .button = platform::ButtonRight, .position = {123, 77}});
    ASSERT_NE(domain->DataWindow(), nullptr);
    EXPECT_NE(domain->DataWindow()->GetText().find("\ndet = 3.00000\n"), std::string::npos);
    // Both windows' help is the mapper's page, not the plane window's.
    for (TMap2Win* w : {static_cast<TMap2Win*>(domain.get()), static_cast<TMap2Win*>(range.get())}) {
        ASSERT_TRUE(static_cast<platform::MemoryWindow*>(w->GetWindow())->ChooseMenu(360));
        ASSERT_TRUE(w->Help() && w->Help()->Window(HelpWindows::Own));
        EXPECT_NE(w->Help()->Window(HelpWindows::Own)->GetText().find("MENU MAPA"), std::string::npos);
    }
    // Closing the domain (its map not saved) takes the range with it.
    platform.AnswerMessage(platform::AnswerNo);
    domain->GetWindow()->Close();
    ASSERT_TRUE(domain->GetWindow()->IsClosed());
    EXPECT_TRUE(range->GetWindow()->IsClosed());
}

// The domain has the plane window's initial-value dialogs and trajectory clicks, and its
// documents keep their protection: reopened they are locked until the password is given.
TEST_F(Mapper, DomainSolvesAndProtectsAsAPlaneWindow) {
    const int index = Add(kSystem, {"-y", "x"});
    AddMap();
    ASSERT_TRUE(DomainWindow().ChooseMenu(cmd::kTrajectoryDyDt));
    ASSERT_TRUE(domain->IvpDialog(kSystem) && domain->IvpDialog(kSystem)->IsOpen());
    ASSERT_TRUE(DomainWindow().ChooseMenu(cmd::kMouseTrajectory));
    const View& v = domain->GetView();
    DomainWindow().Mouse({.action = platform::MouseAction::Down, .button = platform::ButtonLeft,
                          .position = {v.ToPixelXInt(1), v.ToPixelYInt(0)}});
    ASSERT_EQ(domain->Examples()[index].trajectories.size(), 1u);
    EXPECT_GT(RangeStrokes().size(), 18u) << "the orbit's image joins the grid's";

    platform.ScriptModal([](platform::MemoryDialog& d) {
        d.Type(211, "abc");
        d.Type(212, "abc");
        d.Press(1);
    });
    ASSERT_TRUE(DomainWindow().ChooseMenu(cmd::kPassword));
    const std::string path = folder.WithSlash() + "p.ma2";
    ASSERT_EQ(domain->SaveDocument(path), 0);
    Open();
    ASSERT_EQ(domain->OpenDocument(path), 0);
    EXPECT_TRUE(domain->Protection().Protected());
    EXPECT_EQ(domain->GetWindow()->GetTitle().back(), '+');
    for (const char* typed : {"abd", "abc"}) {
        platform.ScriptModal([typed](platform::MemoryDialog& d) {
            d.Type(211, typed);
            d.Enter();
        });
        EXPECT_EQ(domain->Authorize(1), std::string(typed) == "abc") << typed;
    }
    EXPECT_TRUE(DomainWindow().ChooseMenu(cmd::kNotebook));
}

// The mapper documents of examples/: run with KORVANE_WRITE_EXAMPLES=<folder> to write them
// again; every run checks that they open in the mapper with their map active.
TEST_F(Mapper, ExampleDocuments) {
    struct Example {
        const char* file;
        bool complex;
        long double low, high;
        const char *u = nullptr, *v = nullptr;
        bool moreKinds = false; // a line, an ellipse, an orbit and a parabola with its zeros
    };
    const char* out = std::getenv("KORVANE_WRITE_EXAMPLES");
    for (const Example& example : {Example{"cisalhamento.ma2", false, -2, 2}, Example{"quadrado.maz", true, -1.5L, 1.5L},
                                   Example{"tipos.ma2", false, -2, 2, "x+yy/4", "y", true}}) {
        SCOPED_TRACE(example.file);
        domain->NewMapperDocument(example.complex);
        MapGrid grid = DefaultMapGrid();
        for (GridFamily& f : grid.lines) {
            f.low = example.low;
            f.high = example.high;
            f.divisions = 12;
        }
        domain->SetGrid(grid);
        ExampleRecord& circle = domain->Examples()[Add(kParametric, {"cos(t)", "sin(t)"})];
        circle.SetReal(exo::kMaximum, 6.283185307179586477L);
        circle.SetI16(exo::kWidth, 2);
        const int segment = Add(kSegment, {"-1.5", "0.5", "1.5", "0.5"}, 5);
        domain->Examples()[segment].SetI16(exo::kWidth, 2);
        domain->Examples()[segment].SetI16(exo::kRadio, 0); // solid
        if (example.moreKinds) {
            struct Kind {
                std::int16_t kind;
                int colour;
                std::vector<const char*> texts;
            };
            for (const Kind& k : {Kind{kLine, 7, {"1", "1", "1"}}, Kind{kImplicit, 2, {"", "", "xx/4+yy-1"}},
                                  Kind{kSystem, 13, {"-y", "x"}}, Kind{kExplicit, 8, {"", "xx/2-1"}}}) {
                ExampleRecord& added = domain->Examples()[Add(k.kind, k.texts, k.colour)];
                added.SetI16(exo::kWidth, 2);
                added.SetI16(exo::kRadio, 0);
                added.SetFlag(exo::kFlag56, true); // the ellipse is searched for
                if (k.kind == kSystem)
                    added.trajectories.push_back(Trajectory(kSystem, 0.5L, 0, 6.3L));
                for (long double zero : {-1.4142135623730950488L, 1.4142135623730950488L})
                    if (k.kind == kExplicit)
                        AddPointNote(added, {.type = note::kZero, .values = {zero}, .label = ""});
            }
        }
        ASSERT_GE(AddMap(example.u, example.v), 0);
        ASSERT_EQ(domain->SaveDocument(folder.WithSlash() + example.file), 0);
        if (out) {
            ASSERT_EQ(domain->SaveDocument(std::string(out) + "/" + example.file), 0);
        }
        Open();
        ASSERT_EQ(domain->OpenDocument(folder.WithSlash() + example.file), 0);
        EXPECT_NE(domain->ActiveMap(), nullptr);
        EXPECT_GT(RangeStrokes().size(), 26u);
    }
}

} // namespace
} // namespace korvane
