// Implicit curves against a reference written here in plain C++: every drawn pixel lies
// on the curve (|F| within a pixel and a half of |grad F|), and every component that a
// marching-squares pass at half-pixel resolution finds in the window is covered by drawn
// pixels, over ten seeds of the generator.
#include "plane/ImplicitCurve.h"

#include "tests/support/PlaneScene.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <numeric>
#include <vector>

namespace korvane {
namespace {

using testing::PlaneScene;
using testing::ColourOfIndex;

struct Curve {
    const char* formula;
    std::function<double(double, double)> f;
    std::function<double(double, double)> fx, fy;
    // Of every component's length, for every seed.
    double minCoverage;
};

const Curve kCurves[] = {
    {"xx+yy-13", [](double x, double y) { return x * x + y * y - 13; }, [](double x, double) { return 2 * x; },
     [](double, double y) { return 2 * y; }, 0.99},
    {"xy-1", [](double x, double y) { return x * y - 1; }, [](double, double y) { return y; },
     [](double x, double) { return x; }, 0.99},
    {"(xx+yy)^2-2(xx-yy)", [](double x, double y) { return (x * x + y * y) * (x * x + y * y) - 2 * (x * x - y * y); },
     [](double x, double y) { return 4 * x * (x * x + y * y) - 4 * x; },
     [](double x, double y) { return 4 * y * (x * x + y * y) + 4 * y; }, 0.99},
    {"yy-(xxx-x)", [](double x, double y) { return y * y - (x * x * x - x); },
     [](double x, double) { return -(3 * x * x - 1); }, [](double, double y) { return 2 * y; }, 0.99},
    {"sin(x)-cos(y)", [](double x, double y) { return std::sin(x) - std::cos(y); },
     [](double x, double) { return std::cos(x); }, [](double, double y) { return std::sin(y); }, 0.99},
};

constexpr double kUnit = 0.02; // world units per pixel
constexpr int kGrid = 1000;    // marching-squares cells per side: half a pixel each
constexpr int kSeeds = 10;

// The cells of a marching-squares pass that the zero set crosses, grouped into components
// (cells touching by side or corner).
struct Components {
    std::vector<int> cells;           // cell index iy * kGrid + ix
    std::vector<int> component;       // per entry of cells
    int count = 0;
};

int Find(std::vector<int>& parent, int i) {
    while (parent[static_cast<std::size_t>(i)] != i)
        i = parent[static_cast<std::size_t>(i)] = parent[static_cast<std::size_t>(parent[static_cast<std::size_t>(i)])];
    return i;
}

Components MarchingSquares(const Curve& curve) {
    const double h = 10.0 / kGrid;
    std::vector<char> sign(static_cast<std::size_t>((kGrid + 1) * (kGrid + 1)));
    for (int j = 0; j <= kGrid; ++j)
        for (int i = 0; i <= kGrid; ++i)
            sign[static_cast<std::size_t>(j * (kGrid + 1) + i)] = curve.f(-5 + i * h, -5 + j * h) > 0;
    std::vector<int> index(static_cast<std::size_t>(kGrid * kGrid), -1);
    Components out;
    for (int j = 0; j < kGrid; ++j)
        for (int i = 0; i < kGrid; ++i) {
            const auto s = [&](int di, int dj) { return sign[static_cast<std::size_t>((j + dj) * (kGrid + 1) + i + di)]; };
            const int sum = s(0, 0) + s(1, 0) + s(0, 1) + s(1, 1);
            if (sum == 0 || sum == 4)
                continue;
            index[static_cast<std::size_t>(j * kGrid + i)] = static_cast<int>(out.cells.size());
            out.cells.push_back(j * kGrid + i);
        }
    std::vector<int> parent(out.cells.size());
    std::iota(parent.begin(), parent.end(), 0);
    for (std::size_t k = 0; k < out.cells.size(); ++k) {
        const int i = out.cells[k] % kGrid, j = out.cells[k] / kGrid;
        for (int dj = -1; dj <= 1; ++dj)
            for (int di = -1; di <= 1; ++di) {
                const int ni = i + di, nj = j + dj;
                if (ni < 0 || nj < 0 || ni >= kGrid || nj >= kGrid)
                    continue;
                const int other = index[static_cast<std::size_t>(nj * kGrid + ni)];
                if (other >= 0)
                    parent[static_cast<std::size_t>(Find(parent, static_cast<int>(k)))] = Find(parent, other);
            }
    }
    std::map<int, int> numbers;
    for (std::size_t k = 0; k < out.cells.size(); ++k) {
        const int root = Find(parent, static_cast<int>(k));
        const auto [it, added] = numbers.emplace(root, static_cast<int>(numbers.size()));
        out.component.push_back(it->second);
    }
    out.count = static_cast<int>(numbers.size());
    return out;
}

bool DrawnNear(const PlaneScene& picture, int px, int py, int reach) {
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx) {
            const auto c = picture.raster.GetPixel({px + dx, py + dy});
            if (c && *c != platform::kWhite)
                return true;
        }
    return false;
}

// The covered share of each component's cells.
std::vector<double> Coverage(const PlaneScene& picture, const Components& parts) {
    std::vector<int> covered(static_cast<std::size_t>(parts.count)), total(static_cast<std::size_t>(parts.count));
    const double h = 10.0 / kGrid;
    for (std::size_t k = 0; k < parts.cells.size(); ++k) {
        const double x = -5 + (parts.cells[k] % kGrid + 0.5) * h, y = -5 + (parts.cells[k] / kGrid + 0.5) * h;
        const int px = static_cast<int>(std::lround((x + 5) / kUnit)), py = static_cast<int>(std::lround((5 - y) / kUnit));
        const auto c = static_cast<std::size_t>(parts.component[k]);
        ++total[c];
        covered[c] += DrawnNear(picture, px, py, 2);
    }
    std::vector<double> share;
    for (std::size_t c = 0; c < total.size(); ++c)
        share.push_back(static_cast<double>(covered[c]) / total[c]);
    return share;
}

// Drawn pixels whose centre is farther than a pixel and a half from the curve, by the
// first-order distance |F| / |grad F|.
int PixelsOffTheCurve(const PlaneScene& picture, const Curve& curve) {
    int off = 0;
    for (int py = 0; py < 500; ++py)
        for (int px = 0; px < 500; ++px) {
            if (*picture.raster.GetPixel({px, py}) == platform::kWhite)
                continue;
            const double x = -5 + px * kUnit, y = 5 - py * kUnit;
            const double grad = std::hypot(curve.fx(x, y), curve.fy(x, y));
            if (std::fabs(curve.f(x, y)) > 1.5 * kUnit * grad)
                ++off;
        }
    return off;
}

TEST(ImplicitCoverage, DrawnPixelsLieOnTheCurveAndCoverEveryComponent) {
    for (const Curve& curve : kCurves) {
        SCOPED_TRACE(curve.formula);
        const Components parts = MarchingSquares(curve);
        ASSERT_GT(parts.count, 0);
        double worst = 1, sum = 0;
        int samples = 0;
        for (int seed = 1; seed <= kSeeds; ++seed) {
            SCOPED_TRACE(::testing::Message() << "seed " << seed);
            PlaneScene picture;
            picture.random.Seed(static_cast<std::uint64_t>(seed));
            ExampleRecord& example = picture.AddImplicit(curve.formula);
            PlaneDrawContext context = picture.Context();
            DrawImplicitCounted(context, example);
            EXPECT_EQ(PixelsOffTheCurve(picture, curve), 0);
            for (const double share : Coverage(picture, parts)) {
                EXPECT_GE(share, curve.minCoverage);
                worst = std::fmin(worst, share);
                sum += share;
                ++samples;
            }
        }
        std::printf("coverage %-20s components %d  mean %.4f  worst %.4f\n", curve.formula, parts.count,
                    sum / samples, worst);
    }
}

} // namespace
} // namespace korvane
