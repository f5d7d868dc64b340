#pragma once
// What the tests of whole plane windows share: a settings folder of their own (the
// shared scratch folder) and a window that reads no settings file.
#include "plane/TPlot2Win.h"
#include "platform/Platform.h"
#include "tests/support/ScratchFolder.h"

#include <memory>

namespace korvane::planetest {

using testing::ScratchFolder;

inline std::unique_ptr<TPlot2Win> MakePlaneWindow(platform::Platform& platform) {
    WindowOptions options;
    options.readSettings = false;
    return std::make_unique<TPlot2Win>(platform, options, nullptr);
}

} // namespace korvane::planetest
