#pragma once
// A plane window on the memory platform with its analysis tools, a settings folder of
// its own, and examples put through the window's own compile step.
#include "analysis/AnalysisTools.h"
#include "plane/TPlot2Win.h"
#include "platform/memory/MemoryDialog.h"
#include "platform/memory/MemoryPlatform.h"
#include "platform/memory/MemoryWindow.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/Tolerance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace korvane::analysistest {

using Formulas = std::vector<std::pair<int, const char*>>;

class AnalysisWindow : public ::testing::Test {
protected:
    void SetUp() override {
        platform.SetConfigDirectory(dir_.WithSlash());
        window = MakeWindow();
    }
    void TearDown() override { window.reset(); }

    std::unique_ptr<TPlot2Win> MakeWindow() {
        WindowOptions options;
        options.readSettings = false;
        auto made = std::make_unique<TPlot2Win>(platform, options, nullptr);
        InstallAnalysisTools(*made);
        return made;
    }

    // An example of `kind` compiled by the window; with `lo` < `hi` its own interval.
    int Add(std::int16_t kind, Formulas formulas, long double lo = 0, long double hi = 0) {
        ExampleTable& examples = window->Examples();
        const int index = examples.Append(kind, static_cast<std::int16_t>(3 + examples.Count()));
        ExampleRecord& e = examples[index];
        for (const auto& [slot, text] : formulas)
            e.texts[static_cast<std::size_t>(slot)] = text;
        e.texts[4] = DescribeExample(e);
        if (lo < hi) {
            e.SetFlag(exo::kLockInterval, true);
            e.SetReal(exo::kMinimum, lo);
            e.SetReal(exo::kMaximum, hi);
        } else {
            window->FollowView(e);
        }
        EXPECT_EQ(window->CompileExample(index), 0);
        window->ExamplesChanged();
        return index;
    }

    platform::MemoryWindow& Memory() {
        for (platform::MemoryWindow* w : platform.Windows())
            if (w->Request().menu == "PLOT2MENU" && &w->Handler() == window.get())
                return *w;
        ADD_FAILURE() << "no plane window";
        return *platform.Windows().front();
    }
    // Chooses the menu command as a user; null when the menu refused it.
    platform::MemoryDialog* Choose(int command, const char* dialogName) {
        if (!Memory().ChooseMenu(command))
            return nullptr;
        return platform.FindDialog(dialogName);
    }
    void Paint() {
        window->Redraw(1);
        Memory().RunPendingRepaint();
    }
    std::string Message(std::size_t i) const {
        return i < platform.Messages().size() ? platform.Messages()[i].text : std::string("(none)");
    }

    platform::MemoryPlatform platform;
    std::unique_ptr<TPlot2Win> window;

private:
    testing::ScratchFolder dir_;
};

// sqrt(2), pi (closed forms to 36 digits).
constexpr long double kSqrt2 = 1.41421356237309504880168872420969808L;
constexpr long double kPi = 3.14159265358979323846264338327950288L;

using testing::Near;

} // namespace korvane::analysistest
