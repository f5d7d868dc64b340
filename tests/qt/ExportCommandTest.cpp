// `korvane --export` as a separate process: pictures of the right size with the graph
// in them, SVG, the document saved again, the exit codes, and no settings file touched.
#include <gtest/gtest.h>

#include <QImage>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

class ExportCommand : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("korvane-export-test-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir / "config");
    }
    void TearDown() override { fs::remove_all(dir); }

    // Exit code of the program run with these arguments; its error output in `err`.
    int Run(const std::vector<std::string>& args, std::string* err = nullptr) {
        const fs::path errPath = dir / "stderr.txt";
        const pid_t pid = ::fork();
        if (pid == 0) {
            const std::string config = "KORVANE_CONFIG_DIR=" + (dir / "config").string();
            ::putenv(const_cast<char*>(config.c_str()));
            ::unsetenv("QT_QPA_PLATFORM"); // the command picks its own
            if (!std::freopen(errPath.c_str(), "w", stderr))
                ::_exit(126);
            std::vector<char*> argv;
            static std::string binary = KORVANE_BINARY;
            static std::string mode = "--export";
            argv.push_back(binary.data());
            argv.push_back(mode.data());
            for (const std::string& a : args)
                argv.push_back(const_cast<char*>(a.c_str()));
            argv.push_back(nullptr);
            ::execv(binary.c_str(), argv.data());
            ::_exit(127);
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        if (err) {
            std::ifstream in(errPath);
            err->assign(std::istreambuf_iterator<char>(in), {});
        }
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    static std::string Example(const char* name) { return (fs::path(KORVANE_SOURCE_DIR) / "examples" / name).string(); }
    std::string Out(const char* name) const { return (dir / name).string(); }

    fs::path dir;
};

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

TEST_F(ExportCommand, PngHasTheSizeAskedForAndTheCurveInIt) {
    struct Row {
        std::vector<std::string> extra;
        int width, height;
    };
    const Row rows[] = {{{"--size", "320x240"}, 320, 240}, {{}, 800, 600}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.width) + "x" + std::to_string(row.height));
        std::vector<std::string> args = {Example("rosa.kv2"), Out("rosa.png")};
        args.insert(args.end(), row.extra.begin(), row.extra.end());
        std::string err;
        ASSERT_EQ(Run(args, &err), 0) << err;
        const QImage image(QString::fromStdString(Out("rosa.png")));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.width(), row.width);
        EXPECT_EQ(image.height(), row.height);
        EXPECT_GT(ForegroundPixels(image), 200);
        // The rose r = 3cos(2t) passes through t = pi/8 at (1.960, 0.812), off the axes;
        // the view is the square of radius 4 about the origin.
        const double scale = row.width / 8.0;
        EXPECT_TRUE(ForegroundNear(image, int(row.width / 2 + 1.960 * scale), int(row.height / 2 - 0.812 * scale)));
    }
    EXPECT_TRUE(fs::is_empty(dir / "config")) << "an export reads and writes no settings file";
}

TEST_F(ExportCommand, SvgAndDocumentAgain) {
    ASSERT_EQ(Run({Example("lissajous.kv2"), Out("l.svg")}), 0);
    std::ifstream svg(Out("l.svg"));
    const std::string text((std::istreambuf_iterator<char>(svg)), {});
    EXPECT_NE(text.find("<svg"), std::string::npos);
    EXPECT_NE(text.find("<polyline"), std::string::npos) << "the curve is drawn as a polyline";

    ASSERT_EQ(Run({Example("familia.kv2"), Out("f.KV2")}), 0);
    ASSERT_EQ(Run({Out("f.KV2"), Out("f.png"), "--size", "200x150"}), 0);
    EXPECT_GT(ForegroundPixels(QImage(QString::fromStdString(Out("f.png")))), 100);
}

TEST_F(ExportCommand, ExitCodesSayWhatFailed) {
    {
        std::ofstream junk(Out("junk.kv2"), std::ios::binary);
        junk << "not a document";
    }
    struct Row {
        const char* name;
        std::vector<std::string> args;
        int code;
    };
    const Row rows[] = {
        {"missing input", {Out("none.kv2"), Out("a.png")}, 1},
        {"damaged input", {Out("junk.kv2"), Out("a.png")}, 1},
        {"output folder missing", {Example("onda.kv2"), Out("no/where.png")}, 2},
        {"unknown output kind", {Example("onda.kv2"), Out("a.bmp")}, 2},
        {"bad size", {Example("onda.kv2"), Out("a.png"), "--size", "0x10"}, 2},
        {"size without value", {Example("onda.kv2"), Out("a.png"), "--size"}, 2},
        {"one path only", {Example("onda.kv2")}, 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::string err;
        EXPECT_EQ(Run(row.args, &err), row.code);
        // Qt may add its own lines on stderr; ours is exactly one.
        std::size_t ours = 0;
        std::istringstream lines(err);
        for (std::string line; std::getline(lines, line);)
            ours += line.starts_with("korvane:") || line.starts_with("uso:");
        EXPECT_EQ(ours, 1u) << err;
    }
    EXPECT_FALSE(fs::exists(Out("a.png")));
}

} // namespace
