#pragma once
// The binary settings file that every graph window kind keeps in the configuration
// directory: header, fonts, colour slots and generic integer, real and byte slots.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace korvane {

inline constexpr int kFontSlots = 10;
inline constexpr int kColourSlots = 15;
inline constexpr int kSlotCount = 21;
inline constexpr int kLogFontSize = 60;
inline constexpr int kPathSize = 256;
inline constexpr int kBadSettingsFile = 21; // "arquivo ini ruim"

// The platform's 60-byte logical-font record, kept as bytes with accessors.
struct LogFont {
    std::array<std::uint8_t, kLogFontSize> bytes{};

    std::int32_t Height() const { return Int(0); }
    void SetHeight(std::int32_t v) { SetInt(0, v); }
    std::int32_t Weight() const { return Int(16); }
    void SetWeight(std::int32_t v) { SetInt(16, v); }
    bool Italic() const { return bytes[20] != 0; }
    void SetItalic(bool on) { bytes[20] = on ? 1 : 0; }
    std::string FaceName() const;
    void SetFaceName(const std::string& name);

private:
    std::int32_t Int(int at) const;
    void SetInt(int at, std::int32_t v);
};

struct FontSlot {
    LogFont font;
    std::int32_t pointSize = 10;
    std::uint32_t colour = 0; // red, green, blue, 0
};

// Height of a font record for a point size at a vertical resolution, rounded as a
// multiply-divide does (half away from zero).
std::int32_t FontHeightFor(std::int32_t pointSize, int dotsPerInch);

struct SettingsRecord {
    std::int32_t identifier = 0;
    std::int32_t format = 1;
    std::int32_t x = 0, y = 0, width = 0, height = 0;
    bool maximized = false;
    bool headerFlag = true;
    long double printValues[4] = {-1 / 2.54L, 0, 0, 0};
    bool printFlags[2] = {false, false};
    std::array<FontSlot, kFontSlots> fonts{};
    std::array<std::int16_t, kColourSlots> colourSlots{};
    std::vector<std::uint8_t> colourTableBytes; // red, green, blue arrays of equal length
    std::array<std::int32_t, kSlotCount> intA{}, intB{}, intC{};
    std::array<long double, kSlotCount> realA{}, realB{}, realC{};
    std::array<std::uint8_t, kSlotCount> byteA{}, byteB{}, byteC{};
    std::string lastPath; // bytes as stored (code page 1252)
};

// The header keeps the print values in hundredths of an inch, so one centimetre per unit
// would come back as 0.99 cm: real slots A[0..3] carry them exactly beside it, and are
// taken only where they agree with the header. No window kind uses those four slots.
inline constexpr int kExactPrintSlot = 0;
// Print values beyond this many inches are damage, not a choice.
inline constexpr long double kMostPrintInches = 1000;
// Brings print values read from a file within what the print-settings dialog accepts:
// the unit (inches per world unit) as the default, the width as unused, offsets as 0.
void BoundPrintValues(long double (&values)[4]);

// Bytes of the file; the colour-table block is always written empty.
std::vector<std::uint8_t> WriteSettings(const SettingsRecord& record);
// 0, or kBadSettingsFile for a wrong identifier, a format below 1 or a damaged file.
int ReadSettings(std::span<const std::uint8_t> bytes, std::int32_t identifier, SettingsRecord& out);

} // namespace korvane
