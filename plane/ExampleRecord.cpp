#include "plane/ExampleRecord.h"

#include <cstring>

#include "platform/Real80.h"

namespace korvane {

namespace {

void ZeroPointerFields(ExampleRecord::Bytes& bytes) {
    std::memset(bytes.data() + exo::kTextPointers, 0, kFormulaSlots * 4);
    std::memset(bytes.data() + exo::kAuxPointer, 0, 4);
    // The trajectory list, the trees and the further list are contiguous.
    std::memset(bytes.data() + exo::kTrajectoryPointer, 0, kExampleRecordSize - exo::kTrajectoryPointer);
}

} // namespace

std::int16_t ExampleRecord::I16(int offset) const {
    const auto at = static_cast<std::size_t>(offset);
    return static_cast<std::int16_t>(bytes_[at] | (bytes_[at + 1] << 8));
}

void ExampleRecord::SetI16(int offset, std::int16_t value) {
    const auto at = static_cast<std::size_t>(offset);
    const auto bits = static_cast<std::uint16_t>(value);
    bytes_[at] = static_cast<std::uint8_t>(bits & 0xFF);
    bytes_[at + 1] = static_cast<std::uint8_t>(bits >> 8);
}

long double ExampleRecord::Real(int offset) const { return LoadReal80(bytes_.data() + offset); }

void ExampleRecord::SetReal(int offset, long double value) {
    StoreReal80(value, bytes_.data() + offset);
}

void ExampleRecord::ReleaseOwned() {
    for (auto& t : texts)
        t.clear();
    for (auto& tree : compiled)
        tree = ExprTree();
    trajectories.clear();
    pointNotes.clear();
    aux.reset();
}

void ExampleRecord::Initialise(std::int16_t kind, std::int16_t colour) {
    ReleaseOwned();
    bytes_.fill(0);
    SetI16(exo::kKind, kind);
    SetI16(exo::kSource1, -1);
    SetI16(exo::kSource2, -1);
    SetI16(exo::kDensity, 1);
    SetI16(exo::kRadio, 1);
    SetI16(exo::kMarkLength10, 15);
    SetI16(exo::kColumns, 20);
    SetI16(exo::kPen22, 22);
    SetI16(exo::kTableSteps, 50);
    if (kind == kExplicit) {
        SetI16(exo::kWord34, 10);
        SetI16(exo::kPause, 50);
    }
    SetI16(exo::kFamilyLetter, 1);
    SetI16(exo::kFamilySteps, 20);
    SetReal(exo::kFamilyFirst, 0);
    SetReal(exo::kFamilyLast, 1);
    SetReal(exo::kMinimum, 0);
    SetReal(exo::kMinimum2, 0);
    SetReal(exo::kMaximum, 1);
    SetReal(exo::kMaximum2, 1);
    SetReal(exo::kFieldMarkWorld, 0.2L);
    SetReal(exo::kTableFirst, -5);
    SetReal(exo::kTableLast, 5);
    SetI16(exo::kGrid111, 24);
    SetI16(exo::kGrid113, 24);
    SetI16(exo::kGrid115, 24);
    SetI16(exo::kGrid117, 150);
    SetI16(exo::kGrid119, 150);
    SetFlag(exo::kShown, true);
    SetFlag(exo::kScreenLimit, true);
    SetFlag(exo::kFlag53, true);
    SetFlag(exo::kFlag54, true);
    const bool differential = kind == kSystem || kind == kSlopeField;
    SetI16(exo::kColour, differential ? 4 : colour);
    SetI16(exo::kWidth, 1);
    SetI16(exo::kPenAttribute, 0);
}

ExampleRecord ExampleRecord::CopyWithoutTrees() const {
    ExampleRecord copy;
    copy.bytes_ = bytes_;
    copy.texts = texts;
    copy.trajectories = trajectories;
    copy.pointNotes = pointNotes;
    copy.aux = aux;
    return copy;
}

ExampleRecord::Bytes ExampleRecord::Store() const {
    Bytes out = bytes_;
    if (aux) {
        for (std::size_t i = 0; i < aux->size(); ++i)
            StoreReal80((*aux)[i], out.data() + exo::kAuxFirst + 10 * i);
    }
    ZeroPointerFields(out);
    return out;
}

void ExampleRecord::Load(const std::uint8_t in[kExampleRecordSize]) {
    ReleaseOwned();
    std::memcpy(bytes_.data(), in, kExampleRecordSize);
    ZeroPointerFields(bytes_);
}

} // namespace korvane
