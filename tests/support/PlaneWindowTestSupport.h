#pragma once
// What the tests of whole plane windows share: a settings folder of their own (the
// shared scratch folder), a window that reads no settings file, and examples put through
// the window's own compile step. The platform is a memory platform or one derived from it.
#include "plane/TPlot2Win.h"
#include "platform/Platform.h"
#include "platform/memory/MemoryDialog.h"
#include "platform/memory/MemoryPlatform.h"
#include "platform/memory/MemoryWindow.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace korvane::planetest {

using testing::ScratchFolder;
using Formulas = std::vector<std::pair<int, const char*>>;
using Typing = std::vector<std::pair<int, std::string>>; // control id, text

// Types the texts and presses the controls in the next modal dialog, then "ok".
inline void ScriptOk(platform::MemoryPlatform& platform, const Typing& typing = {}, std::vector<int> presses = {}) {
    platform.ScriptModal([typing, presses](platform::MemoryDialog& d) {
        for (const auto& [id, text] : typing)
            EXPECT_TRUE(d.Type(id, text)) << "control " << id << " of " << d.Template().name;
        for (int id : presses)
            EXPECT_TRUE(d.Press(id)) << "control " << id << " of " << d.Template().name;
        d.Enter();
    });
}

// A window from the built-in defaults; `options` may name a start document or a notebook.
inline std::unique_ptr<TPlot2Win> MakePlaneWindow(platform::Platform& platform, WindowOptions options = {}) {
    options.readSettings = false;
    return std::make_unique<TPlot2Win>(platform, options, nullptr);
}

template <class PlatformType>
class PlaneWindowOn : public ::testing::Test {
protected:
    void SetUp() override {
        platform.SetConfigDirectory(folder.WithSlash());
        window = MakeWindow();
    }
    void TearDown() override { window.reset(); }
    virtual std::unique_ptr<TPlot2Win> MakeWindow() { return MakePlaneWindow(platform); }
    std::string PathOf(const std::string& name) const { return folder.File(name); }

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

    ScratchFolder folder;
    PlatformType platform;
    std::unique_ptr<TPlot2Win> window;
};

using PlaneWindowTest = PlaneWindowOn<platform::MemoryPlatform>;

} // namespace korvane::planetest
