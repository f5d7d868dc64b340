// "mostrar equa": the labels a window writes over its picture.
#include "plane/EquationLabel.h"

#include "TraceTestSupport.h"

#include <string>

namespace korvane {
namespace {

using tracetest::TraceScene;

TEST(EquationLabelText, KeepsSixtyCharactersWholeUtf8) {
    const std::string sixty(60, 'a');
    const std::string accented = "polin\xC3\xB4mio"; // nine characters, ten bytes
    struct Row {
        std::string in;
        std::string out;
    } rows[] = {
        {"", ""},
        {"y = x", "y = x"},
        {sixty, sixty},
        {sixty + "b", sixty},
        {std::string(59, 'a') + "\xC3\xB4" + "cd", std::string(59, 'a') + "\xC3\xB4"},
        {std::string(60, 'a') + "\xC3\xB4", sixty},
        {accented + accented + accented + accented + accented + accented + accented,
         accented + accented + accented + accented + accented + accented + "polin\xC3\xB4"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.in);
        EXPECT_EQ(EquationLabelText(r.in), r.out);
    }
}

// Only shown examples with the switch set are labelled, one line each from the top left,
// in the example's colour; lines that leave the window at the bottom are left out.
TEST(EquationLabels, StackedInTheExamplesColours) {
    TraceScene scene(200, 40);
    const char* texts[] = {"y = x", "y = 2x", "y = hidden", "r = t", "y = 3x", "y = 4x"};
    const bool flagged[] = {true, false, true, true, true, true};
    for (int i = 0; i < 6; ++i) {
        ExampleRecord& e = scene.Add(kExplicit, {{1, "x"}});
        e.texts[4] = texts[i];
        e.SetFlag(exo::kShowEquation, flagged[i]);
        e.SetI16(exo::kColour, static_cast<std::int16_t>(i + 1));
    }
    scene.examples[2].SetFlag(exo::kShown, false); // early enough to take a line that fits
    PlaneDrawContext context = scene.Context();
    DrawEquationLabels(context, platform::FontSpec{});

    const auto labels = scene.surface.OfKind(platform::Primitive::TextOut);
    const int line = scene.surface.TextExtent("y").height;
    ASSERT_GT(line, 0);
    const int fit = (40 - 4) / line; // lines that fit under the top margin
    const std::string expected[] = {"y = x", "r = t", "y = 3x", "y = 4x"};
    const int colours[] = {1, 4, 5, 6};
    ASSERT_EQ(static_cast<int>(labels.size()), std::min(fit, 4));
    for (std::size_t k = 0; k < labels.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(labels[k].text, expected[k]);
        EXPECT_EQ(labels[k].textColour, tracetest::ColourOfIndex(colours[k]));
        EXPECT_EQ(labels[k].points[0], (platform::Point{6, 4 + static_cast<int>(k) * line}));
        EXPECT_EQ(labels[k].backgroundMode, platform::BackgroundMode::Transparent);
    }
}

} // namespace
} // namespace korvane
