#pragma once
// `korvane --eval FORMULA [--complex] [--let L=VALUE]... [--define 'F(x)=DEF']... [--derive L]`:
// compile and evaluate one formula without a window. Returns the exit code
// (0 defined, 1 undefined, 2 compile error or bad usage).
#include <cstdio>
#include <string>
#include <vector>

namespace korvane {

int RunEvalCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);

} // namespace korvane
