#include "platform/BinaryWriter.h"

#include "platform/Real80.h"

namespace korvane {

void BinaryWriter::U16(std::uint16_t v) {
    bytes_.push_back(static_cast<std::uint8_t>(v & 0xFF));
    bytes_.push_back(static_cast<std::uint8_t>(v >> 8));
}

void BinaryWriter::U32(std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8)
        bytes_.push_back(static_cast<std::uint8_t>((v >> shift) & 0xFF));
}

void BinaryWriter::Real80(long double v) {
    std::uint8_t raw[10];
    StoreReal80(v, raw);
    bytes_.insert(bytes_.end(), raw, raw + 10);
}

void BinaryWriter::Bytes(std::span<const std::uint8_t> data) {
    bytes_.insert(bytes_.end(), data.begin(), data.end());
}

void BinaryWriter::Zeros(std::size_t count) { bytes_.insert(bytes_.end(), count, 0); }

void BinaryWriter::FixedText(std::string_view text, std::size_t width) {
    const std::size_t n = text.size() < width ? text.size() : width;
    for (std::size_t i = 0; i < n; ++i)
        bytes_.push_back(static_cast<std::uint8_t>(text[i]));
    Zeros(width - n);
}

void BinaryWriter::CountedString(std::string_view text) {
    I16(static_cast<std::int16_t>(text.size() + 1));
    for (char c : text)
        bytes_.push_back(static_cast<std::uint8_t>(c));
    bytes_.push_back(0);
}

} // namespace korvane
