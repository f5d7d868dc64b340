#pragma once
// Little-endian field-by-field writer for the program's binary files.
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace korvane {

class BinaryWriter {
public:
    void U8(std::uint8_t v) { bytes_.push_back(v); }
    void I16(std::int16_t v) { U16(static_cast<std::uint16_t>(v)); }
    void U16(std::uint16_t v);
    void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
    void U32(std::uint32_t v);
    void Real80(long double v);
    void Bytes(std::span<const std::uint8_t> data);
    void Zeros(std::size_t count);
    // Exactly `width` bytes: the text, cut or padded with zeros.
    void FixedText(std::string_view text, std::size_t width);
    // The document string: int16 length counting the terminating zero, then the bytes and the zero.
    void CountedString(std::string_view text);

    std::size_t Size() const { return bytes_.size(); }
    const std::vector<std::uint8_t>& Data() const { return bytes_; }
    std::vector<std::uint8_t> Take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

} // namespace korvane
