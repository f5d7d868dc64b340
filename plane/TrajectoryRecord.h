#pragma once
// One initial-value problem of a differential or recursive example, or one traced piece
// of an implicit curve: the 95 bytes that documents store, read through named accessors,
// and the four formula strings that follow the record when its kind is above 1000.
#include <array>
#include <cstdint>
#include <string>

namespace korvane {

inline constexpr int kTrajectoryRecordSize = 95;
// The most steps of a solution or terms of a sequence that one drawing makes, and that a
// record may ask for: a repaint stays within seconds.
inline constexpr long kMaxTrajectorySteps = 10000000;

namespace tro {
inline constexpr int kStartX = 0;
inline constexpr int kStartY = 10;
inline constexpr int kStartZ = 20;
inline constexpr int kKind = 30;
inline constexpr int kOpenEnd = 32;
inline constexpr int kStartT = 33;
inline constexpr int kEndT = 43; // dy/dx: the number of steps
inline constexpr int kMethod = 53; // 0 Euler, 1 modified Euler, 2 Runge-Kutta
inline constexpr int kLetter = 55;
inline constexpr int kLetterValue = 57;
inline constexpr int kStepSize = 67;
inline constexpr int kSetting77 = 77;
inline constexpr int kColour = 79;
inline constexpr int kWidth = 81;
inline constexpr int kPenAttribute = 83;
inline constexpr int kDirectionX = 85; // -1: zero; 0..7 slot; 8 and up: minus slot (value - 8)
inline constexpr int kDirectionY = 87;
inline constexpr int kDirectionZ = 89;
inline constexpr int kNextPointer = 91;
} // namespace tro

static_assert(tro::kNextPointer + 4 == kTrajectoryRecordSize);

class TrajectoryRecord {
public:
    using Bytes = std::array<std::uint8_t, kTrajectoryRecordSize>;

    // A new record: end parameter 1, everything else zero.
    TrajectoryRecord();

    std::int16_t I16(int offset) const;
    void SetI16(int offset, std::int16_t value);
    std::uint8_t Byte(int offset) const { return bytes_[static_cast<std::size_t>(offset)]; }
    void SetByte(int offset, std::uint8_t value) { bytes_[static_cast<std::size_t>(offset)] = value; }
    long double Real(int offset) const;
    void SetReal(int offset, long double value);

    std::int16_t Kind() const { return I16(tro::kKind); }
    bool HasFormulas() const { return Kind() > 1000; }

    // The next-record address is written as zero.
    Bytes Store() const;
    void Load(const std::uint8_t in[kTrajectoryRecordSize]);

    // Present in files only when the kind is above 1000.
    std::array<std::string, 4> formulas;

private:
    Bytes bytes_;
};

} // namespace korvane
