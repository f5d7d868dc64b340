#include "windows/GuessRecipes.h"

#include "windows/FactorRecipe.h"
#include "windows/GuessDraws.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <numeric>

namespace korvane {

namespace {

std::string AbsOpen(bool abs) { return abs ? "abs(" : ""; }
std::string AbsClose(bool abs) { return abs ? ")" : ""; }

// "(x-a)" or "(x+|a|)".
std::string Factor(int a) { return a > 0 ? "(x-" + Int(a) + ")" : "(x+" + Int(-a) + ")"; }

// "-" |v| or "+" |v|, for the constant that follows a term.
std::string SignedTerm(int v) { return v < 0 ? "-" + Int(-v) : "+" + Int(v); }

GuessTarget Parabola(GuessDraws& draw, const GuessSettings& settings, View view) {
    GuessTarget t;
    int a = 0;
    do
        a = draw.Mod(9) - 4;
    while (a == 0);
    const int b = draw.Mod(9) - 4;
    int v = 0;
    do
        v = draw.Mod(9) - 4;
    while (v == 0 || v == b);
    int n = std::abs(v - b), d = a * a;
    const int g = std::gcd(n, d);
    n /= g;
    d /= g;
    const bool abs = settings.flags[kFamilyAbs] && draw.Mod(4) == 0 && n * b < 0;
    t.text = AbsOpen(abs);
    if (b != 0)
        t.text += Int(b) + (v < b ? "-" : "+");
    if (d != 1)
        t.text += "(" + Int(n) + "/" + Int(d) + ")";
    else if (n > 1)
        t.text += Int(n);
    t.text += Factor(a) + Factor(a) + AbsClose(abs);
    t.SquareView(view, a, b, 9);
    return t;
}

struct TrigName {
    const char* name;
    bool unitCoefficient; // tangent and cotangent
    int firstAsymptote;   // 0 none, 1 at s/2, 2 at s
};

constexpr TrigName kTrigNames[] = {
    {"sin(", false, 0}, {"cos(", false, 0}, {"tan(", true, 1},
    {"sec(", false, 1}, {"csc(", false, 2}, {"cot(", true, 2},
};

bool TrigFits(int family, int a, int c, const View& view) {
    switch (family) {
    case kFamilySine:
    case kFamilyCosine: return std::abs(a) + std::abs(c) + 1 < view.ymax;
    case kFamilySecant:
    case kFamilyCosecant: return std::abs(c) + 2 < view.ymax;
    default: return true;
    }
}

// Every pole s apart, from the first one that lies left of the view to the right edge.
void ListTrigAsymptotes(GuessTarget& t, int first, int f, const View& view) {
    const long double s = std::numbers::pi_v<long double> / f;
    t.period = s;
    long double x = first == 1 ? s / 2 : s;
    while (x > view.xmin)
        x -= s;
    for (x += s; x < view.xmax; x += s)
        t.verticals.push_back(x);
}

GuessTarget Trigonometric(int family, GuessDraws& draw, const GuessSettings& settings, View view) {
    GuessTarget t;
    const TrigName& kind = kTrigNames[family - kFamilySine];
    int a = draw.Mod(4);
    if (a == 0 || kind.unitCoefficient)
        a = 1;
    a = draw.Signed(a);
    const int c = draw.SignedMod(4);
    const bool abs = settings.flags[kFamilyAbs] && draw.Mod(4) == 0 && std::abs(c) < std::abs(a);
    int f = draw.Mod(4);
    if (f == 0)
        f = 1;
    t.text = AbsOpen(abs);
    if (a == -1)
        t.text += "-";
    else if (a != 1)
        t.text += Int(a);
    t.text += kind.name;
    if (f != 1)
        t.text += Int(f);
    t.text += "x)";
    if (c != 0)
        t.text += (c > 0 ? "+" : "") + Int(c);
    t.text += AbsClose(abs);
    t.SquareView(view, 0, 0, 6.4L);
    while (!TrigFits(family, a, c, view))
        t.SquareView(view, 0, 0, view.rx + 1);
    if (kind.firstAsymptote != 0)
        ListTrigAsymptotes(t, kind.firstAsymptote, f, view);
    return t;
}

GuessTarget ExponentialOnce(GuessDraws& draw, const GuessSettings& settings, View& view, long double& atZero) {
    GuessTarget t;
    int d = draw.SignedMod(4);
    const int b = draw.Mod(2) + 2;
    int a = 0;
    do
        a = draw.SignedMod(4);
    while (a == 0 || std::abs(a) == b || a * d > 0);
    const int c = draw.SignedMod(4);
    const bool abs = settings.flags[kFamilyAbs] && draw.Mod(4) == 0 && a * d < 0;
    if (d != 0)
        t.horizontals.push_back(abs ? std::abs(d) : d);
    if (abs && a < 0) {
        a = -a;
        d = -d;
    }
    t.text = AbsOpen(abs);
    if (a == -1)
        t.text += "-";
    else if (a != 1)
        t.text += Int(a) + "*";
    t.text += Int(b) + "^";
    t.text += c == 0 ? "x" : c < 0 ? "(x+" + Int(-c) + ")" : "(x-" + Int(c) + ")";
    t.text += SignedTerm(d) + AbsClose(abs);
    t.SquareView(view, 0, 0, 9);
    atZero = d + a * std::pow(static_cast<long double>(b), static_cast<long double>(-c));
    return t;
}

GuessTarget Exponential(GuessDraws& draw, const GuessSettings& settings, View view) {
    for (;;) {
        long double atZero = 0;
        GuessTarget t = ExponentialOnce(draw, settings, view, atZero);
        if (atZero > view.ymin && atZero < view.ymax)
            return t;
    }
}

std::string LogArgument(int family, int c) {
    const std::string shift = c > 0 ? "-" + Int(c) : c < 0 ? "+" + Int(-c) : "";
    switch (family) {
    case kFamilyLogarithm: return "x" + shift;
    case kFamilyMirroredLogarithm: return c > 0 ? Int(c) + "-x" : c < 0 ? Int(-c) + "+x" : "x";
    default: return "abs(x" + shift + ")";
    }
}

GuessTarget Logarithm(int family, GuessDraws& draw, const GuessSettings& settings, View view) {
    GuessTarget t;
    const int c = draw.SignedMod(4);
    if (c != 0)
        t.verticals.push_back(c);
    const int d = draw.SignedMod(4);
    const int b = draw.Mod(2) + 2;
    const bool abs = settings.flags[kFamilyAbs] && draw.Mod(4) == 0;
    t.text = AbsOpen(abs) + Int(d) + (draw.Mod(2) == 0 ? "-" : "+");
    t.text += "log(" + LogArgument(family, c) + ")/log(" + Int(b) + ")" + AbsClose(abs);
    t.SquareView(view, 0, 0, 9);
    return t;
}

// "+" n or "-" n for a fresh n = R mod 4, nothing for 0.
std::string RandomShift(GuessDraws& draw) {
    const int n = draw.Mod(4);
    if (n == 0)
        return "";
    return (draw.Mod(2) == 0 ? "+" : "-") + Int(n);
}

GuessTarget Power(GuessDraws& draw, const GuessSettings& settings, View view) {
    GuessTarget t;
    t.SquareView(view, 0, 0, 9);
    const bool abs = settings.flags[kFamilyAbs] && draw.Mod(4) == 0;
    int p = 0, q = 0;
    do {
        p = draw.Mod(5) + 1;
        q = draw.Mod(5) + 1;
    } while (p == q);
    t.text = AbsOpen(abs);
    if (p > 1)
        t.text += "pow(" + Int(p) + ",";
    t.text += "root(" + Int(q) + ",x" + RandomShift(draw) + ")";
    if (p > 1)
        t.text += ")";
    t.text += RandomShift(draw) + AbsClose(abs);
    return t;
}

GuessTarget StraightLine(GuessDraws& draw, const GuessSettings& settings, View view) {
    GuessTarget t;
    const bool abs = settings.flags[kFamilyAbs] && draw.Mod(3) == 0;
    const bool s1 = draw.Mod(2) == 0;
    const bool s2 = draw.Mod(2) == 0;
    const int a = draw.Mod(4) + 1;
    const int b = draw.Mod(5) + 1;
    std::string coefficient;
    if (a == 2 && b == 4)
        coefficient = "2";
    else if (a == 4 && b == 2)
        coefficient = "1/2";
    else if (a == 1)
        coefficient = Int(b);
    else if (a != b)
        coefficient = Int(b) + "/" + Int(a);
    if (s2)
        t.text += "-";
    if (a != b)
        t.text += a == 1 || (a == 2 && b == 4) ? coefficient : "(" + coefficient + ")";
    if (abs)
        t.text += "abs";
    const bool parenthesis = abs || a != b || s2;
    t.text += (parenthesis ? "(" : "") + std::string("x") + (s1 ? "+" : "-") + Int(a) + (parenthesis ? ")" : "");
    const long double centreY = abs ? (s2 ? -2 : 2) : 0;
    t.FitView(view, s1 ? -a : a, centreY, 7, std::fabs(centreY) + 1);
    return t;
}

} // namespace

GuessTarget MakeFamilyTarget(int family, RandomGenerator& random, const GuessSettings& given, const View& view,
                             const StopProbe& stop) {
    // Counts out of their range would divide by zero below.
    GuessSettings settings = given;
    CorrectGuessSettings(settings);
    if (family < kFamilyPolynomial || family > kFamilyPower)
        family = kFamilyPolynomial;
    GuessDraws draw(random);
    GuessTarget t;
    switch (family) {
    case kFamilyPolynomial:
    case kFamilyRational: {
        const int m = settings.lowest + draw.Mod(settings.highest - settings.lowest + 1);
        if (family == kFamilyPolynomial && m == 1)
            t = StraightLine(draw, settings, view);
        else if (family == kFamilyRational)
            // One factor would go to the denominator and leave 1/(x-r), which no
            // attempt can scale (k is 0 for every root): the attempts would never end.
            t = MakeFactorTarget(true, std::max(m, 2), draw, settings, view, stop);
        else
            t = MakeFactorTarget(false, m, draw, settings, view, stop);
        break;
    }
    case kFamilyParabola: t = Parabola(draw, settings, view); break;
    case kFamilyExponential: t = Exponential(draw, settings, view); break;
    case kFamilyLogarithm:
    case kFamilyMirroredLogarithm:
    case kFamilyAbsLogarithm: t = Logarithm(family, draw, settings, view); break;
    case kFamilyPower: t = Power(draw, settings, view); break;
    default: t = Trigonometric(family, draw, settings, view); break;
    }
    t.family = family;
    return t;
}

GuessTarget MakeGuessTarget(RandomGenerator& random, const GuessSettings& given, const View& view,
                            const StopProbe& stop) {
    GuessSettings settings = given;
    CorrectGuessSettings(settings);
    GuessDraws draw(random);
    int family = 0;
    do
        family = draw.Mod(14) + 1;
    while (!settings.flags[family]);
    return MakeFamilyTarget(family, random, settings, view, stop);
}

} // namespace korvane
