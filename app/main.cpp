// Entry point: the command-line modes that need no window, then the program itself.
#include "app/EvalCommand.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage =
    "uso: korvane [ARQUIVO]\n"
    "     korvane --eval FORMULA [--complex] [--let L=VALOR]... [--define 'F(x)=DEF']... [--derive L]\n"
    "     korvane --export ENTRADA SAIDA [--size LxA]\n"
    "     korvane --help | --version\n";

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
    }
    // The windowed program comes with the shell.
    std::fputs(kUsage, stderr);
    return 2;
}
