#pragma once
// Label level: texts placed on the graph. For now it keeps the (empty) list that the
// document code stores and follows view changes through the radii hand-over.
#include "graph/TGridWin.h"

#include <string>
#include <vector>

namespace korvane {

struct GraphText {
    long double x = 0, y = 0; // world anchor
    std::string text;
    int font = 0;
    bool scaled = false; // follows the radii: moves with zooms about the centre
};

class TZalWint : public TGridWin {
public:
    TZalWint(platform::Platform& platform, const WindowOptions& options, platform::Window* owner);

    std::vector<GraphText>& Texts() { return texts_; }
    long double LastRadiusX() const { return lastRx_; }
    long double LastRadiusY() const { return lastRy_; }

protected:
    void OnRadiiChanged(long double oldRx, long double oldRy) override;

    std::vector<GraphText> texts_;

private:
    long double lastRx_ = 5, lastRy_ = 5;
};

} // namespace korvane
