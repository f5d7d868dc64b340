#pragma once
// A plane window on the memory platform for the tests of the equation dialog and the
// inventory: settings in a folder of its own, defaults instead of a settings file, and
// helpers that script the equation dialog as a user fills it.
#include "PlaneWindowTestSupport.h"
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

using Typing = std::vector<std::pair<int, std::string>>; // control id, text

class EquationWindow : public ::testing::Test {
protected:
    void SetUp() override {
        platform.SetConfigDirectory(folder_.WithSlash());
        window = planetest::MakePlaneWindow(platform);
    }

    void TearDown() override { window.reset(); }

    // Types the texts and presses "ok" in the next equation dialog.
    void ScriptOk(const Typing& typing = {}, std::vector<int> presses = {}) {
        platform.ScriptModal([typing, presses](platform::MemoryDialog& d) {
            for (const auto& [id, text] : typing)
                EXPECT_TRUE(d.Type(id, text)) << "control " << id << " of " << d.Template().name;
            for (int id : presses)
                EXPECT_TRUE(d.Press(id)) << "control " << id << " of " << d.Template().name;
            d.Enter();
        });
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

    planetest::ScratchFolder folder_;
    platform::MemoryPlatform platform;
    std::unique_ptr<TPlot2Win> window;
};

} // namespace korvane::equationtest
