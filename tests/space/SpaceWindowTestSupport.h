#pragma once
// A space window on the memory platform with a settings folder of its own.
#include "tests/support/PlaneWindowTestSupport.h"
#include "platform/memory/MemoryPlatform.h"
#include "platform/memory/RecordingSurface.h"
#include "space/SpaceCommands.h"
#include "space/TPlot3Win.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

namespace korvane::spacetest {

using planetest::ScratchFolder;

using planetest::Typing;

class SpaceWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform.SetConfigDirectory(folder.WithSlash());
        window = MakeWindow();
    }
    void TearDown() override { window.reset(); }

    std::unique_ptr<TPlot3Win> MakeWindow() {
        WindowOptions options;
        options.readSettings = false;
        return std::make_unique<TPlot3Win>(platform, options, nullptr);
    }
    void ScriptOk(const Typing& typing = {}, std::vector<int> presses = {}) {
        planetest::ScriptOk(platform, typing, std::move(presses));
    }
    // A command whose dialog is filled in and accepted.
    void New(int command, const Typing& typing = {}, std::vector<int> presses = {}) {
        ScriptOk(typing, std::move(presses));
        window->OnCommand(command);
    }
    // The window's picture, drawn into a recording surface over a raster: its primitives
    // of one kind.
    std::vector<platform::Primitive> Paint(TPlot3Win& w, platform::Primitive::Kind kind = platform::Primitive::Polygon) {
        auto raster = platform.CreateSurface(w.ClientSize());
        platform::RecordingSurface out(*raster);
        w.DrawAll(out);
        return out.OfKind(kind);
    }

    ScratchFolder folder;
    platform::MemoryPlatform platform;
    std::unique_ptr<TPlot3Win> window;
};

} // namespace korvane::spacetest
