#include "windows/FactorRecipe.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numeric>

namespace korvane {

namespace {

constexpr long double kLargestInt = 2147483647.0L;

std::string FactorText(const RootFactor& f) {
    const std::string one = f.root > 0 ? "(x-" + Int(f.root) + ")" : "(x+" + Int(-f.root) + ")";
    std::string text;
    for (int k = 0; k < f.multiplicity; ++k)
        text += one;
    return text;
}

// Leading factor, numerator and denominator. Without numerator factors the leading
// factor stands for the "1": a bare n before "1" would read as one number (n = 2 gives
// "21/(x-2)").
std::string FactorFormula(const std::vector<RootFactor>& roots, const FactorScaling& scale) {
    std::string lead;
    if (scale.denominator >= 2)
        lead = "(" + Int(scale.numerator) + "/" + Int(scale.denominator) + ")";
    else if (scale.numerator > 1)
        lead = Int(scale.numerator);
    std::string numerator, denominator;
    for (const RootFactor& f : roots) {
        if (!f.denominator)
            numerator += FactorText(f);
        else
            denominator = "/" + (f.multiplicity > 1 ? "(" + FactorText(f) + ")" : FactorText(f));
    }
    if (numerator.empty())
        numerator = lead.empty() ? "1" : "";
    return lead + numerator + denominator;
}

bool AnyOddMultiplicity(const std::vector<RootFactor>& roots) {
    return std::any_of(roots.begin(), roots.end(), [](const RootFactor& f) { return f.multiplicity % 2 != 0; });
}

GuessTarget Fallback(bool rational, View& view) {
    GuessTarget t;
    t.fallback = true;
    t.text = rational ? "(x-1)(x-2)/(x+1)" : "(x-1)(x-2)(x+1)";
    if (rational)
        t.verticals.push_back(-1);
    t.FitView(view, 0.5L, 0, 7, 1);
    return t;
}

} // namespace

std::vector<RootFactor> ChooseFactors(bool rational, int m, bool singleRoot, GuessDraws& draw) {
    std::vector<RootFactor> roots;
    auto find = [&roots](int r) {
        return std::find_if(roots.begin(), roots.end(), [r](const RootFactor& f) { return f.root == r; });
    };
    const int cap = std::min(m, rational ? 2 : 4);
    for (int remaining = m; remaining > 0;) {
        int r = 0;
        do
            r = draw.Mod(9) - 4;
        while (r == 0 || find(r) != roots.end());
        int multiplicity = 1;
        if (!singleRoot) {
            do
                multiplicity = draw.Mod(cap) + 1;
            while (multiplicity > remaining);
        }
        remaining -= multiplicity;
        roots.push_back({r, multiplicity, false});
    }
    if (rational) {
        int r = 0;
        do
            r = draw.Mod(9) - 4;
        while (find(r) == roots.end());
        find(r)->denominator = true;
    }
    std::sort(roots.begin(), roots.end(), [](const RootFactor& a, const RootFactor& b) { return a.root < b.root; });
    return roots;
}

long double FactorProduct(const std::vector<RootFactor>& roots, long double x) {
    long double y = 1;
    for (const RootFactor& f : roots)
        for (int k = 0; k < f.multiplicity; ++k)
            y = f.denominator ? y / (x - f.root) : y * (x - f.root);
    return y;
}

FactorScaling ScaleFactors(const std::vector<RootFactor>& roots, int width, int height) {
    FactorScaling s;
    if (roots.empty() || width < 1 || height < 1)
        return s;
    long double lowest = -2, highest = 2, smallestMaximum = 10000;
    for (std::size_t i = 0; i + 1 < roots.size(); ++i) {
        long double intervalMaximum = 0;
        for (long double x = roots[i].root + 0.25L; x < roots[i + 1].root; x += 0.25L) {
            const long double y = FactorProduct(roots, x);
            lowest = std::min(lowest, y);
            highest = std::max(highest, y);
            intervalMaximum = std::max(intervalMaximum, std::fabs(y));
        }
        smallestMaximum = std::min(smallestMaximum, intervalMaximum);
    }
    long long p = 1, q = 1;
    for (const RootFactor& f : roots)
        for (int k = 0; k < f.multiplicity; ++k)
            (f.denominator ? q : p) *= std::abs(f.root);
    const long double atZero = static_cast<long double>(p) / static_cast<long double>(q);
    lowest = std::min(lowest, atZero);
    highest = std::max(highest, atZero);
    if (highest - lowest > 30 * smallestMaximum)
        return s;
    const int spread = roots.back().root - roots.front().root;
    const long double k = std::floor(atZero * (spread + 4) * height / (width * (highest - lowest)));
    if (k < 1 || k * static_cast<long double>(q) > kLargestInt)
        return s;
    const long long whole = static_cast<long long>(k);
    const long long g = std::gcd(whole * q, p);
    s.ok = true;
    s.numerator = whole * q / g;
    s.denominator = p / g;
    s.lowest = lowest * k / atZero;
    s.highest = highest * k / atZero;
    return s;
}

GuessTarget MakeFactorTarget(bool rational, int m, GuessDraws& draw, const GuessSettings& settings, View view,
                             const std::function<bool()>& stop) {
    for (int attempts = 1;; ++attempts) {
        const bool singleRoot = draw.Mod(5) < 3;
        const std::vector<RootFactor> roots = ChooseFactors(rational, m, singleRoot, draw);
        FactorScaling scale = ScaleFactors(roots, view.clientW, view.clientH);
        if (!scale.ok) {
            if (stop && stop()) {
                GuessTarget t = Fallback(rational, view);
                t.attempts = attempts;
                return t;
            }
            continue;
        }
        GuessTarget t;
        t.attempts = attempts;
        t.text = FactorFormula(roots, scale);
        for (const RootFactor& f : roots)
            if (f.denominator)
                t.verticals.push_back(f.root);
        if (settings.flags[kFamilyAbs] && AnyOddMultiplicity(roots) && draw.Mod(3) == 0) {
            t.text = "abs( " + t.text + " )";
            scale.highest = std::max(scale.highest, std::fabs(scale.lowest));
            scale.lowest = -2;
        }
        scale.lowest = std::min(scale.lowest, -2.0L);
        scale.highest = std::max(scale.highest, 2.0L);
        const long double centreY = (scale.lowest + scale.highest) / 2;
        t.FitView(view, (roots.front().root + roots.back().root) / 2.0L, centreY, 7, std::fabs(centreY) + 1);
        return t;
    }
}

} // namespace korvane
