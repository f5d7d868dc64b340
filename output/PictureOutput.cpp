#include "output/PictureOutput.h"

#include "output/PicTeXFile.h"
#include "output/PicTeXSurface.h"
#include "output/TPicTeXDlg.h"
#include "platform/FileIO.h"

#include <filesystem>

namespace korvane {

namespace {

constexpr int kCannotSave = 12;
constexpr int kCaution = 2, kOverwriteQuestion = 13, kUntitled = 29, kSuccess = 88, kPicTeXSaved = 89;

} // namespace

bool PictureOutput::OnCommand(int id) {
    switch (id) {
    case cmd::kPicTeX: ExportPicTeX(); return true;
    default: return false;
    }
}

std::string PictureOutput::AskTargetFile(const std::string& filter, const std::string& extension) {
    platform::Platform& platform = window_.GetPlatform();
    platform::FileDialogSpec request;
    request.title = "salvar como";
    request.filter = filter;
    request.initialPath = StringOf(kUntitled) + "." + extension;
    request.defaultExtension = extension;
    request.owner = window_.GetWindow();
    request.confirmOverwrite = false;
    const auto chosen = platform.SaveFileDialog(request);
    if (!chosen || chosen->empty())
        return {};
    std::error_code error;
    if (std::filesystem::exists(*chosen, error) &&
        platform.MessageBox(StringOf(kOverwriteQuestion), StringOf(kCaution), platform::MessageButtons::YesNo,
                            platform::MessageIcon::Warning, window_.GetWindow()) != platform::AnswerYes)
        return {};
    return *chosen;
}

void PictureOutput::ExportPicTeX() {
    const std::string path = AskTargetFile("TeX Files (*.TEX)|*.tex", "tex");
    if (path.empty())
        return;
    TeXSettings edited = tex_;
    TPicTeXDlg dialog(
        edited, [this](const std::string& text, long double& value) { return window_.EvaluateNumber(text, value); },
        [this](int code) { window_.ShowMessage(code); });
    if (window_.GetPlatform().RunModal("PICTEX", dialog, window_.GetWindow()) != platform::ResultOk)
        return;
    tex_ = edited;
    if (WritePicTeX(path) != 0) {
        window_.ShowMessage(kCannotSave);
        return;
    }
    window_.GetPlatform().MessageBox(StringOf(kPicTeXSaved), StringOf(kSuccess), platform::MessageButtons::Ok,
                                     platform::MessageIcon::Information, window_.GetWindow());
}

std::string PictureOutput::PicTeXText() {
    const View& view = window_.GetView();
    std::string text = PicTeXHeader(tex_, view, window_.Format());
    auto measure = window_.GetPlatform().CreateSurface({1, 1});
    PicTeXSurface surface(view, window_.Format(), window_.BackgroundRgb(), measure.get(), PicTeXUnitX(tex_, view));
    texOutput_ = true;
    window_.DrawBase(surface);
    window_.DrawOverlay(surface);
    texOutput_ = false;
    surface.Finish();
    text += surface.Text();
    text += PicTeXFooter(tex_);
    return text;
}

int PictureOutput::WritePicTeX(const std::string& path) {
    const std::string text = PicTeXText();
    return WriteFileAtomically(path, std::vector<std::uint8_t>(text.begin(), text.end())) ? 0 : kCannotSave;
}

} // namespace korvane
