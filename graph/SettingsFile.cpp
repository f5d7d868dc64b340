#include "graph/SettingsFile.h"

#include "platform/BinaryReader.h"
#include "platform/BinaryWriter.h"

#include <cmath>
#include <cstring>

namespace korvane {

std::int32_t LogFont::Int(int at) const {
    return static_cast<std::int32_t>(bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) |
                                     (static_cast<std::uint32_t>(bytes[at + 3]) << 24));
}

void LogFont::SetInt(int at, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(u >> (8 * i));
}

std::string LogFont::FaceName() const {
    std::string name;
    for (int i = 28; i < kLogFontSize && bytes[i]; ++i)
        name += static_cast<char>(bytes[i]);
    return name;
}

void LogFont::SetFaceName(const std::string& name) {
    for (int i = 28; i < kLogFontSize; ++i)
        bytes[i] = 0;
    for (std::size_t i = 0; i < name.size() && i < 31; ++i)
        bytes[28 + i] = static_cast<std::uint8_t>(name[i]);
}

std::int32_t FontHeightFor(std::int32_t pointSize, int dotsPerInch) {
    const long long product = static_cast<long long>(pointSize) * dotsPerInch;
    const long long half = product >= 0 ? 36 : -36;
    return static_cast<std::int32_t>(-((product + half) / 72));
}

namespace {

constexpr std::int32_t kReservedPlacement = 68;

std::int32_t Hundredths(long double v) { return static_cast<std::int32_t>(std::lround(v * 100)); }

void WriteHeader(BinaryWriter& w, const SettingsRecord& r) {
    w.I32(r.identifier);
    w.I32(r.format);
    w.I32(r.x);
    w.I32(r.y);
    w.I32(r.width);
    w.I32(r.height);
    w.I32(r.maximized ? 1 : 0);
    w.I32(r.headerFlag ? 1 : 0);
    w.I32(0); // n_rgb
    for (long double v : r.printValues)
        w.I32(Hundredths(v));
    w.I32(r.printFlags[0] ? 1 : 0);
    w.I32(r.printFlags[1] ? 1 : 0);
    w.I32(kFontSlots);
    w.I32(kColourSlots);
    w.Zeros(12);
}

template <class Array> void WriteInts(BinaryWriter& w, const Array& a) {
    for (auto v : a)
        w.I32(v);
}
template <class Array> void WriteReals(BinaryWriter& w, const Array& a) {
    for (auto v : a)
        w.Real80(v);
}
template <class Array> void WriteBytes(BinaryWriter& w, const Array& a) {
    for (auto v : a)
        w.U8(v);
}

} // namespace

void BoundPrintValues(long double (&v)[4]) {
    const long double unit = std::fabs(v[0]);
    if (!(unit >= 1e-18L && unit <= kMostPrintInches))
        v[0] = -1 / 2.54L;
    if (!(std::fabs(v[1]) <= kMostPrintInches))
        v[1] = 0;
    for (int i = 2; i < 4; ++i)
        if (!(v[i] >= 0 && v[i] <= kMostPrintInches))
            v[i] = 0;
}

std::vector<std::uint8_t> WriteSettings(const SettingsRecord& record) {
    SettingsRecord r = record;
    for (int i = 0; i < 4; ++i)
        r.realA[kExactPrintSlot + i] = r.printValues[i];
    BinaryWriter w;
    WriteHeader(w, r);
    for (const FontSlot& f : r.fonts)
        w.I32(f.pointSize);
    for (const FontSlot& f : r.fonts)
        w.Bytes(f.font.bytes);
    for (const FontSlot& f : r.fonts)
        w.U32(f.colour);
    w.Zeros(kReservedPlacement);
    for (std::int16_t c : r.colourSlots)
        w.I16(c);
    WriteInts(w, r.intA);
    WriteInts(w, r.intB);
    WriteInts(w, r.intC);
    WriteReals(w, r.realA);
    WriteReals(w, r.realB);
    WriteReals(w, r.realC);
    WriteBytes(w, r.byteA);
    WriteBytes(w, r.byteB);
    WriteBytes(w, r.byteC);
    w.FixedText(r.lastPath.substr(0, kPathSize - 1), kPathSize);
    return w.Take();
}

namespace {

struct Counts {
    std::int32_t rgb = 0, fonts = 0, slots = 0;
    std::int32_t print[4] = {}; // hundredths, as stored
};

bool ReadHeader(BinaryReader& rd, std::int32_t identifier, SettingsRecord& r, Counts& n) {
    r.identifier = rd.I32();
    r.format = rd.I32();
    if (!rd.Ok() || r.identifier != identifier || r.format < 1)
        return false;
    r.x = rd.I32();
    r.y = rd.I32();
    r.width = rd.I32();
    r.height = rd.I32();
    r.maximized = rd.I32() != 0;
    r.headerFlag = rd.I32() != 0;
    n.rgb = rd.I32();
    for (std::int32_t& p : n.print)
        p = rd.I32();
    r.printValues[0] = n.print[0] == 0 ? -1 / 2.54L : n.print[0] / 100.0L;
    for (int i = 1; i < 4; ++i)
        r.printValues[i] = n.print[i] / 100.0L;
    r.printFlags[0] = rd.I32() != 0;
    r.printFlags[1] = rd.I32() != 0;
    n.fonts = rd.I32();
    n.slots = rd.I32();
    rd.Skip(12);
    // Counts beyond what a window holds mean a damaged file, not more data.
    return rd.Ok() && n.rgb >= 0 && n.rgb <= 256 && n.fonts >= 0 && n.fonts <= kFontSlots &&
           n.slots >= 0 && n.slots <= kColourSlots;
}

template <class Array> void ReadInts(BinaryReader& rd, Array& a) {
    for (auto& v : a)
        v = rd.I32();
}
template <class Array> void ReadReals(BinaryReader& rd, Array& a) {
    for (auto& v : a)
        v = rd.Real80();
}
template <class Array> void ReadBytes(BinaryReader& rd, Array& a) {
    for (auto& v : a)
        v = rd.U8();
}

void ReadBlocks(BinaryReader& rd, SettingsRecord& r, const Counts& n) {
    for (int i = 0; i < n.fonts; ++i)
        r.fonts[i].pointSize = rd.I32();
    for (int i = 0; i < n.fonts; ++i)
        rd.Bytes(r.fonts[i].font.bytes);
    for (int i = 0; i < n.fonts; ++i)
        r.fonts[i].colour = rd.U32();
    rd.Skip(kReservedPlacement);
    for (int i = 0; i < n.slots; ++i)
        r.colourSlots[i] = rd.I16();
    r.colourTableBytes.assign(static_cast<std::size_t>(3 * n.rgb), 0);
    if (n.rgb > 0)
        rd.Bytes(r.colourTableBytes);
    ReadInts(rd, r.intA);
    ReadInts(rd, r.intB);
    ReadInts(rd, r.intC);
    ReadReals(rd, r.realA);
    ReadReals(rd, r.realB);
    ReadReals(rd, r.realC);
    ReadBytes(rd, r.byteA);
    ReadBytes(rd, r.byteB);
    ReadBytes(rd, r.byteC);
    r.lastPath = rd.FixedText(kPathSize);
}

// The exact values stand only beside the header's own; another writer's slots do not.
void TakeExactPrintValues(SettingsRecord& r, const Counts& n) {
    for (int i = 0; i < 4; ++i) {
        const long double exact = r.realA[kExactPrintSlot + i];
        if (n.print[i] != 0 && std::isfinite(exact) && std::fabs(exact) < 1e7L && Hundredths(exact) == n.print[i])
            r.printValues[i] = exact;
    }
    BoundPrintValues(r.printValues);
}

} // namespace

int ReadSettings(std::span<const std::uint8_t> bytes, std::int32_t identifier, SettingsRecord& out) {
    BinaryReader rd(bytes);
    SettingsRecord r = out;
    Counts n;
    if (!ReadHeader(rd, identifier, r, n))
        return kBadSettingsFile;
    ReadBlocks(rd, r, n);
    // A cut file is as bad as a wrong one: nothing of it is taken.
    if (!rd.Ok())
        return kBadSettingsFile;
    TakeExactPrintValues(r, n);
    out = std::move(r);
    return 0;
}

} // namespace korvane
