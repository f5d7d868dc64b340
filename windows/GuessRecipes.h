#pragma once
// The random formulas of the guessing game: one recipe per family. Each gives the
// formula text, the asymptotes of its graph and the square view that shows it; the
// view's client size decides how much of the plane that view holds.
#include "graph/View.h"
#include "windows/GuessSettings.h"
#include "windows/GuessTarget.h"

#include <functional>

namespace korvane {

class RandomGenerator;

// True when the user asked to stop (key S).
using StopProbe = std::function<bool()>;

// Picks a family whose flag is on, then runs its recipe. At least one of flags 1..14
// must be on.
GuessTarget MakeGuessTarget(RandomGenerator& random, const GuessSettings& settings, const View& view,
                            const StopProbe& stop);
// The recipe of one family (1..14).
GuessTarget MakeFamilyTarget(int family, RandomGenerator& random, const GuessSettings& settings,
                             const View& view, const StopProbe& stop);

} // namespace korvane
