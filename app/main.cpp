// Entry point: the command-line modes that need no window, then the program itself.
#include "app/EmptyWindowFactory.h"
#include "app/EvalCommand.h"
#include "app/ExportCommand.h"
#include "app/OpenLog.h"
#include "app/TPlot.h"
#include "expr/RandomGenerator.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtTranslation.h"
#include "resources/Resources.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage =
    "uso: korvane [ARQUIVO]\n"
    "     korvane --eval FORMULA [--complex] [--let L=VALOR]... [--define 'F(x)=DEF']... [--derive L]\n"
    "     korvane --export ENTRADA SAIDA [--size LxA]\n"
    "     korvane --help | --version\n";

int RunProgram(int argc, char** argv, const std::string& startFile) {
    QApplication application(argc, argv);
    application.setApplicationName("korvane");
    application.setDesktopFileName("korvane");
    korvane::platform::InstallQtTranslation(application); // English when it is missing
    // The frame's icon is named by string 999; the build embeds data/korvane.svg under it.
    application.setWindowIcon(QIcon(QString(":/") + QString::fromUtf8(korvane::res::String(999))));

    korvane::platform::QtPlatform platform;
    korvane::EmptyWindowFactory factory(platform, korvane::RandomGenerator::Program());
    korvane::RandomGenerator::Program().SeedFromTime();
    korvane::TPlot plot(platform, factory, korvane::RandomGenerator::Program(), startFile);
    return plot.Run(korvane::OpenLogFromEnvironment());
}

// Headless: the offscreen platform draws and writes the picture without a display.
int RunExport(int argc, char** argv, const std::vector<std::string>& args) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    korvane::platform::QtPlatform platform;
    return korvane::RunExportCommand(args, platform, stderr);
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty()) {
        if (args[0] == "--help" || args[0] == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (args[0] == "--version") {
            std::printf("korvane %s\n", KORVANE_VERSION);
            return 0;
        }
        if (args[0] == "--eval")
            return korvane::RunEvalCommand({args.begin() + 1, args.end()}, stdout, stderr);
        if (args[0] == "--export")
            return RunExport(argc, argv, {args.begin() + 1, args.end()});
        if (args[0].starts_with("-")) {
            std::fputs(kUsage, stderr);
            return 2;
        }
    }
    return RunProgram(argc, argv, korvane::StartFileFrom(args.empty() ? std::string() : args[0]));
}
