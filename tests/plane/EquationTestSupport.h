#pragma once
// A plane window on the memory platform for the tests of the equation dialog and the
// inventory: settings in a folder of its own, defaults instead of a settings file, and
// helpers that script the equation dialog as a user fills it.
#include "tests/support/PlaneWindowTestSupport.h"
#include "plane/PlaneCommands.h"
#include "plane/TEditExmpDlg.h"
#include "plane/TPlot2Win.h"
#include "platform/memory/MemoryPlatform.h"
#include "resources/Resources.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace korvane::equationtest {

using planetest::Typing;

class EquationWindow : public planetest::PlaneWindowTest {
protected:
    void ScriptOk(const Typing& typing = {}, std::vector<int> presses = {}) {
        planetest::ScriptOk(platform, typing, std::move(presses));
    }
    void ScriptCancel() {
        platform.ScriptModal([](platform::MemoryDialog& d) { d.Escape(); });
    }

    // The texts of the message boxes shown so far.
    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const auto& m : platform.Messages())
            texts.push_back(m.text);
        return texts;
    }

    ExampleTable& Examples() { return window->Examples(); }
};

} // namespace korvane::equationtest
