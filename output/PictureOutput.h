#pragma once
// The output commands of a graph window: the picture as a PiCTeX or TikZ file, printed
// (with a preview first if wished) at the place and size its print settings give,
// copied to the clipboard as a vector picture with its pixels or as a bitmap, and the
// window sized to a picture size in centimetres. The window owns one and hands it the
// commands; every picture comes from the window's own DrawBase and DrawOverlay.
#include "graph/TZalWing.h"
#include "output/TeXSettings.h"
#include "platform/Printer.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace korvane {

namespace cmd {
inline constexpr int kPicTeX = 70;
inline constexpr int kTikZ = 78; // 76 is "Sen&ha ..."
inline constexpr int kImageSize = 90;
inline constexpr int kSelectPrinter = 93;
inline constexpr int kCopyBackground = 221;
inline constexpr int kPrint = 303;
inline constexpr int kPrintFormat = 304;
inline constexpr int kPrintMany = 307;
inline constexpr int kPrintPreview = 308;
inline constexpr int kCopyBitmap = 310;
inline constexpr int kCopy = 311;
} // namespace cmd

class PictureOutput {
public:
    explicit PictureOutput(TZalWing& window) : window_(window) {}
    ~PictureOutput();

    TeXSettings& TeX() { return tex_; }
    // True while a picture is drawn for a file (the window's `TeXOutput`).
    bool TeXOutput() const { return texOutput_; }
    bool CopyBackground() const { return copyBackground_; }
    // The print-settings dialog of the window kind ("PRNSPX1" or "PRNSPX2").
    std::string printFormatDialog = "PRNSPX2";
    // Simultaneous printing loads each document into the window. The window kind that has
    // documents says how: whether the present one may go (it asks to save it), how one
    // loads, and what comes back afterwards; without them the command does nothing.
    struct DocumentHooks {
        std::function<bool()> mayReplace;
        std::function<bool(const std::string& path)> load;
        std::function<void()> restore;
        std::function<std::string()> filter; // of the open dialog
    } documents;
    // The document whose folder the save dialogs start in, when not the window's own (a
    // window that shows another window's document).
    std::function<std::string()> besideDocument;

    // The export settings and the copy's background in the settings file, bounded when read.
    void PackSlots(SettingsRecord& record) const;
    void UnpackSlots(const SettingsRecord& record);

    // Handles the output commands; false for any other id.
    bool OnCommand(int id);
    void RefreshMenu();

    // The whole file of the current picture with the current settings.
    std::string PicTeXText();
    std::string TikZText();
    // Writes it through a temporary file; 0, or 12 when it cannot be written (nothing is
    // left behind then).
    int WritePicTeX(const std::string& path);
    int WriteTikZ(const std::string& path);

    // Prints the picture on one page of `printer`; 0, or the code of the failure.
    int PrintOn(platform::Printer& printer);

private:
    void Export(bool tikz);
    // The save dialog and the question before an existing file goes; empty when cancelled.
    std::string AskTargetFile(const std::string& filter, const std::string& extension);
    platform::Printer* GetPrinter();
    void Print(bool preview);
    void PrintMany();
    // The documents of command 307: 1 to 12, each from the open dialog; empty when cancelled.
    std::vector<std::string> ChooseDocuments();
    void EditPrintFormat();
    void SetImageSize();
    // The picture as the clipboard takes it, on `surface` of the client size.
    void DrawCopy(platform::Surface& surface);
    void CopyVector();
    void CopyBitmap();

    TZalWing& window_;
    TeXSettings tex_;
    bool texOutput_ = false;
    bool copyBackground_ = false;
    std::unique_ptr<platform::Printer> printer_;
    // The copied bitmap lives with the window.
    std::unique_ptr<platform::Surface> bitmap_;
};

} // namespace korvane
