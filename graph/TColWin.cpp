#include "graph/TColWin.h"

#include "graph/ColourTable.h"

namespace korvane {

using platform::Point;
using platform::Rect;

TColWin::TColWin(platform::Platform& platform, platform::Window* owner) : platform_(platform), owner_(owner) {}

TColWin::~TColWin() = default;

void TColWin::Open(const std::string& title, int current, Chooser onChoose) {
    title_ = title;
    current_ = current;
    onChoose_ = std::move(onChoose);
    if (!window_ || window_->IsClosed()) {
        platform::WindowSpec request;
        request.title = title;
        request.menu = "COLWMENU";
        request.owner = owner_;
        request.kind = platform::WindowKind::Graph;
        request.clientSize = {kColumns * kCellWidth, 2 * kHeaderHeight + kRows * kCellHeight};
        window_ = platform_.CreateWindow(request, *this);
    }
    window_->SetTitle(title);
    window_->Show();
    window_->BringToTop();
    window_->RequestRepaint();
}

bool TColWin::IsOpen() const { return window_ && !window_->IsClosed() && window_->IsVisible(); }

Rect TColWin::CellRect(int index) {
    const int column = index % kColumns, row = index / kColumns;
    const Point origin{column * kCellWidth, 2 * kHeaderHeight + row * kCellHeight};
    return Rect::FromSize(origin, {kCellWidth, kCellHeight});
}

int TColWin::CellAt(Point p) {
    if (p.x < 0 || p.y < 2 * kHeaderHeight)
        return -1;
    const int column = p.x / kCellWidth, row = (p.y - 2 * kHeaderHeight) / kCellHeight;
    if (column >= kColumns || row >= kRows)
        return -1;
    return row * kColumns + column;
}

void TColWin::OnPaint(platform::Surface& front) {
    const platform::Size size = front.GetSize();
    front.FillRect(Rect::FromSize({0, 0}, size), platform::Rgb{192, 192, 192});
    front.SetBackgroundMode(platform::BackgroundMode::Transparent);
    front.SetTextColour(platform::kBlack);
    front.SetTextAlign(platform::AlignLeft | platform::AlignTop);
    front.TextOut({4, 2}, title_);
    front.TextOut({4, kHeaderHeight + 2}, ColourName(current_));
    for (int i = 0; i < kColourCount; ++i) {
        const Rect cell = CellRect(i);
        const Rect inner{cell.left + 2, cell.top + 2, cell.right - 2, cell.bottom - 2};
        front.FillRect(inner, ColourRGB(i));
        if (i == current_) {
            front.SetPen({platform::kBlack, 2, platform::PenStyle::Solid});
            front.SetBrush({platform::kWhite, platform::BrushStyle::Hollow});
            front.Rectangle(cell);
        }
    }
}

void TColWin::OnMouse(const platform::MouseEvent& mouse) {
    if (mouse.action != platform::MouseAction::Down || mouse.button != platform::ButtonLeft)
        return;
    const int index = CellAt(mouse.position);
    if (index < 0)
        return;
    current_ = index;
    if (onChoose_)
        onChoose_(index);
    if (window_)
        window_->RequestRepaint();
}

void TColWin::OnCommand(int id) {
    if (id == 2 && window_)
        window_->Hide();
}

bool TColWin::OnClose() {
    // Closing only hides: the chooser is kept by its graph window.
    if (window_)
        window_->Hide();
    return false;
}

} // namespace korvane
