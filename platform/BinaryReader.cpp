#include "platform/BinaryReader.h"

#include "platform/Real80.h"

#include <algorithm>
#include <cstddef>

namespace korvane {

bool BinaryReader::Take(std::size_t count) {
    if (!ok_ || count > data_.size() - pos_) {
        ok_ = false;
        return false;
    }
    return true;
}

std::uint8_t BinaryReader::U8() {
    if (!Take(1))
        return 0;
    return data_[pos_++];
}

std::uint16_t BinaryReader::U16() {
    if (!Take(2))
        return 0;
    const auto v = static_cast<std::uint16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
    pos_ += 2;
    return v;
}

std::uint32_t BinaryReader::U32() {
    if (!Take(4))
        return 0;
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | data_[pos_ + static_cast<std::size_t>(i)];
    pos_ += 4;
    return v;
}

long double BinaryReader::Real80() {
    if (!Take(10))
        return 0.0L;
    const long double v = LoadReal80(data_.data() + pos_);
    pos_ += 10;
    return v;
}

// An empty span may have no storage at all, which memcpy must not be given.
bool BinaryReader::Bytes(std::span<std::uint8_t> out) {
    if (!Take(out.size())) {
        std::fill(out.begin(), out.end(), std::uint8_t{0});
        return false;
    }
    std::copy_n(data_.begin() + static_cast<std::ptrdiff_t>(pos_), out.size(), out.begin());
    pos_ += out.size();
    return true;
}

void BinaryReader::Skip(std::size_t count) {
    if (Take(count))
        pos_ += count;
}

std::string BinaryReader::FixedText(std::size_t width) {
    if (!Take(width))
        return {};
    const char* start = reinterpret_cast<const char*>(data_.data() + pos_);
    std::size_t n = 0;
    while (n < width && start[n] != '\0')
        ++n;
    pos_ += width;
    return std::string(start, n);
}

std::string BinaryReader::CountedString(std::size_t maxLength) {
    const std::int16_t length = I16();
    if (!ok_ || length < 0 || static_cast<std::size_t>(length) > maxLength + 1) {
        ok_ = false;
        return {};
    }
    if (length == 0)
        return {};
    std::string text = FixedText(static_cast<std::size_t>(length));
    return text;
}

} // namespace korvane
