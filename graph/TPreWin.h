#pragma once
// Colour slots and picture layers: the level that knows what colour things are drawn in
// and keeps the off-screen pictures, the key probe and the status texts of long drawings.
#include "graph/ColourSlots.h"
#include "graph/PictureLayers.h"
#include "graph/TColWin.h"
#include "graph/TFontWin.h"

#include <memory>

namespace korvane {

class TPreWin : public TFontWin {
public:
    TPreWin(platform::Platform& platform, const WindowOptions& options, platform::Window* owner);
    ~TPreWin() override;

    ColourSlots& Colours() { return colours_; }
    int SlotColour(int slot) const { return colours_.slots[slot].index; }
    platform::Rgb BackgroundRgb() const;
    // The RGB a pen of this colour index is drawn in (background avoidance, printing).
    platform::Rgb PenRgb(int index) const;

    bool Printing() const { return printing_; }
    void SetPrinting(bool printing, bool inColour) {
        printing_ = printing;
        printInColour_ = inColour;
    }
    // While the picture is drawn for the clipboard; a copy without its background draws
    // its texts without one too, whatever "&Opaco" says.
    bool Copying() const { return copying_; }
    void SetCopying(bool copying, bool withBackground) {
        copying_ = copying;
        copyBackground_ = withBackground;
    }
    bool TransparentTexts() const { return copying_ && !copyBackground_; }

    // Layers.
    PictureLayers& Layers() { return layers_; }
    void CreateLayers(int level);
    void InvalidateLayer(int level) { layers_.InvalidateLayer(level); }
    void BlitLayer(int level, platform::Surface& surface);
    void ClearToBackground(platform::Surface& surface);
    virtual void DrawBase(platform::Surface& surface) { (void)surface; }
    virtual void DrawOverlay(platform::Surface& surface) { (void)surface; }
    virtual platform::Size ClientSize() const;
    virtual platform::Point PictureOffset() const { return {0, 0}; }

    int CurrentLevel() const { return currentLevel_; }
    bool PictureValid() const { return pictureValid_; }
    void InvalidatePicture() { pictureValid_ = false; }
    void SetGridChanged() { gridChanged_ = true; }
    // Invalidates a level and asks for a repaint.
    void Redraw(int level);
    void RequestRepaint();

    // Long drawings. The first probe of a drawing shows "pressione S para sair" in the
    // title unless the drawing already shows a status of its own; EndDrawingStatus puts
    // the title back once the drawing has returned.
    int PeekKey();
    void SetStatus(int code, int first = 0, int second = 0);
    // A drawing's own progress in the title, put back by EndDrawingStatus.
    void SetDrawingStatus(const std::string& text);
    void ClearStatus();
    void EndDrawingStatus();
    static std::string StatusText(int code, int first, int second);

    // The colour chooser for slot i (commands 200 + i).
    void ChooseSlotColour(int slot);
    void SetSlotColour(int slot, int index);
    TColWin* ColourWindow() { return colourWindow_.get(); }

    // Whether a colour change marks the window modified and repaints it.
    bool colourSetsModified = true;
    bool colourRepaints = true;

protected:
    ColourSlots colours_;
    PictureLayers layers_;
    int currentLevel_ = 0;
    bool pictureValid_ = false;
    bool gridChanged_ = false;
    bool printing_ = false;
    bool printInColour_ = false;
    bool copying_ = false;
    bool copyBackground_ = false;
    bool statusShown_ = false;
    bool drawingStatus_ = false; // shown by the probe, not by the drawing itself
    std::unique_ptr<TColWin> colourWindow_;

    void OpenColourWindow(const std::string& title, int current, TColWin::Chooser chooser);
};

} // namespace korvane
