#include "plane/TrajectoryRecord.h"

#include <cstring>

#include "platform/Real80.h"

namespace korvane {

TrajectoryRecord::TrajectoryRecord() {
    bytes_.fill(0);
    SetReal(tro::kEndT, 1);
}

std::int16_t TrajectoryRecord::I16(int offset) const {
    const auto at = static_cast<std::size_t>(offset);
    return static_cast<std::int16_t>(bytes_[at] | (bytes_[at + 1] << 8));
}

void TrajectoryRecord::SetI16(int offset, std::int16_t value) {
    const auto at = static_cast<std::size_t>(offset);
    const auto bits = static_cast<std::uint16_t>(value);
    bytes_[at] = static_cast<std::uint8_t>(bits & 0xFF);
    bytes_[at + 1] = static_cast<std::uint8_t>(bits >> 8);
}

long double TrajectoryRecord::Real(int offset) const {
    return LoadReal80(bytes_.data() + offset);
}

void TrajectoryRecord::SetReal(int offset, long double value) {
    StoreReal80(value, bytes_.data() + offset);
}

TrajectoryRecord::Bytes TrajectoryRecord::Store() const {
    Bytes out = bytes_;
    std::memset(out.data() + tro::kNextPointer, 0, 4);
    return out;
}

void TrajectoryRecord::Load(const std::uint8_t in[kTrajectoryRecordSize]) {
    std::memcpy(bytes_.data(), in, kTrajectoryRecordSize);
    std::memset(bytes_.data() + tro::kNextPointer, 0, 4);
    for (auto& f : formulas)
        f.clear();
}

} // namespace korvane
