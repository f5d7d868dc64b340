#pragma once
// "derivar" of an explicit surface z = f(x, y) or an implicit one F = 0: which partial
// derivative, d/dx or d/dy (or d/dz of an implicit surface).
#include <cstdint>

#include "platform/DialogHandler.h"

namespace korvane {

class TDeriveDlg : public platform::DialogHandler {
public:
    static constexpr int kByX = 251, kByY = 252, kByZ = 253;

    void OnInit(platform::Dialog& dialog) override;
    void OnClose(platform::Dialog& dialog, int result) override;
    // The letter slot of the chosen variable (X or Y).
    std::int16_t Variable() const { return variable_; }

private:
    std::int16_t variable_ = 24; // X
};

} // namespace korvane
