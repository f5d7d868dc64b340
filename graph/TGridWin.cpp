#include "graph/TGridWin.h"

#include "graph/AxesPainter.h"
#include "graph/ColourTable.h"
#include "graph/NumberText.h"

namespace korvane {

namespace {

// The axis names dialog "AXVBLS": three fields of at most 19 characters.
class AxisNamesDialog : public platform::DialogHandler {
public:
    explicit AxisNamesDialog(std::array<std::string, 3>& names) : names_(names) {}
    bool changed = false;

    void OnInit(platform::Dialog& dialog) override {
        for (int i = 0; i < 3; ++i)
            dialog.SetText(kFirstField + i, names_[i]);
    }
    bool OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) override {
        if (id != platform::ResultOk || event != platform::ControlEvent::Clicked)
            return false;
        for (int i = 0; i < 3; ++i) {
            const std::string text = dialog.GetText(kFirstField + i).substr(0, 19);
            changed = changed || text != names_[i];
            names_[i] = text;
        }
        dialog.End(platform::ResultOk);
        return true;
    }
    static constexpr int kFirstField = 211;

private:
    std::array<std::string, 3>& names_;
};

} // namespace

TGridWin::TGridWin(platform::Platform& platform, const WindowOptions& options, platform::Window* owner)
    : TZalWing(platform, options, owner) {
    colours_.Name(kSlotAxes, 104, 1);
    colours_.Name(kSlotGrid, 111, 1);
    SyncPixelSizes();
}

TGridWin::~TGridWin() = default;

void TGridWin::SyncPixelSizes() {
    view_.tickLen = axes_.tickLen;
    view_.arrowLen = axes_.arrowLen;
    view_.markSize = axes_.markSize;
    view_.Recompute();
}

void TGridWin::DrawBase(platform::Surface& surface) { DrawAxes(surface); }

void TGridWin::DrawAxes(platform::Surface& surface) {
    AxesStyle style;
    const int axesWidth = printing_ ? widths_.axesPrinter : widths_.axesScreen;
    const int gridWidth = printing_ ? widths_.gridPrinter : widths_.gridScreen;
    style.axesPen = {PenRgb(SlotColour(kSlotAxes)), axesWidth, platform::PenStyle::Solid};
    style.gridPen = {PenRgb(SlotColour(kSlotGrid)), gridWidth,
                     (axes_.gridBits & GridDotted) ? platform::PenStyle::Dotted : platform::PenStyle::Solid};
    style.labelFont = FontSpecOf(kFontScale);
    style.textColour = FontColour(kFontScale);
    style.background = BackgroundRgb();
    style.transparentTexts = TransparentTexts();
    const long double tickX = axes_.tickX, tickY = axes_.tickY;
    AxesPainter(surface, view_, axes_, style).Draw();
    // The dialog shows intervals as they are drawn.
    if ((tickX != axes_.tickX || tickY != axes_.tickY) && gridHandler_ && gridDialog_ && !gridHandler_->hidden)
        gridHandler_->FillIntervals(*gridDialog_);
}

void TGridWin::RefreshMenuChecks() {
    TZalWing::RefreshMenuChecks();
    if (!window_)
        return;
    window_->CheckMenuItem(cmd::kOpaque, axes_.textBackground == TextOpaque);
    window_->CheckMenuItem(cmd::kSolidArrows, axes_.solidArrows);
    window_->CheckMenuItem(cmd::kDottedLines, axes_.dottedLines);
    window_->CheckMenuItem(cmd::kAxes, axes_.axesShown);
    window_->CheckMenuItem(cmd::kMinusSign, axes_.minusCustom);
}

void TGridWin::OnWidthChanged(bool axes) {
    if (!axes || axes_.axesShown)
        Redraw(1);
}

void TGridWin::AxesChanged(int level) {
    InvalidateLayer(level);
    RefreshMenuChecks();
    RequestRepaint();
}

void TGridWin::ShowGridDialog() {
    if (!gridDialog_) {
        const int screenWidth = platform_.ScreenSize().width;
        gridHandler_ = std::make_unique<TGridDlg>(axes_, screenWidth, [this](const std::string& text, long double& v) {
            return EvaluateNumber(text, v);
        });
        gridHandler_->onChange = [this] {
            SyncPixelSizes();
            SetModified();
            SetGridChanged();
            RefreshMenuChecks();
            RequestRepaint();
        };
        gridDialog_ = platform_.CreateModeless("SETGRID", *gridHandler_, window_.get());
        if (!gridDialog_)
            return;
    }
    gridHandler_->hidden = false;
    gridHandler_->Fill(*gridDialog_);
    gridDialog_->Show();
}

void TGridWin::EditAxisNames() {
    AxisNamesDialog dialog(axes_.axisNames);
    platform_.RunModal("AXVBLS", dialog, window_.get());
    if (dialog.changed) {
        SetModified();
        Redraw(currentLevel_);
        InvalidatePicture();
    }
}

void TGridWin::EditPiSymbol() {
    int code = 0;
    const auto value = AskNumber(320, 321, FormatInt(axes_.piChar), 10, code);
    if (!value)
        return;
    if (code != 0 || !(*value >= 32 && *value <= 255)) {
        ShowMessage(code != 0 ? code : 17);
        return;
    }
    const int next = RoundToInt(*value);
    if (next == axes_.piChar)
        return;
    axes_.piChar = next;
    SetModified();
    InvalidatePicture();
    RequestRepaint();
}

void TGridWin::EditMinusSign() {
    int code = 0;
    const auto value = AskNumber(3, 4, FormatInt(axes_.minusChar), 10, code);
    const bool wasCustom = axes_.minusCustom;
    const int wasChar = axes_.minusChar;
    if (!value) {
        axes_.minusCustom = false;
    } else if (code != 0 || !(*value >= 32 && *value <= 255)) {
        ShowMessage(code != 0 ? code : 17);
        return;
    } else {
        axes_.minusCustom = true;
        axes_.minusChar = RoundToInt(*value);
    }
    RefreshMenuChecks();
    if (wasCustom != axes_.minusCustom || wasChar != axes_.minusChar) {
        SetModified();
        InvalidatePicture();
        RequestRepaint();
    }
}

void TGridWin::OnCommand(int id) {
    switch (id) {
    case cmd::kAxes:
        axes_.axesShown = !axes_.axesShown;
        AxesChanged(1);
        break;
    case cmd::kGridDialog: ShowGridDialog(); break;
    case cmd::kSolidArrows:
        axes_.solidArrows = !axes_.solidArrows;
        RefreshMenuChecks();
        if (axes_.axesShown && axes_.arrows)
            Redraw(1);
        break;
    case cmd::kOpaque:
        axes_.textBackground = 3 - axes_.textBackground;
        SetModified();
        InvalidateLayer(0);
        AxesChanged(1);
        break;
    case cmd::kAxisNames: EditAxisNames(); break;
    case cmd::kPiSymbol: EditPiSymbol(); break;
    case cmd::kMinusSign: EditMinusSign(); break;
    case cmd::kDottedLines:
        axes_.dottedLines = !axes_.dottedLines;
        SetModified();
        AxesChanged(1);
        break;
    case cmd::kDottedColour:
        OpenColourWindow(StringOf(91), axes_.dottedColour, [this](int index) {
            axes_.dottedColour = index;
            SetModified();
            Redraw(1);
        });
        break;
    default: TZalWing::OnCommand(id); break;
    }
}

} // namespace korvane
