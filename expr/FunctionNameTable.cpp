#include "expr/FunctionNameTable.h"

#include <cstring>

namespace korvane {

namespace {

constexpr FunctionName kBuiltinNames[FunctionNameTable::kSize] = {
    {"!", 33},        {"ARCTAN", 128},  {"ATN", 128},     {"TAN", 129},    {"COS", 130},
    {"EXP", 131},     {"FACT", 132},    {"INT", 133},     {"SINH", 134},   {"COSH", 135},
    {"TANH", 136},    {"ARCCOS", 137},  {"LN", 138},      {"ABS", 139},    {"ARCSIN", 140},
    {"SIN", 142},     {"SEC", 143},     {"CSC", 144},     {"COT", 145},    {"ARG", 147},
    {"SGN", 148},     {"FRAC", 149},    {"LOG", 150},     {"ITER", 151},   {"ROOT", 152},
    {"MAX", 153},     {"MIN", 154},     {"SECH", 155},    {"COTH", 156},   {"CSCH", 157},
    {"POW", 158},     {"BINOM", 159},   {"SUM", 161},     {"PROD", 162},   {"RAND", 163},
    {"RND", 163},     {"RANDOM", 163},  {"ERF", 164},     {"HVS", 165},    {"GAMMA", 169},
    {"CIS", 170},     {"RE", 171},      {"IM", 172},      {"CONJ", 173},   {"GAUSS", 174},
    {"NINF", 175},    {"PINF", 176},    {"CHI", 177},     {"JOINX", 180},  {"JOINT", 181},
    {"JOINR", 182},   {"JOINU", 183},   {"FLOOR", 195},   {"CEIL", 196},   {"MOD", 208},
    {"GCD", 209},     {"ARGSINH", 210}, {"ARGCOSH", 211}, {"ARGTANH", 212}, {"ARGCOTH", 213},
    {"ARCCOT", 214},  {"LG", 215},      {"PI", 227},      {"PHI", 232},    {"SQR", 251},
    {"SQRT", 251},    {"DEG", 255},     {"POWER", 158},
};

} // namespace

FunctionNameTable::FunctionNameTable() {
    std::memcpy(entries_, kBuiltinNames, sizeof entries_);
}

short FunctionNameTable::Find(std::string_view name, bool complexMode) const {
    if (name.empty() || name.size() >= sizeof(FunctionName::name))
        return 0;
    for (std::size_t i = 0; i < kSize; ++i) {
        if (name != entries_[i].name)
            continue;
        if (!complexMode && i >= kFirstComplexOnly && i <= kLastComplexOnly)
            return 0;
        return entries_[i].opcode;
    }
    return 0;
}

} // namespace korvane
