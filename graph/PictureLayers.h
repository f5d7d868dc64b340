#pragma once
// The three off-screen pictures of a graph window and the paint sequence over them:
// layer 1 the base graph, layer 0 what is shown (layer 1 plus the overlay), layer 2 free.
#include "platform/DrawingTools.h"
#include "platform/Geometry.h"
#include "platform/Surface.h"

#include <array>
#include <functional>
#include <memory>

namespace korvane {

class PictureLayers {
public:
    using SurfaceFactory = std::function<std::unique_ptr<platform::Surface>(platform::Size)>;
    using Drawer = std::function<void(platform::Surface&)>;

    explicit PictureLayers(SurfaceFactory factory) : factory_(std::move(factory)) {}

    // Recreates layers 0..level at `size`, all invalid; the last one is filled with `background`.
    void CreateLayers(int level, platform::Size size, platform::Rgb background);
    void InvalidateLayer(int level);
    bool IsValid(int level) const { return valid_[Index(level)]; }
    // Counts the invalidations of layers 1 and 2 and the releases, so that a picture kept
    // beside the layers (the plane window's picture without the varying examples) knows
    // whether anything else changed since it was made.
    unsigned BaseGeneration() const { return baseGeneration_; }
    // Layer `level` at `size`, made (and filled with `background`) only when missing or of
    // another size; gives whether it was made.
    bool EnsureLayer(int level, platform::Size size, platform::Rgb background);
    platform::Surface* Layer(int level) { return bitmaps_[Index(level)].get(); }
    // Copies a layer to `target` at `at`; nothing when the layer does not exist.
    void BlitLayer(int level, platform::Surface& target, platform::Point at, platform::Size size) const;
    void ReleaseAll();
    // A frame was drawn straight onto the window's front surface (only the examples that
    // use a changing letter, over layer 2): layers 0 and 1 no longer hold the picture on
    // the screen, though nothing under those examples changed.
    void ShownOnFront();
    // Nothing but such frames went onto the front since the last paint of the layers.
    bool FrontHoldsFrame() const { return frontHolds_; }
    // Where the front holds the picture, layer 0 takes a copy of it (before something is
    // drawn over the front that a copy of layer 0 must wipe out again).
    void TakeFrontPicture(const platform::Surface& front, platform::Point at, platform::Size size);

    struct PaintRequest {
        platform::Size size;
        platform::Point offset;
        platform::Rgb background;
        bool pictureValid = true;
        bool gridChanged = false;
        Drawer drawBase;
        Drawer drawOverlay;
    };
    // The paint sequence; gives whether the base layer was rebuilt.
    bool Paint(platform::Surface& front, const PaintRequest& request);

private:
    static int Index(int level) { return level < 1 ? 0 : level == 1 ? 1 : 2; }
    void EnsureLayers(platform::Size size, platform::Rgb background);

    SurfaceFactory factory_;
    std::array<std::unique_ptr<platform::Surface>, 3> bitmaps_;
    std::array<bool, 3> valid_{false, false, false};
    bool frontHolds_ = false;
    unsigned baseGeneration_ = 0;
};

// Fills the client rectangle with the background colour.
void ClearToBackground(platform::Surface& surface, platform::Size size, platform::Rgb background);

} // namespace korvane
