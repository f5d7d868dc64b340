#pragma once
// The modeless view dialog ("VIEWALL" and its variants): corners, centre and width of the
// world window, with "centro" / "cantos" choosing which of them "aplicar" uses.
#include "platform/Dialog.h"
#include "platform/DialogHandler.h"

#include <functional>
#include <string>

namespace korvane {

class View;
struct NumberFormat;

struct ViewRequest {
    bool change = false;
    bool cornerMode = false;
    long double cx = 0, cy = 0, rx = 0, ry = 0;
};

class TViewDlg : public platform::DialogHandler {
public:
    using Evaluator = std::function<int(const std::string&, long double&)>;

    TViewDlg(const View& view, const NumberFormat& format, Evaluator evaluate)
        : view_(view), format_(format), evaluate_(std::move(evaluate)) {}

    // Run on "aplicar" with the request when it changes something.
    std::function<void(const ViewRequest&)> onApply;
    // Run with the code of a refused request.
    std::function<void(int code)> onError;

    bool hidden = true;

    void Fill(platform::Dialog& dialog) const;
    // The request the fields make, or the code of the failure.
    int ReadRequest(const platform::Dialog& dialog, ViewRequest& out) const;

    void OnInit(platform::Dialog& dialog) override { Fill(dialog); }
    bool OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) override;
    void OnClose(platform::Dialog& dialog, int result) override;

private:
    int Read(const platform::Dialog& dialog, int id, long double& value) const;

    const View& view_;
    const NumberFormat& format_;
    Evaluator evaluate_;
};

} // namespace korvane
