#include "space/TRDSWin.h"

#include <algorithm>
#include <cmath>

#include "graph/ColourSlots.h"
#include "plane/ExampleCompiler.h"
#include "platform/Surface.h"
#include "platform/Window.h"
#include "plane/TSlideDlg.h"
#include "space/SurfaceRecord.h"

namespace korvane {

namespace {

int GuideRadius(const StereogramLayout& layout) { return std::max(3, layout.rowHeight); }
// The clear band under the picture that holds the guide dots.
int GuideBandTop(const StereogramLayout& layout) { return layout.height - 4 * GuideRadius(layout); }

} // namespace

TRDSWin::TRDSWin(platform::Platform& platform, const WindowOptions& options, platform::Window* owner)
    : TPlot11Win(platform, options, owner), seed_(RandomGenerator::Program().Next()) {
    colours_.slots[kSlotBackground].index = 1;
    colours_.slots[kSlotAxes].index = 0;
    axes_.axesShown = false;
    currentLevel_ = 1;
    OpenGraphWindow(options_.title.empty() ? "estereograma" : options_.title, "RDSMENU");
    SyncPixelSizes();
    RestorePlacement();
    Recompute();
    CreateLayers(1);
    RefreshMenuChecks();
    EnableOutputCommands();
    animator_ = std::make_unique<LetterAnimator>(*this);
    animator_->ownPicture = LetterAnimator::OwnPicture{[this] { return LettersOfRecords(); },
                                                     [this](platform::Surface& s) { DrawBase(s); }};
    window_->Show();
}

TRDSWin::~TRDSWin() {
    animator_.reset(); // its dialogs refer to this window
    WriteSettingsFile();
}

bool TRDSWin::NoteSharedLetters() {
    bool moved = false;
    const auto note = [&moved](const ComplexValue(&now)[kLetterCount], ComplexValue(&shared)[kLetterCount]) {
        for (int i = 0; i < kLetterCount; ++i) {
            moved = moved || now[i].re != shared[i].re || now[i].im != shared[i].im;
            shared[i] = now[i];
        }
    };
    note(context_.letterValues, sharedValues_);
    note(context_.letterLow, sharedLow_);
    note(context_.letterHigh, sharedHigh_);
    return moved;
}

std::uint32_t TRDSWin::LettersOfRecords() {
    std::array<bool, 256> uses{};
    for (const ExampleRecord* e : records ? records() : std::vector<const ExampleRecord*>{})
        MarkLettersInUse(*e, uses, Compiler());
    std::uint32_t mask = 0;
    for (int slot = 0; slot < kLetterCount; ++slot)
        if (uses[static_cast<std::size_t>('@' + slot)])
            mask |= std::uint32_t{1} << slot;
    return mask;
}

bool TRDSWin::Box(SpacePoint& low, SpacePoint& high) const {
    low = {1e18L, 1e18L, 1e18L};
    high = {-1e18L, -1e18L, -1e18L};
    bool any = false;
    for (const ExampleRecord* e : records ? records() : std::vector<const ExampleRecord*>{}) {
        const SpacePoint a = RecordBoxMin(*e), b = RecordBoxMax(*e);
        low = {std::min(low.x, a.x), std::min(low.y, a.y), std::min(low.z, a.z)};
        high = {std::max(high.x, b.x), std::max(high.y, b.y), std::max(high.z, b.z)};
        any = true;
    }
    return any;
}

// The view shows the box's x extent across the window, centred on the box.
void TRDSWin::Refresh() {
    animator_->Stop();
    seed_ = RandomGenerator::Program().Next();
    if (copyLetters)
        copyLetters(context_);
    NoteSharedLetters();
    animator_->RefreshSliders();
    EnableOutputCommands();
    SpacePoint low, high;
    if (Box(low, high)) {
        view_.aspect = 1;
        SetView((low.x + high.x) / 2, (low.y + high.y) / 2, (high.x - low.x) / 2, (high.y - low.y) / 2, false);
    }
    InvalidatePicture();
    Redraw(1);
}

void TRDSWin::DrawGuideDots(platform::Surface& surface, const StereogramLayout& layout) {
    // Two discs a strip apart on a clear band under the picture: fused, they show three.
    const int radius = GuideRadius(layout);
    const int left = view_.offsetX, top = view_.offsetY;
    const int y = top + layout.height - 2 * radius;
    const int half = static_cast<int>(std::lround(layout.scale * layout.strip / 2));
    const platform::Rgb ink = PenRgb(SlotColour(kSlotAxes));
    surface.FillRect({left, top + GuideBandTop(layout), left + layout.width, top + layout.height}, BackgroundRgb());
    surface.SetPen({ink, 1, platform::PenStyle::Solid});
    surface.SetBrush({ink, platform::BrushStyle::Solid});
    for (int side : {-1, 1}) {
        const int x = left + layout.width / 2 + side * half;
        surface.Ellipse({x - radius, y - radius, x + radius + 1, y + radius + 1});
    }
}

void TRDSWin::DrawBase(platform::Surface& surface) {
    ClearToBackground(surface);
    rowsDrawn_ = 0;
    stopped_ = false;
    if (NoteSharedLetters() && shareLetters)
        shareLetters(context_);
    SpacePoint low, high;
    if (!Box(low, high) || !parameters)
        return;
    const StereogramParameters p = ClampedStereogram(parameters());
    const StereogramLayout layout = ComputeStereogramLayout(p, view_.clientW, view_.clientH, low, high);
    if (!layout.usable)
        return;
    const std::vector<const ExampleRecord*> shown = records();
    // An animation draws whole pictures and polls the keyboard itself.
    const bool poll = !Printing() && window_ && !drawSettings_.noPoll;
    // A row's touching dots of one colour make one bar, so that a file holds rows of bars
    // rather than a rule per pixel; on a raster the pixels are the same. Nothing goes
    // under the guide dots, where a file could not clear it.
    std::vector<int> row(static_cast<std::size_t>(layout.width), -1);
    int rowY = -1, rowSize = 1;
    const int left = view_.offsetX, top = view_.offsetY, bandTop = GuideBandTop(layout);
    const auto flush = [&] {
        for (int x = 0; x < layout.width;) {
            const int colour = row[static_cast<std::size_t>(x)];
            int end = x + 1;
            while (end < layout.width && row[static_cast<std::size_t>(end)] == colour)
                ++end;
            if (colour >= 0)
                surface.FillRect({left + x, top + rowY, left + end, top + rowY + rowSize}, PenRgb(colour));
            x = end;
        }
        std::fill(row.begin(), row.end(), -1);
    };
    StereogramTarget target;
    target.dot = [&](int x, int y, int size, const ExampleRecord& e) {
        if (y != rowY) {
            flush();
            rowY = y;
        }
        rowSize = size;
        if (y + size > bandTop)
            return;
        const int end = std::min(x + size, layout.width);
        std::fill(row.begin() + std::max(x, 0), row.begin() + std::max(end, 0), e.Colour());
    };
    target.poll = [&](int drawn, int rows) {
        flush();
        rowsDrawn_ = drawn + 1;
        if (!poll)
            return true;
        window_->SetTitle("estereograma: linha " + std::to_string(drawn + 1) + " de " + std::to_string(rows + 1) +
                          "; " + StatusText(1, 0, 0));
        return PeekKey() != 'S';
    };
    RandomGenerator random(seed_);
    stopped_ = !DrawStereogram(context_, shown, layout, p, view_.ymax, random, target);
    flush();
    if (poll)
        ClearStatus();
    if (!stopped_)
        DrawGuideDots(surface, layout);
}

void TRDSWin::OnPaint(platform::Surface& front) {
    if (animator_->PaintSlide(front))
        return;
    TPlot11Win::OnPaint(front);
    animator_->Painted();
}

void TRDSWin::OnKey(const platform::KeyEvent& key) {
    if (!animator_->OnKey(key))
        TPlot11Win::OnKey(key);
}

void TRDSWin::OnTimer(int id) {
    if (!animator_->OnTimer(id))
        TPlot11Win::OnTimer(id);
}

void TRDSWin::OnCommand(int id) {
    if (animator_->OnCommand(id))
        return;
    animator_->Stop();
    if (id == cmd::kStereogramClose) {
        OnClose();
        return;
    }
    TPlot11Win::OnCommand(id);
}

bool TRDSWin::OnClose() {
    animator_->Stop();
    for (int slot = 0; slot < kAnimatedLetters; ++slot)
        if (TSlideDlg* slider = animator_->ExistingSliderDialog(slot))
            slider->Hide();
    if (window_)
        window_->Hide();
    return false;
}

void TRDSWin::OnDestroy() {
    animator_->Stop();
    WriteSettingsFile();
}

} // namespace korvane
