#pragma once
// Picture level: pictures pasted from the clipboard onto the graph (mode 124: the right
// button pastes at the pointer through "METADLG", the left one moves a picture or,
// clicked, sizes or deletes it). A picture covers a world rectangle, so it scales with
// the view; it is drawn under the axes and the curves.
#include "graph/PastedPicture.h"
#include "graph/TZalWint.h"

#include <optional>
#include <vector>

namespace korvane {

class TZalWinm : public TZalWint {
public:
    TZalWinm(platform::Platform& platform, const WindowOptions& options, platform::Window* owner);

    std::vector<PastedPicture>& Pictures() { return pictures_; }

    void DrawBase(platform::Surface& surface) override;
    // The picture under a client pixel (the one drawn last), or -1.
    int PictureAt(platform::Point at) const;
    // The clipboard's picture at a client pixel, sized through "METADLG".
    void PastePicture(platform::Point at);
    // "METADLG" for a picture on the graph: its size, or "apagar".
    void EditPicture(int index);

protected:
    void OnModeMouse(const platform::MouseEvent& mouse) override;

    std::vector<PastedPicture> pictures_;

private:
    // The picture's pixel rectangle, empty when it cannot be drawn.
    platform::Rect PictureBox(const PastedPicture& picture) const;
    void DrawPicture(platform::Surface& surface, const PastedPicture& picture);
    // Asks for a width and a height in world units; false when cancelled or refused.
    int AskPictureSize(long double& width, long double& height, bool canDelete);

    void ShowOutline(std::optional<platform::Rect> box);

    ItemDrag pictureDrag_;
    std::optional<platform::Rect> outline_;
};

} // namespace korvane
