#pragma once
// "&Tamanho da imagem ..." (dialog "TWOINPUT"): the client area's width and height in
// centimetres at the screen's resolution, each 0.5 to 27 cm; anything else keeps the
// dialog open with message 1.
#include "platform/Dialog.h"
#include "platform/DialogHandler.h"
#include "platform/Geometry.h"

#include <functional>
#include <string>

namespace korvane {

class TImageSizeDlg : public platform::DialogHandler {
public:
    using Evaluator = std::function<int(const std::string&, long double&)>;
    using Reporter = std::function<void(int code)>;

    TImageSizeDlg(platform::Size client, int dpi, Evaluator evaluate, Reporter report)
        : client_(client), dpi_(dpi), evaluate_(std::move(evaluate)), report_(std::move(report)) {}

    // The client size asked for, in pixels, once OK has passed.
    platform::Size Chosen() const { return chosen_; }

    void OnInit(platform::Dialog& dialog) override;
    bool OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) override;

private:
    platform::Size client_;
    int dpi_;
    Evaluator evaluate_;
    Reporter report_;
    platform::Size chosen_;
};

} // namespace korvane
