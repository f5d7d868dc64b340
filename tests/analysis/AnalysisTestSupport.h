#pragma once
// A plane window on the memory platform with its analysis tools.
#include "analysis/AnalysisTools.h"
#include "tests/support/PlaneWindowTestSupport.h"
#include "tests/support/Tolerance.h"

#include <stdexcept>
#include <string>

namespace korvane::analysistest {

using planetest::Formulas;

class AnalysisWindow : public planetest::PlaneWindowTest {
protected:
    std::unique_ptr<TPlot2Win> MakeWindow() override {
        auto made = planetest::MakePlaneWindow(platform);
        InstallAnalysisTools(*made);
        return made;
    }
    void Paint() {
        window->Redraw(1);
        Memory().RunPendingRepaint();
    }
    // The dialog a menu command opens; the test fails at once when it does not open.
    platform::MemoryDialog* Opened(int command, const char* name) {
        platform::MemoryDialog* d = Choose(command, name);
        if (d == nullptr)
            throw std::runtime_error(std::string(name) + " did not open");
        return d;
    }
    std::string Message(std::size_t i) const {
        return i < platform.Messages().size() ? platform.Messages()[i].text : std::string("(none)");
    }
};

// sqrt(2), pi (closed forms to 36 digits).
constexpr long double kSqrt2 = 1.41421356237309504880168872420969808L;
constexpr long double kPi = 3.14159265358979323846264338327950288L;

using testing::Near;

} // namespace korvane::analysistest
