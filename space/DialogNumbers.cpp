#include "space/DialogNumbers.h"

#include <cmath>

namespace korvane {

namespace {
constexpr int kOutOfRange = 17;
constexpr int kInconsistent = 6;
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

int ReadDialogBox(const EquationEnvironment& env, const platform::Dialog& dialog, int first, SpacePoint& low,
                  SpacePoint& high) {
    long double v[6];
    for (int k = 0; k < 6; ++k)
        if (const int code = ReadDialogReal(env, dialog, first + k, v[k]); code != 0)
            return code;
    for (int k = 0; k < 6; k += 2)
        if (!(v[k + 1] > v[k]))
            return kInconsistent;
    low = {v[0], v[2], v[4]};
    high = {v[1], v[3], v[5]};
    return 0;
}

} // namespace korvane
