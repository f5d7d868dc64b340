#pragma once
// Picture level: pictures pasted onto the graph. For now the (empty) list that the
// document code stores.
#include "graph/TZalWint.h"

#include <cstdint>
#include <vector>

namespace korvane {

struct PastedPicture {
    long double x = 0, y = 0, width = 0, height = 0; // world rectangle
    std::vector<std::uint8_t> data;                  // the picture as stored
};

class TZalWinm : public TZalWint {
public:
    TZalWinm(platform::Platform& platform, const WindowOptions& options, platform::Window* owner)
        : TZalWint(platform, options, owner) {}

    std::vector<PastedPicture>& Pictures() { return pictures_; }

protected:
    std::vector<PastedPicture> pictures_;
};

} // namespace korvane
