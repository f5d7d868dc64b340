#pragma once
// The mapper's range window: the domain window's examples drawn again with every point
// sent through the active map, the images of the domain's freehand strokes and cursor,
// the view commands and "E&nquadrar janela"; no equations of its own.
#include "windows/TMap2Win.h"

namespace korvane {

class TDom2Win;

class TRan2Win : public TMap2Win {
public:
    TRan2Win(platform::Platform& platform, const WindowOptions& options, platform::Window* owner);
    ~TRan2Win() override;

    std::string SettingsFileName() const override { return "ran2.ini"; }
    std::int32_t SettingsIdentifier() const override { return kRangeIdentifier; }
    TDom2Win* Domain() const;

    // The view around a box of half sizes rx, ry, enlarged by 2 % so that the outermost
    // images do not sit on the border.
    void FitTo(long double cx, long double cy, long double rx, long double ry);
    // A freehand point of the domain: its image joins the strokes; where the map fails
    // the stroke ends.
    void AddImage(long double x, long double y, bool end);
    // The images of all the domain's strokes again, after the map or its letters changed.
    void RemapFreehand();
    // The domain's cursor: its image is shown, or nothing where the map fails.
    void ShowImageOf(WorldPoint p);

    void OnCommand(int id) override;
    void DrawBase(platform::Surface& surface) override;
    void DrawOverlay(platform::Surface& surface) override;
    // Closing the range window alone loses nothing: the domain holds the document.
    bool OnClose() override { return true; }

private:
    bool Image(long double& x, long double& y);
};

} // namespace korvane
