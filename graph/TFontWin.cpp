#include "graph/TFontWin.h"

#include <cstdlib>

namespace korvane {

TFontWin::TFontWin(platform::Platform& platform, const WindowOptions& options, platform::Window* owner)
    : TFileMsgWin(platform, options, owner) {
    for (FontSlot& slot : fonts_) {
        slot.pointSize = 9;
        slot.font.SetFaceName("Sans");
        slot.font.SetWeight(400);
    }
    ApplyFontHeights();
}

void TFontWin::ApplyFontHeights() {
    const int dpi = platform_.ScreenDpi() > 0 ? platform_.ScreenDpi() : 96;
    for (FontSlot& slot : fonts_)
        slot.font.SetHeight(FontHeightFor(slot.pointSize, dpi));
}

platform::FontSpec TFontWin::FontSpecOf(int slot) const {
    const FontSlot& f = fonts_[ClampSlot(slot)];
    platform::FontSpec request;
    const std::string face = f.font.FaceName();
    if (!face.empty())
        request.face = face;
    const int height = std::abs(f.font.Height());
    request.height = height > 0 ? height : 12;
    request.bold = f.font.Weight() >= 600;
    request.italic = f.font.Italic();
    return request;
}

platform::Rgb TFontWin::FontColour(int slot) const {
    return platform::Rgb::FromColourRef(fonts_[ClampSlot(slot)].colour);
}

bool TFontWin::ChooseFontSlot(int slot) {
    FontSlot& f = fonts_[ClampSlot(slot)];
    platform::FontChoice initial{FontSpecOf(slot), f.pointSize, FontColour(slot)};
    const auto choice = platform_.ChooseFont(initial, window_.get());
    if (!choice)
        return false;
    f.pointSize = choice->pointSize > 0 ? choice->pointSize : f.pointSize;
    f.font.SetFaceName(choice->font.face);
    f.font.SetWeight(choice->font.bold ? 700 : 400);
    f.font.SetItalic(choice->font.italic);
    f.colour = choice->colour.ToColourRef();
    const int dpi = platform_.ScreenDpi() > 0 ? platform_.ScreenDpi() : 96;
    f.font.SetHeight(FontHeightFor(f.pointSize, dpi));
    SetModified();
    OnFontChanged(slot);
    return true;
}

} // namespace korvane
