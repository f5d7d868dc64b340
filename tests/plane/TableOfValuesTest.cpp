// "tabela" (757) on the memory platform: the range dialog TABLELOHI with its refusals, and
// the table window's rows against closed forms.
#include "EquationTestSupport.h"

#include "plane/TInventDlg.h"
#include "plane/TableOfValues.h"

#include <cmath>
#include <numbers>
#include <sstream>

namespace korvane::equationtest {
namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

class TableOfValuesTest : public EquationWindow {
protected:
    void Add(int command, const Typing& typing = {}) {
        ScriptOk(typing);
        window->OnCommand(command);
    }
    // "tabela" on line 0 with the range typed into TABLELOHI.
    bool Table(const std::string& first, const std::string& last, const std::string& steps) {
        ScriptOk({{211, first}, {212, last}, {213, steps}});
        platform::MemoryDialog* d = platform.FindDialog("INVENT");
        return d && d->Select(TInventDlg::kList, 0) && d->Press(TInventDlg::kTable);
    }
    // The table's rows after its header, each cell a number or nan for "indefinido".
    std::vector<std::vector<long double>> Rows() {
        std::vector<std::vector<long double>> rows;
        std::istringstream lines(window->TableWindow()->GetText());
        std::string line;
        std::getline(lines, line);
        while (std::getline(lines, line)) {
            std::istringstream cells(line);
            std::vector<long double> row;
            for (std::string cell; cells >> cell;)
                row.push_back(cell == "indefinido" ? NAN : std::strtold(cell.c_str(), nullptr));
            rows.push_back(row);
        }
        return rows;
    }
};

TEST(TableRange, EmptyRangesAndCountsThatAreNotPositiveAreCode6) {
    const struct {
        long double first, last, steps;
        int code;
    } rows[] = {
        {-5, 5, 50, 0},  {0, 1e-17L, 1, 0}, {5, 5, 10, 6},  {1, 0, 10, 6},  {0, 1e-19L, 1, 6},
        {0, 1, 0, 6},    {0, 1, -3, 6},     {0, 1, 2.5, 6}, {0, 1, 10000, 0}, {0, 1, 10001, 17},
    };
    for (const auto& r : rows)
        EXPECT_EQ(CheckTableRange(r.first, r.last, r.steps), r.code) << r.first << " " << r.last << " " << r.steps;
}

TEST_F(TableOfValuesTest, ExplicitRowsAreXAndYWithUndefinedValuesNamed) {
    Add(cmd::kNewExplicit, {{212, "sqrt(x)"}});
    ASSERT_TRUE(Table("-1", "2", "3"));
    ASSERT_NE(window->TableWindow(), nullptr);
    EXPECT_FALSE(window->TableWindow()->Hidden());
    const auto rows = Rows();
    ASSERT_EQ(rows.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(rows[i].size(), 2u);
        EXPECT_NEAR(double(rows[i][0]), i - 1, 1e-4);
        if (i == 0)
            EXPECT_TRUE(std::isnan(rows[i][1]));
        else
            EXPECT_NEAR(double(rows[i][1]), std::sqrt(i - 1.0), 1e-4);
    }
    // The range is the example's own from now on.
    EXPECT_EQ(Examples()[0].I16(exo::kTableSteps), 3);
    EXPECT_EQ(Examples()[0].Real(exo::kTableLast), 2);
}

TEST_F(TableOfValuesTest, PolarRowsAreTRXAndY) {
    Add(cmd::kNewPolar, {{213, "1+cos(t)"}});
    ASSERT_TRUE(Table("0", "pi", "4"));
    const auto rows = Rows();
    ASSERT_EQ(rows.size(), 5u);
    for (int i = 0; i <= 4; ++i) {
        SCOPED_TRACE(i);
        const long double t = kPi * i / 4, r = 1 + std::cos(t);
        ASSERT_EQ(rows[i].size(), 4u);
        const long double expected[4] = {t, r, r * std::cos(t), r * std::sin(t)};
        for (int c = 0; c < 4; ++c)
            EXPECT_NEAR(double(rows[i][c]), double(expected[c]), 1e-4) << "column " << c;
    }
}

TEST_F(TableOfValuesTest, ParametricRowsAreTXAndY) {
    Add(cmd::kNewParametric, {{211, "t^2"}, {212, "1/t"}});
    ASSERT_TRUE(Table("-1", "1", "2"));
    const auto rows = Rows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_NEAR(double(rows[0][1]), 1, 1e-4);
    EXPECT_NEAR(double(rows[0][2]), -1, 1e-4);
    EXPECT_TRUE(std::isnan(rows[1][2])); // 1/0
}

TEST_F(TableOfValuesTest, ARefusedRangeKeepsTheDialogAndItsCode) {
    Add(cmd::kNewExplicit);
    platform.ScriptModal([](platform::MemoryDialog& d) {
        d.Type(212, "-5");
        d.Enter();
        d.Type(212, "5");
        d.Type(213, "0");
        d.Enter();
        d.Escape();
    });
    platform::MemoryDialog* inventory = platform.FindDialog("INVENT");
    ASSERT_TRUE(inventory->Select(TInventDlg::kList, 0));
    ASSERT_TRUE(inventory->Press(TInventDlg::kTable));
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{res::Message(6), res::Message(6)}));
    EXPECT_EQ(window->TableWindow(), nullptr);
    EXPECT_EQ(Examples()[0].I16(exo::kTableSteps), 50);
}

} // namespace
} // namespace korvane::equationtest
