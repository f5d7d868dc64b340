// The example documents in examples/ are made here, by plane windows as a user would
// fill them: run with KORVANE_WRITE_EXAMPLES=<folder> to write them again. Every run
// checks that what the windows write opens and compiles, and that the committed files do.
#include "tests/support/PlaneWindowTestSupport.h"
#include "expr/LetterParameters.h"
#include "plane/Cobweb.h"
#include "plane/DocumentFile.h"
#include "plane/TPlot1Win.h"
#include "plane/TPlot2Win.h"
#include "platform/FileIO.h"
#include "platform/memory/MemoryPlatform.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace korvane {
namespace {

namespace fs = std::filesystem;

constexpr long double kTwoPi = 6.283185307179586476925286766559L;

struct ExampleDocument {
    const char* file;
    std::function<void(TPlot2Win&)> fill;
    std::vector<std::int16_t> kinds;
};

void Look(TPlot2Win& w, long double radius) {
    w.Axes().axesShown = true;
    w.Axes().labels = true;
    w.SetSquareView(0, 0, radius);
}

ExampleRecord& Add(TPlot2Win& w, std::int16_t kind, std::int16_t colour, const char* name) {
    const int i = w.Examples().Append(kind, colour);
    w.Examples().SetName(i, name);
    return w.Examples()[i];
}

void Wave(TPlot2Win& w) {
    Look(w, 10);
    ExampleRecord& e = Add(w, kExplicit, 4, "onda");
    e.texts[1] = "xsin(x)";
    e.SetFlag(exo::kShowEquation, true);
}

void Rose(TPlot2Win& w) {
    Look(w, 4);
    ExampleRecord& e = Add(w, kPolar, 12, "rosa");
    e.texts[2] = "3cos(2t)";
    e.SetReal(exo::kMinimum, 0);
    e.SetReal(exo::kMaximum, kTwoPi);
}

void Lissajous(TPlot2Win& w) {
    Look(w, 4);
    ExampleRecord& e = Add(w, kParametric, 9, "lissajous");
    e.texts[0] = "3cos(3t)";
    e.texts[1] = "3sin(4t)";
    e.SetReal(exo::kMinimum, 0);
    e.SetReal(exo::kMaximum, kTwoPi);
    e.SetI16(exo::kDensity, 4);
}

void Family(TPlot2Win& w) {
    Look(w, 5);
    ExampleRecord& e = Add(w, kExplicit, 10, "familia");
    e.texts[1] = "x^2/4+a";
    e.SetFlag(exo::kIsFamily, true);
    e.SetI16(exo::kFamilyLetter, 1);
    e.SetI16(exo::kFamilySteps, 6);
    e.SetReal(exo::kFamilyFirst, -3);
    e.SetReal(exo::kFamilyLast, 3);
    e.SetI16(exo::kPause, 0);
}

// A wave whose height is the letter A, on its slider from -3 to 3, over a parabola that
// does not move with it.
void Animated(TPlot2Win& w) {
    Look(w, 6);
    Add(w, kExplicit, 3, "parabola").texts[1] = "x^2/8-3";
    ExampleRecord& e = Add(w, kExplicit, 12, "onda");
    e.texts[1] = "asin(x)";
    e.SetFlag(exo::kShowEquation, true);
    ASSERT_TRUE(SetLetterRange(w.Context(), 1, -3, 3));
    w.Context().SetLetter(1, 2);
}

// A parabola with labels placed on the graph and a pasted picture.
void Labelled(TPlot2Win& w) {
    Look(w, 5);
    Add(w, kExplicit, 6, "parabola").texts[1] = "x^2/2-2";
    w.Texts().push_back({0.3L, -2.1L, "vértice (0, -2)", kFontLabels, false});
    w.Texts().push_back({-4.6L, 3.4L, "y = x²/2 - 2", kFontLabels, false});
    const std::string svg = "<svg xmlns='http://www.w3.org/2000/svg' width='120' height='80'>"
                            "<rect x='2' y='2' width='116' height='76' rx='10' fill='#ffe8a0' stroke='#a05000' "
                            "stroke-width='4'/><circle cx='40' cy='40' r='22' fill='#e04020'/>"
                            "<path d='M66 62 L92 16 L112 62 Z' fill='#2060c0'/></svg>";
    w.Pictures().push_back({1.2L, 3.8L, 3, 2, PictureFormat::Svg, {svg.begin(), svg.end()}});
}

// Two shaded inequalities: a strict one (dotted boundary) over one with its boundary.
void Inequalities(TPlot2Win& w) {
    Look(w, 5);
    ExampleRecord& ellipse = Add(w, kImplicit, 9, "elipse");
    ellipse.texts[4] = "xx/16+yy/4<1";
    ellipse.texts[2] = "xx/16+yy/4-(1)";
    ExampleRecord& wave = Add(w, kImplicit, 7, "acima");
    wave.texts[4] = "y>=sin(2x)+1";
    wave.texts[2] = "y-(sin(2x)+1)";
    for (ExampleRecord* e : {&ellipse, &wave})
        e->SetFlag(exo::kFlag56, true); // searched when first drawn
}

// The cobweb of x(n+1) = 2.9x(n)(1 - x(n)) from 0.1, closing in on its fixed point.
void Cobweb(TPlot2Win& w) {
    Look(w, 0.6L);
    w.SetSquareView(0.5L, 0.5L, 0.6L);
    w.Axes().decimalsX = w.Axes().decimalsY = 1;
    w.Axes().tickX = w.Axes().tickY = 0.2L;
    Add(w, kExplicit, 4, "logistica").texts[1] = "2.9x(1-x)";
    ExampleRecord& web = Add(w, kRecursive, 6, "teia");
    web.SetI16(exo::kDerivation, kWebDerivation);
    web.SetI16(exo::kSource1, 0);
    web.SetReal(exo::kWebStart, 0.1L);
    web.SetI16(exo::kWebSteps, 40);
}

const std::vector<ExampleDocument>& Documents() {
    static const std::vector<ExampleDocument> documents = {
        {"onda.kv2", Wave, {kExplicit}},
        {"rosa.kv2", Rose, {kPolar}},
        {"lissajous.kv2", Lissajous, {kParametric}},
        {"familia.kv2", Family, {kExplicit}},
        {"animacao.kv2", Animated, {kExplicit, kExplicit}},
        {"rotulos.kv2", Labelled, {kExplicit}},
        {"desigualdades.kv2", Inequalities, {kImplicit, kImplicit}},
        {"teia.kv2", Cobweb, {kExplicit, kRecursive}},
    };
    return documents;
}

class DocumentExamples : public planetest::PlaneWindowTest {
protected:
    // Opens the file in a fresh window and checks what the example document should hold.
    void ExpectOpensAndCompiles(const std::string& path, const ExampleDocument& d) {
        auto w = MakeWindow();
        ASSERT_EQ(w->OpenDocument(path), 0);
        ASSERT_EQ(w->Examples().LastExample() + 1, static_cast<int>(d.kinds.size()));
        for (std::size_t i = 0; i < d.kinds.size(); ++i) {
            EXPECT_EQ(w->Examples()[static_cast<int>(i)].Kind(), d.kinds[i]);
            EXPECT_FALSE(w->Examples()[static_cast<int>(i)].texts[4].empty()) << "the inventory line";
        }
        EXPECT_EQ(w->RecompileAll(), 0);
        EXPECT_TRUE(w->Axes().axesShown);
        EXPECT_TRUE(platform.Messages().empty());
    }
};

TEST_F(DocumentExamples, WindowsWriteDocumentsThatOpenAndCompile) {
    const char* out = std::getenv("KORVANE_WRITE_EXAMPLES");
    for (const ExampleDocument& d : Documents()) {
        SCOPED_TRACE(d.file);
        const std::string path = PathOf(d.file);
        {
            auto w = MakeWindow();
            d.fill(*w);
            for (int i = 0; i <= w->Examples().LastExample(); ++i)
                if (!w->Examples()[i].IsDerived()) // as the dialog does
                    w->Examples()[i].texts[4] = DescribeExample(w->Examples()[i]);
            ASSERT_EQ(w->RecompileAll(), 0);
            for (int i = 0; i <= w->Examples().LastExample(); ++i)
                w->RefreshDerivatives(i); // the lines of derived examples
            ASSERT_EQ(w->SaveDocument(path), 0);
            if (out) {
                ASSERT_EQ(w->SaveDocument((fs::path(out) / d.file).string()), 0);
            }
        }
        ExpectOpensAndCompiles(path, d);
    }
}

TEST_F(DocumentExamples, CommittedExamplesOpenAndCompile) {
    const fs::path folder = fs::path(KORVANE_SOURCE_DIR) / "examples";
    for (const ExampleDocument& d : Documents()) {
        SCOPED_TRACE(d.file);
        ASSERT_TRUE(fs::exists(folder / d.file));
        ExpectOpensAndCompiles((folder / d.file).string(), d);
    }
}

} // namespace
} // namespace korvane
