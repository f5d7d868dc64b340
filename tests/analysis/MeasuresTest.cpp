// Arc length, sector area, volume and surface of revolution from the menu, against mpmath
// quadrature (tests/reference/make_measure_reference.py, stored in tests/data).
#include "AnalysisTestSupport.h"

#include "analysis/AnalysisCommands.h"
#include "analysis/TMeasureDlg.h"
#include "plane/PointNote.h"

#include <fstream>
#include <map>
#include <sstream>

namespace korvane::analysistest {
namespace {

struct ReferenceRow {
    std::int16_t kind;
    std::string formulas; // "slot=text;..."
    std::string a, b, measure;
    long double value;
};

std::vector<ReferenceRow> ReadReference() {
    std::ifstream in(std::string(KORVANE_TEST_DATA) + "/measures_reference.txt");
    std::vector<ReferenceRow> rows;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::vector<std::string> f;
        std::stringstream fields(line);
        for (std::string part; std::getline(fields, part, '|');)
            f.push_back(part);
        if (f.size() == 6)
            rows.push_back({static_cast<std::int16_t>(std::stoi(f[0])), f[1], f[2], f[3], f[4],
                            std::stold(f[5])});
    }
    return rows;
}

using Measures = AnalysisWindow;

TEST_F(Measures, AgreeWithQuadratureForEachKind) {
    const std::map<std::string, int> commands = {
        {"arc", cmd::kArcLength}, {"sector", cmd::kSectorArea}, {"volume", cmd::kVolume},
        {"surface", cmd::kSurfaceArea}};
    const std::vector<ReferenceRow> rows = ReadReference();
    ASSERT_EQ(rows.size(), 16u);
    for (const ReferenceRow& row : rows) {
        SCOPED_TRACE(row.formulas + " " + row.measure);
        window->Examples().Clear();
        std::vector<std::string> texts;
        Formulas formulas;
        std::stringstream parts(row.formulas);
        for (std::string part; std::getline(parts, part, ';');)
            texts.push_back(part);
        for (const std::string& t : texts)
            formulas.emplace_back(t[0] - '0', t.c_str() + 2);
        const int e = Add(row.kind, formulas, -10, 10);
        ASSERT_TRUE(Memory().ChooseMenu(commands.at(row.measure)));
        const AnalysisTools& tools = *static_cast<AnalysisTools*>(window->Analysis());
        TMeasureDlg& dialog = *tools.MeasureDialog(commands.at(row.measure) - cmd::kArcLength);
        auto* d = static_cast<platform::MemoryDialog*>(dialog.GetDialog());
        ASSERT_NE(d, nullptr);
        d->Select(TComboDlg::kExampleList, 0);
        d->Type(TMeasureDlg::kLower, row.a);
        d->Type(TMeasureDlg::kUpper, row.b);
        d->Type(TMeasureDlg::kCount, "1000");
        d->Press(TMeasureDlg::kCompute);
        ASSERT_TRUE(platform.Messages().empty()) << Message(0);
        const long double value = dialog.Last().value;
        EXPECT_TRUE(Near(value, row.value, 1e-9L))
            << static_cast<double>(value) << " against " << static_cast<double>(row.value);
        ASSERT_EQ(window->Examples()[e].pointNotes.size(), 1u);
        EXPECT_EQ(PointNote::Unpack(window->Examples()[e].pointNotes[0]).values[2], value);
    }
}

} // namespace
} // namespace korvane::analysistest
