#pragma once
// What the guessing game keeps between runs: which formula families it may draw and how
// many linear factors its polynomials and rational functions have.
#include "graph/SettingsFile.h"

#include <array>
#include <cstdint>

namespace korvane {

inline constexpr std::int32_t kGuessIdentifier = 851;
inline constexpr int kGuessFlags = 15;
inline constexpr int kMaxFactors = 8;

// Flag 0 allows the abs wrapper; flags 1..14 are the families.
enum GuessFamily : int {
    kFamilyAbs = 0,
    kFamilyPolynomial = 1,
    kFamilyRational = 2,
    kFamilyParabola = 3,
    kFamilySine = 4,
    kFamilyCosine = 5,
    kFamilyTangent = 6,
    kFamilySecant = 7,
    kFamilyCosecant = 8,
    kFamilyCotangent = 9,
    kFamilyExponential = 10,
    kFamilyLogarithm = 11,
    kFamilyMirroredLogarithm = 12,
    kFamilyAbsLogarithm = 13,
    kFamilyPower = 14,
};

struct GuessSettings {
    std::array<bool, kGuessFlags> flags{false, true};
    int lowest = 2;  // "grau inf"
    int highest = 2; // "grau sup"

    bool AnyFamily() const;
    // "Selecionar &Tudo" and "R&estaurar".
    void SelectAll();
    void Restore();
};

bool FactorCountsValid(int lowest, int highest);
// The corrections applied on reading: some family on, counts within 1 <= lowest <= highest <= 8.
void CorrectGuessSettings(GuessSettings& settings);

// The flags ride as "T"/"F" characters in byte slot A, the counts in integer slots A[12]
// and A[13] (A[2..11] are the curve colours).
void PackGuessSettings(const GuessSettings& settings, SettingsRecord& record);
GuessSettings UnpackGuessSettings(const SettingsRecord& record);

} // namespace korvane
