// The command line, run as the built program: a row per option and exit code of --eval,
// --export, --help and --version, and the pictures --export writes. The values behind
// --eval are the compiler's and the evaluator's, tested in tests/expr. A second start
// hands its file to the running one.
#include "resources/Resources.h"
#include "tests/support/Process.h"
#include "tests/support/ScratchFolder.h"

#include <gif_lib.h>
#include <sys/stat.h>
#include <gtest/gtest.h>

#include <QImage>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace korvane {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

std::string Error(int code) { return "erro " + std::to_string(code) + ": " + res::Message(code) + "\n"; }

struct Row {
    int line;
    std::vector<std::string> args;
    int exit;
    const char* out; // the whole standard output; nullptr: not looked at
};

class CommandLineTest : public ::testing::Test {
protected:
    CommandLineTest() { fs::create_directories(folder.Path() / "config"); }

    // Runs the program to its end, with a settings folder of its own and no display.
    testing::Process& Start(const std::vector<std::string>& args) {
        runs.push_back(std::make_unique<testing::Process>(
            KORVANE_BINARY, args,
            std::vector<std::string>{"KORVANE_CONFIG_DIR=" + (folder.Path() / "config").string(), "QT_QPA_PLATFORM"},
            fs::path{}, folder.Path()));
        runs.back()->Wait();
        return *runs.back();
    }
    static std::string Example(const char* name) { return (fs::path(KORVANE_SOURCE_DIR) / "examples" / name).string(); }
    std::string Out(const char* name) const { return folder.File(name); }

    void CheckRows(const std::vector<Row>& rows) {
        for (const Row& row : rows) {
            SCOPED_TRACE(::testing::Message() << "row at line " << row.line);
            testing::Process& run = Start(row.args);
            EXPECT_EQ(run.Wait(), std::optional<int>(row.exit)) << run.Err();
            if (row.out) {
                EXPECT_EQ(run.Out(), row.out);
            }
        }
    }

    testing::ScratchFolder folder;
    std::vector<std::unique_ptr<testing::Process>> runs;
};

// --eval prints the value and ends with 0, or "indefinido" and 1, or the compile error
// and 2; --let, --complex, --define and --derive each change what is evaluated. Bad usage
// ends with 2 and prints nothing on the standard output.
TEST_F(CommandLineTest, EvalOptionsAndExitCodes) {
    const std::string unmatched = Error(108), duplicate = Error(122);
    const std::vector<Row> rows = {
        {__LINE__, {"--eval", "1+2"}, 0, "3\n"},
        {__LINE__, {"--eval", "1/3"}, 0, "0.333333333333333333\n"},
        {__LINE__, {"--eval", "1/0"}, 1, "indefinido\n"},
        {__LINE__, {"--eval", "(x"}, 2, unmatched.c_str()},
        {__LINE__, {"--eval", "a*x+b", "--let", "a=2", "--let", "x=a+1", "--let", "b=pi-pi"}, 0, "6\n"},
        {__LINE__, {"--eval", "1", "--let", "a=(1"}, 2, unmatched.c_str()},
        {__LINE__, {"--eval", "z*z", "--complex", "--let", "z=1,2"}, 0, "-3 4\n"},
        {__LINE__, {"--eval", "ln(-1)", "--complex"}, 0, "0 3.14159265358979324\n"},
        {__LINE__, {"--eval", "1/z", "--complex", "--let", "z=0,0"}, 1, "indefinido\n"},
        {__LINE__, {"--eval", "k(3)", "--define", "F(x)=x+1", "--define", "K(x)=f(x)*2"}, 0, "8\n"},
        {__LINE__, {"--eval", "f(z)", "--complex", "--define", "F(x)=x*x", "--let", "z=0,1"}, 0, "-1 0\n"},
        {__LINE__, {"--eval", "1", "--define", "SIN(x)=x"}, 2, duplicate.c_str()},
        {__LINE__, {"--eval", "1", "--define", "F=x+1"}, 2, ""},
        {__LINE__, {"--eval", "c(5)", "--define", "C(x)=2"}, 0, "2\n"}, // a warning does not stop
        {__LINE__, {"--eval", "x^3", "--derive", "x", "--let", "x=-2"}, 0, "12\n"},
        {__LINE__, {"--eval", "a*x+b", "--derive", "a", "--let", "x=7"}, 0, "7\n"},
        {__LINE__, {"--eval", "sqrt(x)", "--derive", "x", "--let", "x=0"}, 1, "indefinido\n"},
        {__LINE__, {"--eval", "z^2", "--complex", "--derive", "x", "--let", "z=1,2"}, 0, "2 4\n"},
        {__LINE__, {"--eval", "f(x)", "--define", "F(x)=x^2", "--derive", "x", "--let", "x=3"}, 0, "6\n"},
        // Bad usage.
        {__LINE__, {"--eval"}, 2, ""},
        {__LINE__, {"--eval", "x", "--let"}, 2, ""},
        {__LINE__, {"--eval", "x", "--let", "xy=2"}, 2, ""},
        {__LINE__, {"--eval", "x", "y"}, 2, ""},
        {__LINE__, {"--eval", "x", "--derive"}, 2, ""},
        {__LINE__, {"--eval", "x^2", "--derive", "xy"}, 2, ""},
        {__LINE__, {"--nonsense"}, 2, nullptr},
        {__LINE__, {"--version"}, 0, nullptr},
        {__LINE__, {"--help"}, 0, nullptr},
    };
    CheckRows(rows);
}

// --export: 1 when the input cannot be read, 2 when the output cannot be written or the
// usage is wrong, each with one line of its own on the error stream.
TEST_F(CommandLineTest, ExportExitCodesSayWhatFailed) {
    {
        std::ofstream junk(Out("junk.kv2"), std::ios::binary);
        junk << "not a document";
    }
    const std::vector<Row> rows = {
        {__LINE__, {"--export", Out("none.kv2"), Out("a.png")}, 1, nullptr},
        {__LINE__, {"--export", Out("junk.kv2"), Out("a.png")}, 1, nullptr},
        {__LINE__, {"--export", Example("onda.kv2"), Out("no/where.png")}, 2, nullptr},
        {__LINE__, {"--export", Example("onda.kv2"), Out("a.bmp")}, 2, nullptr},
        {__LINE__, {"--export", Example("onda.kv2"), Out("a.png"), "--size", "0x10"}, 2, nullptr},
        {__LINE__, {"--export", Example("onda.kv2"), Out("a.png"), "--size"}, 2, nullptr},
        {__LINE__, {"--export", Example("onda.kv2")}, 2, nullptr},
        // An animation needs its letter, a GIF, a plane document and 3..200 frames.
        {__LINE__, {"--export", Example("animacao.kv2"), Out("a.gif")}, 2, nullptr},
        {__LINE__, {"--export", Example("animacao.kv2"), Out("a.png"), "--animate", "A"}, 2, nullptr},
        {__LINE__, {"--export", Example("animacao.kv2"), Out("a.gif"), "--animate", "X"}, 2, nullptr},
        {__LINE__, {"--export", Example("animacao.kv2"), Out("a.gif"), "--animate", "A", "--frames", "2"}, 2, nullptr},
        {__LINE__, {"--export", Example("animacao.kv2"), Out("no/where.gif"), "--animate", "A"}, 2, nullptr},
        {__LINE__, {"--export", Example("esfera.kv3"), Out("a.gif"), "--animate", "A"}, 2, nullptr},
    };
    CheckRows(rows);
    for (const auto& run : runs) {
        // Qt may add its own lines on stderr; ours is exactly one.
        std::size_t ours = 0;
        std::istringstream lines(run->Err());
        for (std::string line; std::getline(lines, line);)
            ours += line.starts_with("korvane:") || line.starts_with("uso:");
        EXPECT_EQ(ours, 1u) << run->Err();
    }
    EXPECT_FALSE(fs::exists(Out("a.png")));
    EXPECT_FALSE(fs::exists(Out("a.gif")));
}

// --animate: the letter from its lower to its upper bound, one frame each, of the size
// asked for; the wave moves between the first and the last frame.
TEST_F(CommandLineTest, ExportedAnimationIsAGifOfTheFrames) {
    ::umask(022);
    testing::Process& run =
        Start({"--export", Example("animacao.kv2"), Out("a.gif"), "--animate", "a", "--frames", "7", "--size", "240x180"});
    ASSERT_EQ(run.Wait(), std::optional<int>(0)) << run.Err();
    EXPECT_NE(fs::status(Out("a.gif")).permissions() & fs::perms::others_read, fs::perms::none)
        << "readable by others, as the user's other files";
    int error = 0;
    GifFileType* gif = DGifOpenFileName(Out("a.gif").c_str(), &error);
    ASSERT_NE(gif, nullptr);
    ASSERT_EQ(DGifSlurp(gif), GIF_OK);
    EXPECT_EQ(gif->ImageCount, 7);
    EXPECT_EQ(gif->SWidth, 240);
    EXPECT_EQ(gif->SHeight, 180);
    const auto colours = [gif](int frame) {
        const SavedImage& image = gif->SavedImages[frame];
        const ColorMapObject* map = image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
        std::vector<int> rgb;
        for (int i = 0; i < 240 * 180; ++i) {
            const GifColorType c = map->Colors[image.RasterBits[i]];
            rgb.push_back(c.Red << 16 | c.Green << 8 | c.Blue);
        }
        return rgb;
    };
    EXPECT_NE(colours(0), colours(6));
    EXPECT_EQ(colours(0)[0], colours(6)[0]) << "the background stays";
    DGifCloseFile(gif, &error);
}

// Pixels unlike the top-left one, which is background.
int ForegroundPixels(const QImage& image) {
    const QRgb background = image.pixel(0, 0);
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) != background;
    return count;
}

bool ForegroundNear(const QImage& image, int cx, int cy) {
    const QRgb background = image.pixel(0, 0);
    for (int y = cy - 2; y <= cy + 2; ++y)
        for (int x = cx - 2; x <= cx + 2; ++x)
            if (image.valid(x, y) && image.pixel(x, y) != background)
                return true;
    return false;
}

TEST_F(CommandLineTest, ExportedPngHasTheSizeAskedForAndTheCurveInIt) {
    struct Size {
        std::vector<std::string> extra;
        int width, height;
    };
    const Size sizes[] = {{{"--size", "320x240"}, 320, 240}, {{}, 800, 600}};
    for (const Size& size : sizes) {
        SCOPED_TRACE(std::to_string(size.width) + "x" + std::to_string(size.height));
        std::vector<std::string> args = {"--export", Example("rosa.kv2"), Out("rosa.png")};
        args.insert(args.end(), size.extra.begin(), size.extra.end());
        testing::Process& run = Start(args);
        ASSERT_EQ(run.Wait(), std::optional<int>(0)) << run.Err();
        const QImage image(QString::fromStdString(Out("rosa.png")));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.width(), size.width);
        EXPECT_EQ(image.height(), size.height);
        EXPECT_GT(ForegroundPixels(image), 200);
        // The rose r = 3cos(2t) passes through t = pi/8 at (1.960, 0.812), off the axes;
        // the view is the square of radius 4 about the origin.
        const double scale = size.width / 8.0;
        EXPECT_TRUE(ForegroundNear(image, int(size.width / 2 + 1.960 * scale), int(size.height / 2 - 0.812 * scale)));
    }
    EXPECT_TRUE(fs::is_empty(folder.Path() / "config")) << "an export reads and writes no settings file";
}

TEST_F(CommandLineTest, ExportedSvgPdfTeXAndDocumentAgain) {
    ASSERT_EQ(Start({"--export", Example("lissajous.kv2"), Out("l.svg")}).Wait(), std::optional<int>(0));
    std::ifstream svg(Out("l.svg"));
    const std::string text((std::istreambuf_iterator<char>(svg)), {});
    EXPECT_NE(text.find("<svg"), std::string::npos);
    EXPECT_NE(text.find("<polyline"), std::string::npos) << "the curve is drawn as a polyline";
    ASSERT_EQ(Start({"--export", Example("lissajous.kv2"), Out("l.pdf")}).Wait(), std::optional<int>(0));
    std::ifstream pdf(Out("l.pdf"), std::ios::binary);
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(pdf)), {}).rfind("%PDF", 0), 0u);

    ASSERT_EQ(Start({"--export", Example("onda.kv2"), Out("onda.tex"), "--size", "400x300"}).Wait(),
              std::optional<int>(0));
    std::ifstream tex(Out("onda.tex"), std::ios::binary);
    const std::string picture((std::istreambuf_iterator<char>(tex)), {});
    EXPECT_EQ(picture.rfind("\\font\\fiverm = cmr5\r\n\\input pictex\r\n\\setbox1=\\vbox{\r\n", 0), 0u);
    EXPECT_NE(picture.find("\\plot \r\n"), std::string::npos) << "the curve";

    // A mapper document: the domain's picture and the range's in one file, side by side.
    for (const char* name : {"q.tex", "q.tikz"}) {
        ASSERT_EQ(Start({"--export", Example("quadrado.maz"), Out(name)}).Wait(), std::optional<int>(0)) << name;
        std::ifstream in(Out(name), std::ios::binary);
        const std::string pair((std::istreambuf_iterator<char>(in)), {});
        const std::string begin = std::string(name) == "q.tex" ? "\\beginpicture" : "\\begin{tikzpicture}";
        const std::size_t first = pair.find(begin), gap = pair.find("5mm", first), second = pair.find(begin, gap);
        EXPECT_TRUE(first != std::string::npos && gap != std::string::npos && second != std::string::npos) << name;
    }

    ASSERT_EQ(Start({"--export", Example("familia.kv2"), Out("f.KV2")}).Wait(), std::optional<int>(0));
    ASSERT_EQ(Start({"--export", Out("f.KV2"), Out("f.png"), "--size", "200x150"}).Wait(), std::optional<int>(0));
    EXPECT_GT(ForegroundPixels(QImage(QString::fromStdString(Out("f.png")))), 100);
}

// Waits until the log has `count` lines, for 20 s at most; gives what it has then.
std::vector<std::string> WaitForLines(const fs::path& path, std::size_t count) {
    const auto end = std::chrono::steady_clock::now() + 20s;
    for (;; std::this_thread::sleep_for(20ms)) {
        std::vector<std::string> lines;
        std::ifstream in(path);
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        if (lines.size() >= count || std::chrono::steady_clock::now() >= end)
            return lines;
    }
}

// A second start hands its file to the running one and ends with 0; the running one
// reports what it opened through KORVANE_OPEN_LOG.
TEST_F(CommandLineTest, SecondStartHandsItsFileOverAndEnds) {
    const fs::path dir = folder.Path(), log = dir / "open.log";
    const std::vector<std::string> environment = {
        "KORVANE_CONFIG_DIR=" + (dir / "config").string(), "KORVANE_OPEN_LOG=" + log.string(),
        "QT_QPA_PLATFORM=offscreen"};
    const auto start = [&](const std::string& path, const fs::path& cwd = {}) {
        const std::vector<std::string> args{path};
        return std::make_unique<testing::Process>(KORVANE_BINARY, args, environment, cwd);
    };
    const std::string first = (dir / "first.kv2").string();
    const auto running = start(first);
    // The command-line document opens at the first paint, after the instance is claimed.
    std::vector<std::string> opened{"plane\tsemnome1.kv2\t" + first};
    ASSERT_EQ(WaitForLines(log, 1), opened);

    const std::string second = (dir / "second.KV3").string();
    EXPECT_EQ(start(second)->Wait(20s), std::optional<int>(0));
    opened.push_back("space\tsemnome1.kv3\t" + second);
    EXPECT_EQ(WaitForLines(log, 2), opened);

    // A one-character name only raises the frame.
    EXPECT_EQ(start("x")->Wait(20s), std::optional<int>(0));
    // A folder with a dot in its name is no extension.
    const std::string dotted = (dir / "aulas.2026" / "parabola.kv2").string();
    EXPECT_EQ(start(dotted)->Wait(20s), std::optional<int>(0));
    opened.push_back("plane\tsemnome2.kv2\t" + dotted);
    EXPECT_EQ(WaitForLines(log, 3), opened);
    // A relative path is resolved in the folder of the start that names it.
    fs::create_directories(dir / "sub");
    EXPECT_EQ(start("../third.kv2", dir / "sub")->Wait(20s), std::optional<int>(0));
    opened.push_back("plane\tsemnome3.kv2\t" + (dir / "third.kv2").string());
    EXPECT_EQ(WaitForLines(log, 4), opened);

    EXPECT_TRUE(running->Running());
}

} // namespace
} // namespace korvane
