#pragma once
// Font level: the ten font slots of a window, the font chooser and the height rule.
#include "graph/SettingsFile.h"
#include "graph/TFileMsgWin.h"

#include <array>

namespace korvane {

inline constexpr int kFontScale = 0; // labels of the axes
inline constexpr int kFontNames = 1; // axis names

class TFontWin : public TFileMsgWin {
public:
    TFontWin(platform::Platform& platform, const WindowOptions& options, platform::Window* owner);

    std::array<FontSlot, kFontSlots>& Fonts() { return fonts_; }
    const FontSlot& Font(int slot) const { return fonts_[ClampSlot(slot)]; }
    // The surface font of a slot.
    platform::FontSpec FontSpecOf(int slot) const;
    platform::Rgb FontColour(int slot) const;
    // Record heights from point sizes for this screen.
    void ApplyFontHeights();
    // The font chooser for a slot; true when a font was chosen.
    bool ChooseFontSlot(int slot);

protected:
    virtual void OnFontChanged(int slot) { (void)slot; }

private:
    static int ClampSlot(int slot) { return slot < 0 ? 0 : slot >= kFontSlots ? kFontSlots - 1 : slot; }
    std::array<FontSlot, kFontSlots> fonts_;
};

} // namespace korvane
