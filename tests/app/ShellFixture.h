#pragma once
// A frame on the in-memory platform, with a factory that records every window it makes
// and can be told to fail, and a settings folder of its own.
#include "app/EmptyGraphWindow.h"
#include "app/EmptyWindowFactory.h"
#include "app/TPlotFrame.h"
#include "expr/RandomGenerator.h"
#include "platform/memory/MemoryPlatform.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace korvane::testing {

struct MadeWindow {
    std::string kind;
    WindowOptions options;
};

class RecordingFactory : public EmptyWindowFactory {
public:
    explicit RecordingFactory(platform::Platform& platform) : EmptyWindowFactory(platform) {}

    std::unique_ptr<OwnedWindow> CreatePlane(const WindowOptions& o, platform::Window* owner) override {
        return Record("plane", o, EmptyWindowFactory::CreatePlane(o, owner));
    }
    std::unique_ptr<OwnedWindow> CreateSpace(const WindowOptions& o, platform::Window* owner) override {
        return Record("space", o, EmptyWindowFactory::CreateSpace(o, owner));
    }
    std::unique_ptr<OwnedWindow> CreateGuess(const WindowOptions& o, platform::Window* owner) override {
        return Record("guess", o, EmptyWindowFactory::CreateGuess(o, owner));
    }
    std::unique_ptr<OwnedWindow> CreateMapperDomain(const WindowOptions& o, platform::Window* owner) override {
        return Record("domain", o, EmptyWindowFactory::CreateMapperDomain(o, owner));
    }
    std::unique_ptr<OwnedWindow> CreateMapperRange(const WindowOptions& o, platform::Window* owner) override {
        return Record("range", o, EmptyWindowFactory::CreateMapperRange(o, owner));
    }
    void LinkMapper(OwnedWindow&, OwnedWindow&) override { ++links; }

    std::vector<MadeWindow> made;
    std::set<std::string> failing; // kinds whose creation fails
    int links = 0;

private:
    std::unique_ptr<OwnedWindow> Record(const char* kind, const WindowOptions& o, std::unique_ptr<OwnedWindow> w) {
        if (failing.count(kind))
            return nullptr;
        made.push_back({kind, o});
        return w;
    }
};

class ShellTest : public ::testing::Test {
protected:
    ShellTest() {
        platform.SetConfigDirectory(dir_.WithSlash());
        platform.SetScreenSize({1280, 1024});
    }
    ~ShellTest() override { frame.reset(); }

    // Constructs and sets up the frame, as the program does, and shows it.
    TPlotFrame& StartFrame(const std::string& pendingFile = "") {
        frame = std::make_unique<TPlotFrame>(platform, factory, random, pendingFile);
        frame->SetupWindow();
        frame->Show();
        return *frame;
    }
    platform::MemoryWindow& FrameWindow() { return static_cast<platform::MemoryWindow&>(frame->GetWindow()); }
    // Closes the frame as the user does, then forgets it.
    void CloseFrame() {
        FrameWindow().Close();
        frame.reset();
    }
    std::string IniPath() const { return dir_.File("kv.ini"); }
    std::vector<std::string> MadeTitles() const {
        std::vector<std::string> titles;
        for (const MadeWindow& m : factory.made)
            titles.push_back(m.options.title);
        return titles;
    }

    platform::MemoryPlatform platform;
    RecordingFactory factory{platform};
    RandomGenerator random{12345};
    std::unique_ptr<TPlotFrame> frame;

private:
    ScratchFolder dir_;
};

} // namespace korvane::testing
