#pragma once
// The output commands of a graph window: the picture as a PiCTeX file (command 70). The
// window owns one and hands it the commands; the picture comes from the window's own
// DrawBase and DrawOverlay, drawn onto the text back end instead of a raster.
#include "graph/TZalWing.h"
#include "output/TeXSettings.h"

#include <string>

namespace korvane {

namespace cmd {
inline constexpr int kPicTeX = 70;
} // namespace cmd

class PictureOutput {
public:
    explicit PictureOutput(TZalWing& window) : window_(window) {}

    TeXSettings& TeX() { return tex_; }
    // True while a picture is drawn for a file (the window's `TeXOutput`).
    bool TeXOutput() const { return texOutput_; }

    // Handles the output commands; false for any other id.
    bool OnCommand(int id);
    // Command 70 with its questions and dialog.
    void ExportPicTeX();

    // The whole PiCTeX file of the current picture with the current settings.
    std::string PicTeXText();
    // Writes it through a temporary file; 0, or 12 when it cannot be written (nothing is
    // left behind then).
    int WritePicTeX(const std::string& path);

private:
    // The save dialog and the question before an existing file goes; empty when cancelled.
    std::string AskTargetFile(const std::string& filter, const std::string& extension);

    TZalWing& window_;
    TeXSettings tex_;
    bool texOutput_ = false;
};

} // namespace korvane
