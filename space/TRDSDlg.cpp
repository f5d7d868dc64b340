#include "space/TRDSDlg.h"

#include <cmath>

#include "platform/Dialog.h"
#include "space/FieldText.h"
#include "space/SurfaceRecord.h"

namespace korvane {

namespace {

constexpr int kOutOfRange = 17;

std::string CandidateLine(const ExampleRecord& e) {
    const std::string mark = e.Flag(spo::kLeftOutOfStereogram) ? "( ) " : "(x) ";
    return mark + (e.Kind() == kSurfaceCylindrical ? "z = f(r,t) = " : "z = f(x,y) = ") + e.texts[2];
}

} // namespace

TRDSDlg::TRDSDlg(RdsHost host) : host_(std::move(host)) {}

void TRDSDlg::Fill(platform::Dialog& dialog) {
    const int selected = dialog.ListSelection(kList);
    dialog.ListClear(kList);
    if (host_.candidates)
        for (const ExampleRecord* e : host_.candidates())
            dialog.ListAdd(kList, CandidateLine(*e));
    if (selected >= 0 && selected < dialog.ListCount(kList))
        dialog.ListSelect(kList, selected);
    if (!host_.parameters)
        return;
    const StereogramParameters& p = *host_.parameters;
    dialog.SetText(kDepth, FieldText(p.depth));
    dialog.SetText(kDensity, std::to_string(p.density));
    dialog.SetText(kStrips, std::to_string(p.strips));
    dialog.SetText(kDotSize, std::to_string(p.dotSize));
}

int TRDSDlg::Read(const platform::Dialog& dialog) {
    struct Field {
        int id;
        long double low, high;
    };
    const Field fields[4] = {{kDepth, -kMaxStereogramDepth, kMaxStereogramDepth},
                             {kDensity, 0, 100},
                             {kStrips, 1, kMaxStrips},
                             {kDotSize, 1, kMaxStereogramDot}};
    long double values[4];
    for (int k = 0; k < 4; ++k) {
        if (!host_.evaluate)
            return kOutOfRange;
        if (const int code = host_.evaluate(dialog.GetText(fields[k].id), values[k]); code != 0)
            return code;
        if (k > 0)
            values[k] = std::nearbyint(values[k]);
        if (!(values[k] >= fields[k].low && values[k] <= fields[k].high))
            return kOutOfRange;
    }
    if (host_.parameters)
        *host_.parameters = {values[0], static_cast<int>(values[1]), static_cast<int>(values[2]),
                             static_cast<int>(values[3])};
    return 0;
}

bool TRDSDlg::OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) {
    if (id == kList && event == platform::ControlEvent::DoubleClicked) {
        const int at = dialog.ListSelection(kList);
        std::vector<ExampleRecord*> candidates = host_.candidates ? host_.candidates() : std::vector<ExampleRecord*>{};
        if (at >= 0 && at < static_cast<int>(candidates.size())) {
            ExampleRecord& e = *candidates[static_cast<std::size_t>(at)];
            e.SetFlag(spo::kLeftOutOfStereogram, !e.Flag(spo::kLeftOutOfStereogram));
            if (host_.selectionChanged)
                host_.selectionChanged();
            dialog.ListClear(kList);
            for (const ExampleRecord* c : candidates)
                dialog.ListAdd(kList, CandidateLine(*c));
            dialog.ListSelect(kList, at);
        }
        return true;
    }
    if (event != platform::ControlEvent::Clicked)
        return false;
    if (id == kClose) {
        dialog.Hide();
        return true;
    }
    if (id != kDraw)
        return false;
    if (const int code = Read(dialog); code != 0) {
        if (host_.showMessage)
            host_.showMessage(code);
        return true;
    }
    if (host_.draw)
        host_.draw();
    return true;
}

} // namespace korvane
