#include "graph/TZalWin.h"

#include "graph/ColourTable.h"
#include "graph/NumberText.h"
#include "graph/TNumberFormatDlg.h"
#include "graph/View.h"
#include "platform/ConfigDirectory.h"
#include "platform/Cp1252.h"
#include "platform/FileIO.h"
#include "platform/ScreenPlacement.h"

#include <algorithm>

namespace korvane {

TZalWin::TZalWin(platform::Platform& platform, const WindowOptions& options, platform::Window* owner)
    : TPreWin(platform, options, owner), curveColours_(DefaultCurveColours()) {}

std::string TZalWin::SettingsPath() { return platform_.ConfigDirectory() + SettingsFileName(); }

int TZalWin::NextCurveColour() {
    const int index = curveColours_[curveCursor_];
    curveCursor_ = (curveCursor_ + 1) % static_cast<int>(curveColours_.size());
    return index;
}

void TZalWin::OpenGraphWindow(const std::string& title, const std::string& menu) {
    platform::WindowSpec request;
    request.title = title;
    request.menu = menu;
    request.accelerators = menu;
    request.owner = Owner();
    CreatePlatformWindow(request);
    ReadSettingsFile();
}

void TZalWin::RestorePlacement() {
    if (settingsRead_ && placement_.width > 0 && placement_.height > 0)
        PlaceOnScreen(placement_);
}

void TZalWin::PlaceOnScreen(const platform::Placement& placement) {
    const std::vector<platform::Rect> areas = platform_.ScreenAreas();
    if (platform::PlacementFits(placement, areas))
        window_->SetPlacement(placement);
    else
        window_->SetPlacement(platform::MovedInto(placement, areas.front()));
}

bool TZalWin::ReadSettingsFile() {
    if (!options_.readSettings)
        return false;
    std::vector<std::uint8_t> bytes;
    if (!ReadWholeFile(SettingsPath(), bytes))
        return false;
    // Files of kinds with fewer fonts or colour slots leave the rest as the window has them.
    SettingsRecord record = MakeRecord();
    if (ReadSettings(bytes, SettingsIdentifier(), record) != 0) {
        ShowMessage(kBadSettingsFile);
        return false;
    }
    TakeRecord(record);
    UnpackSharedSlots(record);
    UnpackSlots(record);
    settingsRead_ = true;
    return true;
}

void TZalWin::TakeRecord(const SettingsRecord& r) {
    stored_ = r;
    placement_ = {r.x, r.y, r.width, r.height, r.maximized};
    for (int i = 0; i < kFontSlots; ++i)
        Fonts()[i] = r.fonts[i];
    ApplyFontHeights();
    for (int i = 0; i < kColourSlots; ++i)
        colours_.slots[i].index = r.colourSlots[i];
    // Only the table's own 25 entries take stored colour bytes.
    const std::size_t n = r.colourTableBytes.size() / 3;
    ColourTable& table = ProgramColours();
    for (std::size_t i = 0; i < n && i < kColourCount; ++i) {
        table.red[i] = r.colourTableBytes[i];
        table.green[i] = r.colourTableBytes[n + i];
        table.blue[i] = r.colourTableBytes[2 * n + i];
    }
    windowValue_ = r.intA[0];
    const int count = std::clamp(r.intA[1], 0, 10);
    for (int i = 0; i < count; ++i)
        curveColours_[i] = r.intA[2 + i];
    lastDocument_ = platform::Cp1252ToUtf8(r.lastPath);
}

SettingsRecord TZalWin::MakeRecord() {
    SettingsRecord r = stored_;
    r.identifier = SettingsIdentifier();
    if (r.format < 1)
        r.format = 1;
    if (window_) {
        const platform::Placement p = window_->GetPlacement();
        r.x = p.x;
        r.y = p.y;
        r.width = p.width;
        r.height = p.height;
        r.maximized = window_->IsMaximized();
    }
    r.colourTableBytes.clear();
    for (int i = 0; i < kFontSlots; ++i)
        r.fonts[i] = Fonts()[i];
    for (int i = 0; i < kColourSlots; ++i)
        r.colourSlots[i] = static_cast<std::int16_t>(colours_.slots[i].index);
    r.intA[0] = windowValue_;
    r.intA[1] = 10;
    for (int i = 0; i < 10; ++i)
        r.intA[2 + i] = curveColours_[i];
    r.lastPath = platform::Utf8ToCp1252(lastDocument_);
    return r;
}

void TZalWin::WriteSettingsFile() {
    if (settingsWritten_)
        return;
    settingsWritten_ = true;
    SettingsRecord record = MakeRecord();
    PackSharedSlots(record);
    PackSlots(record);
    platform::EnsureDirectory(platform_.ConfigDirectory());
    WriteFileAtomically(SettingsPath(), WriteSettings(record));
}

bool TZalWin::EditWidth(int& width, int labelId, bool printer) {
    int code = 0;
    const auto value = AskNumber(5, labelId, FormatInt(width), 20, code);
    if (!value)
        return false;
    if (code != 0) {
        ShowMessage(code);
        return false;
    }
    int next = RoundToInt(*value);
    if (next < 0) {
        ShowMessage(14);
        return false;
    }
    if (next == width)
        return false;
    if (printer && next < 1)
        next = 1;
    width = next;
    SetModified();
    return true;
}

void TZalWin::EditNumberFormat() {
    TNumberFormatDlg dialog(
        format_, HasFieldWidth(), HasScientific(),
        [this](const std::string& text, long double& value) { return EvaluateNumber(text, value); },
        [this](int code) { ShowMessage(code); });
    platform_.RunModal(dialog.TemplateName(), dialog, window_.get());
    if (dialog.Changed()) {
        SetModified();
        OnNumberFormatChanged();
    }
}

void TZalWin::RefreshMenuChecks() {
    if (window_)
        window_->CheckMenuItem(cmd::kUseDefaults, useDefaults_);
}

void TZalWin::OnCommand(int id) {
    if (id >= cmd::kColourFirst && id < cmd::kColourFirst + kColourSlots) {
        ChooseSlotColour(id - cmd::kColourFirst);
        return;
    }
    switch (id) {
    case cmd::kAxesWidthScreen:
        if (EditWidth(widths_.axesScreen, 16, false))
            OnWidthChanged(true);
        break;
    case cmd::kAxesWidthPrinter: EditWidth(widths_.axesPrinter, 15, true); break;
    case cmd::kGridWidthScreen:
        if (EditWidth(widths_.gridScreen, 16, false))
            OnWidthChanged(false);
        break;
    case cmd::kGridWidthPrinter: EditWidth(widths_.gridPrinter, 15, true); break;
    case cmd::kNumberFormat: EditNumberFormat(); break;
    case cmd::kFont:
        if (ChooseFontSlot(kFontScale))
            Redraw(1);
        break;
    case cmd::kUseDefaults:
        useDefaults_ = !useDefaults_;
        RefreshMenuChecks();
        break;
    default: break;
    }
}

} // namespace korvane
