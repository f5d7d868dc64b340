#include "app/ExportCommand.h"

#include <cctype>
#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include <stdlib.h>

#include "output/PicTeXFile.h"
#include "plane/DocumentFile.h"
#include "platform/FileIO.h"
#include "plane/TPlot2Win.h"
#include "space/TPlot3Win.h"
#include "windows/TDom2Win.h"
#include "windows/TRan2Win.h"

namespace korvane {

namespace {

namespace fs = std::filesystem;

constexpr int kExitRead = 1;
constexpr int kExitWrite = 2;
constexpr int kMaxSide = 10000;

struct ExportRequest {
    std::string in, out;
    int width = 800, height = 600;
    int letter = -1; // --animate: the slot of the letter that moves
    int frames = 23;
};

// "A".."W", or "@" for the symbol parameter.
bool ParseLetter(const std::string& text, int& slot) {
    if (text.size() != 1)
        return false;
    const int c = std::toupper(static_cast<unsigned char>(text[0]));
    if (c < '@' || c > 'W')
        return false;
    slot = c - '@';
    return true;
}

bool ParseFrames(std::string_view text, int& frames) {
    const auto result = std::from_chars(text.data(), text.data() + text.size(), frames);
    return result.ec == std::errc() && result.ptr == text.data() + text.size() && frames >= 3 && frames <= 200;
}

bool ParseSide(std::string_view text, int& out) {
    const auto result = std::from_chars(text.data(), text.data() + text.size(), out);
    return result.ec == std::errc() && result.ptr == text.data() + text.size() && out >= 1 && out <= kMaxSide;
}

bool ParseSize(const std::string& text, ExportRequest& request) {
    const std::size_t x = text.find_first_of("xX");
    return x != std::string::npos && ParseSide(std::string_view(text).substr(0, x), request.width) &&
           ParseSide(std::string_view(text).substr(x + 1), request.height);
}

bool ParseArgs(const std::vector<std::string>& args, ExportRequest& request) {
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const bool valued = args[i] == "--size" || args[i] == "--animate" || args[i] == "--frames";
        if (valued && i + 1 >= args.size())
            return false;
        if (args[i] == "--size") {
            if (!ParseSize(args[++i], request))
                return false;
        } else if (args[i] == "--animate") {
            if (!ParseLetter(args[++i], request.letter))
                return false;
        } else if (args[i] == "--frames") {
            if (!ParseFrames(args[++i], request.frames))
                return false;
        } else {
            paths.push_back(args[i]);
        }
    }
    if (paths.size() != 2)
        return false;
    request.in = paths[0];
    request.out = paths[1];
    return true;
}

std::string Extension(const std::string& path) {
    std::string ext = fs::path(path).extension().string();
    for (char& c : ext)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

// The window writes its settings file when it goes; an export must touch none of the
// user's, so the settings folder is a fresh one for the run.
class ScratchConfigDirectory {
public:
    ScratchConfigDirectory() {
        const char* old = std::getenv("KORVANE_CONFIG_DIR");
        if (old)
            previous_ = old;
        hadPrevious_ = old != nullptr;
        std::string pattern = (fs::temp_directory_path() / "korvane-export-XXXXXX").string();
        if (::mkdtemp(pattern.data())) {
            path_ = pattern;
            ::setenv("KORVANE_CONFIG_DIR", path_.c_str(), 1);
        }
    }
    ~ScratchConfigDirectory() {
        if (hadPrevious_)
            ::setenv("KORVANE_CONFIG_DIR", previous_.c_str(), 1);
        else
            ::unsetenv("KORVANE_CONFIG_DIR");
        std::error_code ignored;
        if (!path_.empty())
            fs::remove_all(path_, ignored);
    }
    ScratchConfigDirectory(const ScratchConfigDirectory&) = delete;
    ScratchConfigDirectory& operator=(const ScratchConfigDirectory&) = delete;

private:
    std::string path_, previous_;
    bool hadPrevious_ = false;
};

void PrepareView(TPlot11Win& window, int width, int height) {
    View& view = window.GetView();
    window.SyncPixelSizes();
    view.SetClientSize(width, height);
    view.Recompute();
    for (int i = 0; i <= window.Examples().LastExample(); ++i)
        window.FollowView(window.Examples()[i]);
    window.DrawSettings().noPoll = true;
}

void FitView(TPlot11Win& window, const ExportRequest& request) { PrepareView(window, request.width, request.height); }

int WriteAnimation(TPlot2Win& window, const ExportRequest& request) {
    FitView(window, request);
    LetterAnimator& animator = window.Animator();
    const int code = animator.WriteAnimation(request.out, request.letter, request.frames,
                                             {request.width, request.height}, animator.Settings().slidePause);
    return code == 0 ? 0 : kExitWrite;
}

void DrawWindow(TPlot11Win& window, platform::Surface& surface, int width, int height) {
    PrepareView(window, width, height);
    window.ClearToBackground(surface);
    window.DrawBase(surface);
    window.DrawOverlay(surface); // the labels placed on the graph
}

int DrawPicture(TPlot11Win& window, const ExportRequest& request, platform::Platform& platform) {
    const bool tikz = Extension(request.out) == ".tikz";
    const bool tex = tikz || Extension(request.out) == ".tex";
    // PiCTeX in its first mode with the built-in settings.
    if (tex) {
        PrepareView(window, request.width, request.height);
        return (tikz ? window.Output().WriteTikZ(request.out) : window.Output().WritePicTeX(request.out)) == 0
                   ? 0
                   : kExitWrite;
    }
    auto surface = platform.CreateExportSurface(request.out, {request.width, request.height});
    if (!surface)
        return kExitWrite;
    DrawWindow(window, *surface, request.width, request.height);
    return surface->Finish() == 0 ? 0 : kExitWrite;
}

// The domain on the left, the range on the right, each at the requested size.
int DrawMapperPicture(TDom2Win& domain, TRan2Win& range, const ExportRequest& request, platform::Platform& platform) {
    const int w = request.width, h = request.height;
    auto surface = platform.CreateExportSurface(request.out, {2 * w, h});
    if (!surface)
        return kExitWrite;
    auto picture = platform.CreateSurface({w, h});
    DrawWindow(domain, *picture, w, h);
    surface->Blit({0, 0}, *picture, {0, 0, w, h});
    range.GetView().SetClientSize(w, h);
    domain.FitRange();
    DrawWindow(range, *picture, w, h);
    surface->Blit({w, 0}, *picture, {0, 0, w, h});
    return surface->Finish() == 0 ? 0 : kExitWrite;
}

// PiCTeX or TikZ: the two pictures side by side in one file, each as the window writes it.
int WriteMapperText(TDom2Win& domain, TRan2Win& range, const ExportRequest& request) {
    const bool tikz = Extension(request.out) == ".tikz";
    PrepareView(domain, request.width, request.height);
    range.GetView().SetClientSize(request.width, request.height);
    domain.FitRange();
    PrepareView(range, request.width, request.height);
    std::string text;
    if (tikz) {
        text = domain.Output().TikZText() + "\\hspace{5mm}%\r\n" + range.Output().TikZText();
    } else {
        const TeXSettings whole = domain.Output().TeX();
        domain.Output().TeX().mode = range.Output().TeX().mode = TeXInsertable;
        text = PicTeXSideBySide(whole, domain.Output().PicTeXText(), range.Output().PicTeXText());
    }
    return WriteFileAtomically(request.out, std::vector<std::uint8_t>(text.begin(), text.end())) ? 0 : kExitWrite;
}

bool IsMapperDocument(const std::string& ext) { return ext == ".ma2" || ext == ".maz"; }

int ExportMapper(const ExportRequest& request, platform::Platform& platform, const WindowOptions& options) {
    TDom2Win domain(platform, options, nullptr);
    TRan2Win range(platform, options, nullptr);
    domain.AttachRange(range);
    if (domain.OpenDocument(request.in) != 0)
        return kExitRead;
    const std::string ext = Extension(request.out);
    if (IsMapperDocument(ext))
        return domain.SaveDocument(request.out) == 0 ? 0 : kExitWrite;
    if (ext == ".tex" || ext == ".tikz")
        return WriteMapperText(domain, range, request);
    return DrawMapperPicture(domain, range, request, platform);
}

} // namespace

int RunExportCommand(const std::vector<std::string>& args, platform::Platform& platform, std::FILE* err) {
    ExportRequest request;
    if (!ParseArgs(args, request)) {
        std::fputs("uso: korvane --export ENTRADA SAIDA [--size LxA] [--animate LETRA [--frames N]]\n", err);
        return kExitWrite;
    }
    const std::string ext = Extension(request.out);
    // The document kind of the input names the window; a document goes out as its own kind.
    const bool space = Extension(request.in) == ".kv3";
    const bool mapper = IsMapperDocument(Extension(request.in));
    const std::string document = space ? ".kv3" : ".kv2";
    const bool documentOut = mapper ? IsMapperDocument(ext) : ext == document;
    // An animation is a GIF of a plane document's letter, and a GIF is always one.
    if ((ext == ".gif") != (request.letter >= 0) || (ext == ".gif" && (space || mapper))) {
        std::fputs("korvane: uma animação (--animate) de um documento .kv2 vai para um arquivo .gif\n", err);
        return kExitWrite;
    }
    if (ext != ".png" && ext != ".svg" && ext != ".pdf" && ext != ".tex" && ext != ".tikz" && ext != ".gif" &&
        !documentOut) {
        std::fprintf(err, "korvane: formato de saída desconhecido: %s\n", request.out.c_str());
        return kExitWrite;
    }
    ScratchConfigDirectory scratch;
    WindowOptions options;
    options.title = "export";
    options.readSettings = false;
    if (mapper) {
        const int code = ExportMapper(request, platform, options);
        if (code == kExitRead)
            std::fprintf(err, "korvane: não é possível abrir arquivo %s\n", request.in.c_str());
        else if (code != 0)
            std::fprintf(err, "korvane: não é possível escrever %s\n", request.out.c_str());
        return code;
    }
    std::unique_ptr<TPlot11Win> window;
    if (space)
        window = std::make_unique<TPlot3Win>(platform, options, nullptr);
    else
        window = std::make_unique<TPlot2Win>(platform, options, nullptr);
    if (window->OpenDocument(request.in) != 0) {
        std::fprintf(err, "korvane: não é possível abrir arquivo %s\n", request.in.c_str());
        return kExitRead;
    }
    int code = 0;
    if (ext == document)
        code = window->SaveDocument(request.out) == 0 ? 0 : kExitWrite;
    else if (ext == ".gif")
        code = WriteAnimation(static_cast<TPlot2Win&>(*window), request);
    else
        code = DrawPicture(*window, request, platform);
    if (code != 0)
        std::fprintf(err, "korvane: não é possível escrever %s\n", request.out.c_str());
    window.reset();
    return code;
}

} // namespace korvane
