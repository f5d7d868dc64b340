#pragma once
// Bounds-checked little-endian reader. Reading past the end sets a sticky failure and
// yields zeros, so a reader reads its whole layout and checks Ok() once at the end.
#include <cstdint>
#include <span>
#include <string>

namespace korvane {

class BinaryReader {
public:
    explicit BinaryReader(std::span<const std::uint8_t> data) : data_(data) {}

    std::uint8_t U8();
    std::int16_t I16() { return static_cast<std::int16_t>(U16()); }
    std::uint16_t U16();
    std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
    std::uint32_t U32();
    long double Real80();
    bool Bytes(std::span<std::uint8_t> out);
    void Skip(std::size_t count);
    // `width` bytes, the text up to the first zero.
    std::string FixedText(std::size_t width);
    // int16 length counting the zero, then the bytes; a negative or overlong length fails.
    std::string CountedString(std::size_t maxLength = 65535);

    bool Ok() const { return ok_; }
    void Fail() { ok_ = false; }
    std::size_t Position() const { return pos_; }
    std::size_t Remaining() const { return ok_ ? data_.size() - pos_ : 0; }
    bool AtEnd() const { return pos_ >= data_.size(); }

private:
    bool Take(std::size_t count);

    std::span<const std::uint8_t> data_;
    std::size_t pos_ = 0;
    bool ok_ = true;
};

} // namespace korvane
