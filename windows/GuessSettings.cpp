#include "windows/GuessSettings.h"

namespace korvane {

namespace {

constexpr int kLowestSlot = 12;
constexpr int kHighestSlot = 13;

} // namespace

bool GuessSettings::AnyFamily() const {
    for (int i = kFamilyPolynomial; i < kGuessFlags; ++i)
        if (flags[i])
            return true;
    return false;
}

void GuessSettings::SelectAll() {
    flags.fill(true);
    lowest = 1;
    highest = kMaxFactors;
}

void GuessSettings::Restore() {
    flags.fill(false);
    flags[kFamilyParabola] = true;
    lowest = highest = 2;
}

bool FactorCountsValid(int lowest, int highest) { return lowest >= 1 && highest <= kMaxFactors && highest >= lowest; }

void CorrectGuessSettings(GuessSettings& settings) {
    if (!settings.AnyFamily())
        settings.flags[kFamilyPolynomial] = true;
    if (!FactorCountsValid(settings.lowest, settings.highest))
        settings.lowest = settings.highest = 2;
}

void PackGuessSettings(const GuessSettings& settings, SettingsRecord& record) {
    for (int i = 0; i < kGuessFlags; ++i)
        record.byteA[i] = settings.flags[i] ? 'T' : 'F';
    record.byteA[kGuessFlags] = 0;
    record.intA[kLowestSlot] = settings.lowest;
    record.intA[kHighestSlot] = settings.highest;
}

GuessSettings UnpackGuessSettings(const SettingsRecord& record) {
    GuessSettings settings;
    for (int i = 0; i < kGuessFlags; ++i)
        settings.flags[i] = record.byteA[i] == 'T';
    settings.lowest = record.intA[kLowestSlot];
    settings.highest = record.intA[kHighestSlot];
    CorrectGuessSettings(settings);
    return settings;
}

} // namespace korvane
