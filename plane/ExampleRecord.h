#pragma once
// One equation of a graph window ("exemplo"). The fixed part is kept as the 547 bytes
// that documents store, read and written through named accessors at their offsets, so
// that bytes this program does not interpret survive a round trip unchanged. What the
// record owns (texts, trees, lists) lives beside the bytes; the pointer fields inside the
// bytes are always zero.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "expr/ExprTree.h"
#include "plane/TrajectoryRecord.h"

namespace korvane {

inline constexpr int kExampleRecordSize = 547;
inline constexpr int kFormulaSlots = 7;
inline constexpr int kCompiledSlots = 7;
inline constexpr int kMaxFormulaLength = 255;
inline constexpr int kPointNoteSize = 78;
inline constexpr int kMaxFamilySteps = 1000; // the largest |steps| of a family

enum ExampleKind : std::int16_t {
    kExplicit = 201,
    kPolar = 202,
    kParametric = 203,
    kImplicit = 204,
    kSegment = 205,
    kIndefiniteIntegral = 206,
    kCycloid = 207,
    kLine = 208,
    kPoint = 209,
    kSystem = 210,    // dx/dt, dy/dt
    kSlopeField = 211, // dy/dx
    kRecursive = 212,
    kPointList = 215,
    kMapComplex = 401, // the mapper's z -> F(z)
    kMapPlane = 402,   // the mapper's (x, y) -> (U, V)
};

// Byte offsets of the fields.
namespace exo {
inline constexpr int kKind = 0;
inline constexpr int kDerivation = 2;
inline constexpr int kSource1 = 4;
inline constexpr int kSource2 = 6;
inline constexpr int kDensity = 12;
inline constexpr int kColumns = 14;
inline constexpr int kRadio = 16;
inline constexpr int kMarkLength10 = 18;
inline constexpr int kPen20 = 20;
inline constexpr int kPen22 = 22;
inline constexpr int kPen24 = 24; // field colour of 210/211; letter of an explicit example with byte 60
inline constexpr int kPause = 28;
inline constexpr int kArrowSize = 30; // pixels minus 10
inline constexpr int kParameterLetter = 32;
inline constexpr int kWord34 = 34;
inline constexpr int kListCount = 36; // kind 215: entries of the list
inline constexpr int kFamilyLetter = 40;
inline constexpr int kFamilySteps = 42;
inline constexpr int kTableSteps = 44;
inline constexpr int kWebSteps = 44;    // a cobweb's number of steps (it has no table of values)
inline constexpr int kIsFamily = 46;
inline constexpr int kLockInterval = 47;
inline constexpr int kShown = 48;
inline constexpr int kShowEquation = 49; // the inventory's "mostrar equa"
inline constexpr int kFlag50 = 50; // polar: r > 0 only; system: restriction active
inline constexpr int kFlag51 = 51; // check box 272
inline constexpr int kScreenLimit = 52;
inline constexpr int kFlag53 = 53; // inverse of check box 276
inline constexpr int kFlag54 = 54;
inline constexpr int kFlag55 = 55; // implicit "busca longa"; polynomial points; cycloid radio; line visible
inline constexpr int kFlag56 = 56; // implicit: search pending
inline constexpr int kFlag57 = 57; // explicit periodic; implicit "olhar"
inline constexpr int kFlag58 = 58; // parametric arrow; point: inverse of 274; implicit: loaded
inline constexpr int kFlag59 = 59; // explicit polynomial; segment "pontos"; point 275
inline constexpr int kFlag60 = 60; // parametric "polar"; point 276; line non-vertical
inline constexpr int kFieldMarkWorld = 61;
inline constexpr int kFamilyFirst = 71;
inline constexpr int kFamilyLast = 81;
inline constexpr int kTableFirst = 91;
inline constexpr int kTableLast = 101;
inline constexpr int kGrid111 = 111;
inline constexpr int kGrid113 = 113;
inline constexpr int kGrid115 = 115;
inline constexpr int kGrid117 = 117;
inline constexpr int kGrid119 = 119;
inline constexpr int kMinimum = 121;
inline constexpr int kMinimum2 = 131;
inline constexpr int kMaximum = 141;
inline constexpr int kMaximum2 = 151;
inline constexpr int kCycloidStart = 281; // also the indefinite integral's x0
inline constexpr int kWebStart = 281;     // a cobweb's x0
inline constexpr int kCycloidRadius = 291;
inline constexpr int kCycloidArm = 301;
inline constexpr int kCycloidInverseRadius = 311;
inline constexpr int kCycloidArmRatio = 321;
inline constexpr int kCycloidZero = 331;
inline constexpr int kPeriodStart = 341;
inline constexpr int kPeriodLength = 351;
inline constexpr int kArrowPosition = 371;
inline constexpr int kArrowWorld = 381;
inline constexpr int kStepTolerance = 401;
inline constexpr int kColour = 461;
inline constexpr int kWidth = 463;
inline constexpr int kPenAttribute = 465;
inline constexpr int kTextPointers = 467;
inline constexpr int kAuxPointer = 495;
inline constexpr int kTrajectoryPointer = 511;
inline constexpr int kTreePointers = 515;
inline constexpr int kFurtherPointer = 543;
inline constexpr int kAuxFirst = 281; // the auxiliary block is copied here before saving
} // namespace exo

static_assert(exo::kTextPointers + kFormulaSlots * 4 == exo::kAuxPointer);
static_assert(exo::kTreePointers + kCompiledSlots * 4 == exo::kFurtherPointer);
static_assert(exo::kFurtherPointer + 4 == kExampleRecordSize);

class ExampleRecord {
public:
    using Bytes = std::array<std::uint8_t, kExampleRecordSize>;

    ExampleRecord() { bytes_.fill(0); }
    ExampleRecord(ExampleRecord&&) noexcept = default;
    ExampleRecord& operator=(ExampleRecord&&) noexcept = default;
    ExampleRecord(const ExampleRecord&) = delete;
    ExampleRecord& operator=(const ExampleRecord&) = delete;

    // The kind's defaults with the caller's colour; releases everything owned.
    void Initialise(std::int16_t kind, std::int16_t colour);
    // Everything except the compiled trees, which the copy must compile for itself.
    ExampleRecord CopyWithoutTrees() const;
    // Releases texts, trees and lists; the bytes stay.
    void ReleaseOwned();

    // Raw access at an offset.
    std::int16_t I16(int offset) const;
    void SetI16(int offset, std::int16_t value);
    std::uint8_t Byte(int offset) const { return bytes_[static_cast<std::size_t>(offset)]; }
    void SetByte(int offset, std::uint8_t value) { bytes_[static_cast<std::size_t>(offset)] = value; }
    bool Flag(int offset) const { return Byte(offset) != 0; }
    void SetFlag(int offset, bool on) { SetByte(offset, on ? 1 : 0); }
    long double Real(int offset) const;
    void SetReal(int offset, long double value);

    // Named fields used everywhere.
    std::int16_t Kind() const { return I16(exo::kKind); }
    std::int16_t Derivation() const { return I16(exo::kDerivation); }
    bool IsDerived() const { return Derivation() > 0; }
    std::int16_t Density() const { return I16(exo::kDensity); }
    std::int16_t Colour() const { return I16(exo::kColour); }
    std::int16_t Width() const { return I16(exo::kWidth); }
    std::int16_t PenAttribute() const { return I16(exo::kPenAttribute); }
    bool Shown() const { return Flag(exo::kShown); }
    void SetShown(bool on) { SetFlag(exo::kShown, on); }
    bool IsFamily() const { return Flag(exo::kIsFamily); }
    bool LockedInterval() const { return Flag(exo::kLockInterval); }
    long double Minimum() const { return Real(exo::kMinimum); }
    long double Maximum() const { return Real(exo::kMaximum); }
    long double StepTolerance() const { return Real(exo::kStepTolerance); }

    // The stored bytes, with the pointer fields zero. `Store` first copies an auxiliary
    // block into bytes 281..440 as the document format wants.
    Bytes Store() const;
    // Takes the bytes as they are (pointer fields are ignored and zeroed); owned data is
    // released and must be read separately.
    void Load(const std::uint8_t in[kExampleRecordSize]);
    const Bytes& RawBytes() const { return bytes_; }

    // Owned data.
    std::array<std::string, kFormulaSlots> texts; // at most 255 characters each; slot 4: description
    std::array<ExprTree, kCompiledSlots> compiled; // slots 4..6: derivatives
    std::vector<TrajectoryRecord> trajectories;    // initial-value problems, implicit pieces
    std::vector<std::array<std::uint8_t, kPointNoteSize>> pointNotes;
    std::optional<std::array<long double, 16>> aux; // eight pairs of reals

    ExprNode* Tree(int slot) const { return compiled[static_cast<std::size_t>(slot)].root; }

private:
    Bytes bytes_;
};

} // namespace korvane
