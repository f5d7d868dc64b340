#include "space/DialogNumbers.h"

#include <cmath>

namespace korvane {

namespace {
constexpr int kOutOfRange = 17;
} // namespace

int ReadDialogReal(const EquationEnvironment& env, const platform::Dialog& dialog, int id, long double& value) {
    if (const int code = env.evaluate(dialog.GetText(id), value); code != 0)
        return code;
    return std::isfinite(value) ? 0 : kOutOfRange;
}

int ReadDialogInteger(const EquationEnvironment& env, const platform::Dialog& dialog, int id, int low, int high,
                      int& value) {
    long double real = 0;
    if (const int code = ReadDialogReal(env, dialog, id, real); code != 0)
        return code;
    const long double rounded = std::nearbyint(real);
    if (!(rounded >= low && rounded <= high))
        return kOutOfRange;
    value = static_cast<int>(rounded);
    return 0;
}

} // namespace korvane
