#pragma once
// The colour chooser of a graph window: two header rows (what is being chosen and the
// colour it has now) above a grid of the 25 colour cells; a click selects a cell.
#include "platform/Platform.h"

#include <functional>
#include <memory>
#include <string>

namespace korvane {

class TColWin : public platform::WindowHandler {
public:
    using Chooser = std::function<void(int colourIndex)>;

    static constexpr int kColumns = 5;
    static constexpr int kRows = 5;
    static constexpr int kCellWidth = 48;
    static constexpr int kCellHeight = 28;
    static constexpr int kHeaderHeight = 20;

    TColWin(platform::Platform& platform, platform::Window* owner);
    ~TColWin() override;

    // Shows the chooser for one target; `onChoose` runs for each cell clicked.
    void Open(const std::string& title, int current, Chooser onChoose);
    bool IsOpen() const;
    int Current() const { return current_; }

    // Colour index under a client point, or -1.
    static int CellAt(platform::Point p);
    static platform::Rect CellRect(int index);

    void OnPaint(platform::Surface& front) override;
    void OnMouse(const platform::MouseEvent& mouse) override;
    void OnCommand(int id) override;
    bool OnClose() override;

private:
    platform::Platform& platform_;
    platform::Window* owner_;
    std::unique_ptr<platform::Window> window_;
    std::string title_;
    int current_ = 0;
    Chooser onChoose_;
};

} // namespace korvane
