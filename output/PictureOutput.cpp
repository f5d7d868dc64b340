#include "output/PictureOutput.h"

#include "graph/PictureLayers.h"
#include "output/PicTeXFile.h"
#include "output/PicTeXSurface.h"
#include "output/TImageSizeDlg.h"
#include "output/TPicTeXDlg.h"
#include "output/TPrintFormatDlg.h"
#include "output/TZalPrintout.h"
#include "output/TikZSurface.h"
#include "platform/FileIO.h"

#include <filesystem>

#include <unistd.h>

namespace korvane {

namespace {

constexpr int kCannotSave = 12, kCannotOpen = 11, kNoPrinter = 2, kLostOnClose = 22, kOutOfRange = 17;
constexpr int kPrintManyCaption = 23, kPrintManyLabel = 22, kMostDocuments = 12;
constexpr int kCaution = 2, kOverwriteQuestion = 13, kUntitled = 29, kSuccess = 88, kPicTeXSaved = 89;

std::vector<std::uint8_t> BytesOf(const std::string& text) { return {text.begin(), text.end()}; }

// Slots no window kind uses for its own.
constexpr int kTeXModeSlot = 14, kTeXBoxSlot = 15, kCopyBackgroundSlot = 16; // integers A
constexpr int kTeXWidthSlot = 4;                                               // reals A

} // namespace

PictureOutput::~PictureOutput() = default;

void PictureOutput::PackSlots(SettingsRecord& record) const {
    record.intA[kTeXModeSlot] = tex_.mode;
    record.intA[kTeXBoxSlot] = tex_.box;
    record.intA[kCopyBackgroundSlot] = copyBackground_ ? 1 : 0;
    record.realA[kTeXWidthSlot] = tex_.width;
}

void PictureOutput::UnpackSlots(const SettingsRecord& record) {
    const TeXSettings defaults;
    const std::int32_t mode = record.intA[kTeXModeSlot], box = record.intA[kTeXBoxSlot];
    tex_.mode = mode >= TeXStandalone && mode <= TeXInsertable ? mode : defaults.mode;
    tex_.box = box >= 0 && box <= 255 ? box : defaults.box;
    const long double width = record.realA[kTeXWidthSlot];
    tex_.width = width >= kLeastTeXWidth && width <= kMostTeXWidth ? width : defaults.width;
    copyBackground_ = record.intA[kCopyBackgroundSlot] == 1;
}

bool PictureOutput::OnCommand(int id) {
    switch (id) {
    case cmd::kPicTeX: Export(false); return true;
    case cmd::kTikZ: Export(true); return true;
    case cmd::kPrint: Print(false); return true;
    case cmd::kPrintPreview: Print(true); return true;
    case cmd::kPrintMany: PrintMany(); return true;
    case cmd::kPrintFormat: EditPrintFormat(); return true;
    case cmd::kSelectPrinter:
        if (platform::Printer* printer = GetPrinter())
            printer->Setup(window_.GetWindow());
        return true;
    case cmd::kCopy: CopyVector(); return true;
    case cmd::kCopyBitmap: CopyBitmap(); return true;
    case cmd::kCopyBackground:
        copyBackground_ = !copyBackground_;
        RefreshMenu();
        return true;
    case cmd::kImageSize: SetImageSize(); return true;
    default: return false;
    }
}

void PictureOutput::RefreshMenu() {
    if (platform::Window* w = window_.GetWindow())
        w->CheckMenuItem(cmd::kCopyBackground, copyBackground_);
}

std::string PictureOutput::AskTargetFile(const std::string& filter, const std::string& extension) {
    platform::Platform& platform = window_.GetPlatform();
    platform::FileDialogSpec request;
    request.title = "salvar como";
    request.filter = filter;
    // Beside the document the picture comes from.
    const std::filesystem::path folder =
        std::filesystem::path(besideDocument ? besideDocument() : window_.FileName()).parent_path();
    request.initialPath = (folder / (StringOf(kUntitled) + "." + extension)).string();
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

void PictureOutput::Export(bool tikz) {
    const std::string path = tikz ? AskTargetFile("TikZ (*.tikz)|*.tikz", "tikz")
                                  : AskTargetFile("TeX Files (*.TEX)|*.tex", "tex");
    if (path.empty())
        return;
    TeXSettings edited = tex_;
    TPicTeXDlg dialog(
        edited, [this](const std::string& text, long double& value) { return window_.EvaluateNumber(text, value); },
        [this](int code) { window_.ShowMessage(code); });
    if (window_.GetPlatform().RunModal("PICTEX", dialog, window_.GetWindow()) != platform::ResultOk)
        return;
    tex_ = edited;
    if ((tikz ? WriteTikZ(path) : WritePicTeX(path)) != 0) {
        window_.ShowMessage(kCannotSave);
        return;
    }
    const std::string saved = tikz ? "arquivo TikZ salvo" : StringOf(kPicTeXSaved);
    window_.GetPlatform().MessageBox(saved, StringOf(kSuccess), platform::MessageButtons::Ok,
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

std::string PictureOutput::TikZText() {
    const View& view = window_.GetView();
    auto measure = window_.GetPlatform().CreateSurface({1, 1});
    TikZSurface surface(view, window_.Format(), window_.BackgroundRgb(), measure.get());
    texOutput_ = true;
    window_.DrawBase(surface);
    window_.DrawOverlay(surface);
    texOutput_ = false;
    surface.Finish();
    return surface.ColourDefinitions() + TikZHeader(tex_, view, window_.Format()) + surface.Text() +
           "\\end{tikzpicture}\r\n";
}

int PictureOutput::WritePicTeX(const std::string& path) {
    return WriteFileAtomically(path, BytesOf(PicTeXText())) ? 0 : kCannotSave;
}

int PictureOutput::WriteTikZ(const std::string& path) {
    return WriteFileAtomically(path, BytesOf(TikZText())) ? 0 : kCannotSave;
}

platform::Printer* PictureOutput::GetPrinter() {
    if (!printer_)
        printer_ = window_.GetPlatform().CreatePrinter();
    if (!printer_)
        window_.ShowMessage(kNoPrinter);
    return printer_.get();
}

int PictureOutput::PrintOn(platform::Printer& printer) {
    platform::Surface* page = printer.BeginDocument(window_.BaseTitle());
    if (!page)
        return kCannotSave;
    if (!TZalPrintout(window_).PrintPage(*page, printer.Page())) {
        printer.Abort();
        return 0;
    }
    return printer.EndDocument();
}

void PictureOutput::Print(bool preview) {
    platform::Printer* printer = GetPrinter();
    if (!printer)
        return;
    int code = 0;
    if (preview)
        printer->Preview(window_.GetWindow(), [this, &code](platform::Printer& p) { code = PrintOn(p); });
    else if (printer->Choose(window_.GetWindow()))
        code = PrintOn(*printer);
    // The screen shows the window's own picture again.
    window_.InvalidatePicture();
    window_.RequestRepaint();
    if (code != 0)
        window_.ShowMessage(code);
}

std::vector<std::string> PictureOutput::ChooseDocuments() {
    platform::Platform& platform = window_.GetPlatform();
    const auto count = platform.InputBox(StringOf(kPrintManyCaption), StringOf(kPrintManyLabel), "2",
                                         window_.GetWindow(), 20);
    if (!count)
        return {};
    long double n = 0;
    if (const int code = window_.EvaluateNumber(*count, n); code != 0) {
        window_.ShowMessage(code);
        return {};
    }
    if (n < 1 || n > kMostDocuments) {
        window_.ShowMessage(kOutOfRange);
        return {};
    }
    std::vector<std::string> files;
    for (int i = 0; i < RoundToInt(n); ++i) {
        platform::FileDialogSpec request;
        request.title = "abrir";
        request.filter = documents.filter ? documents.filter() : std::string();
        request.owner = window_.GetWindow();
        const auto chosen = platform.OpenFileDialog(request);
        if (!chosen || chosen->empty())
            break;
        files.push_back(*chosen);
    }
    return files;
}

void PictureOutput::PrintMany() {
    if (!documents.load || !documents.mayReplace || !documents.restore)
        return;
    const std::vector<std::string> files = ChooseDocuments();
    if (files.empty() || !documents.mayReplace())
        return;
    platform::Printer* printer = GetPrinter();
    platform::Window* w = window_.GetWindow();
    if (!printer || !w || !printer->Choose(w))
        return;
    const platform::Placement placement = w->GetPlacement();
    w->Hide();
    int failure = 0;
    for (const std::string& file : files) {
        const int code = documents.load(file) ? PrintOn(*printer) : kCannotOpen;
        if (failure == 0)
            failure = code;
    }
    // The window's own document comes back: nothing the user had is lost to the printing.
    documents.restore();
    w->SetPlacement(placement);
    w->Show();
    window_.InvalidateLayer(window_.CurrentLevel());
    window_.RequestRepaint();
    if (failure != 0)
        window_.ShowMessage(failure);
}

void PictureOutput::EditPrintFormat() {
    SettingsRecord edited = window_.HeaderSettings();
    TPrintFormatDlg dialog(
        edited, [this](const std::string& text, long double& value) { return window_.EvaluateNumber(text, value); },
        [this](int code) { window_.ShowMessage(code); });
    if (window_.GetPlatform().RunModal(printFormatDialog, dialog, window_.GetWindow()) != platform::ResultOk)
        return;
    SettingsRecord& settings = window_.HeaderSettings();
    std::copy(std::begin(edited.printValues), std::end(edited.printValues), settings.printValues);
    std::copy(std::begin(edited.printFlags), std::end(edited.printFlags), settings.printFlags);
    window_.SetModified();
}

void PictureOutput::SetImageSize() {
    platform::Window* w = window_.GetWindow();
    if (!w)
        return;
    const platform::Size client = w->GetClientSize();
    TImageSizeDlg dialog(
        client, window_.GetPlatform().ScreenDpi(),
        [this](const std::string& text, long double& value) { return window_.EvaluateNumber(text, value); },
        [this](int code) { window_.ShowMessage(code); });
    if (window_.GetPlatform().RunModal("TWOINPUT", dialog, w) != platform::ResultOk)
        return;
    // The frame and the menu keep their size: only the client area changes.
    platform::Placement p = w->GetPlacement();
    p.width += dialog.Chosen().width - client.width;
    p.height += dialog.Chosen().height - client.height;
    p.x = p.y = 10;
    p.maximized = false;
    w->SetPlacement(p);
}

void PictureOutput::DrawCopy(platform::Surface& surface) {
    const View& view = window_.GetView();
    const platform::Rect client = platform::Rect::FromSize({view.offsetX, view.offsetY}, {view.clientW, view.clientH});
    // Without its background a copy lies on whatever it is pasted onto.
    window_.SetCopying(true, copyBackground_);
    if (copyBackground_)
        surface.FillRect(client, window_.BackgroundRgb());
    window_.DrawBase(surface);
    window_.DrawOverlay(surface);
    window_.SetCopying(false, false);
    if (window_.HeaderSettings().printFlags[0]) {
        surface.SetPen({platform::kBlack, 1, platform::PenStyle::Solid});
        surface.SetBrush({platform::kWhite, platform::BrushStyle::Hollow});
        surface.Rectangle(client);
    }
}

void PictureOutput::CopyVector() {
    const View& view = window_.GetView();
    const platform::Size size{view.clientW, view.clientH};
    platform::Platform& platform = window_.GetPlatform();
    // The toolkit writes vector pictures to files: one of our own, gone at once.
    const std::filesystem::path svgPath = std::filesystem::temp_directory_path() /
                                          ("korvane-copy-" + std::to_string(::getpid()) + ".svg");
    std::string svg;
    if (auto vector = platform.CreateExportSurface(svgPath.string(), size)) {
        DrawCopy(*vector);
        std::vector<std::uint8_t> bytes;
        if (vector->Finish() == 0 && ReadWholeFile(svgPath.string(), bytes))
            svg.assign(bytes.begin(), bytes.end());
        std::error_code ignored;
        std::filesystem::remove(svgPath, ignored);
    }
    auto pixels = platform.CreateSurface(size);
    DrawCopy(*pixels);
    platform.GetClipboard().SetPicture(svg, *pixels);
}

void PictureOutput::CopyBitmap() {
    const View& view = window_.GetView();
    bitmap_ = window_.GetPlatform().CreateSurface({view.clientW, view.clientH});
    DrawCopy(*bitmap_);
    window_.GetPlatform().GetClipboard().SetImage(*bitmap_);
    window_.ShowMessage(kLostOnClose);
}

} // namespace korvane
