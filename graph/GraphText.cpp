#include "graph/GraphText.h"

#include "graph/SettingsFile.h"
#include "platform/BinaryReader.h"
#include "platform/BinaryWriter.h"
#include "platform/Cp1252.h"

#include <algorithm>
#include <cmath>

namespace korvane {

namespace {

// Far beyond any view, yet its differences and products stay finite.
constexpr long double kMaxCoordinate = 1e300L;

bool Usable(long double v) { return std::isfinite(v) && std::fabs(v) <= kMaxCoordinate; }

} // namespace

GraphTextRecord StoreGraphText(const GraphText& t) {
    std::string bytes = platform::Utf8ToCp1252(t.text);
    std::erase(bytes, '\0'); // the record ends the text at its first zero
    bytes.resize(std::min(bytes.size(), kGraphTextMaxBytes)); // one byte is one character
    BinaryWriter w;
    w.Real80(t.x);
    w.Real80(t.y);
    w.I16(static_cast<std::int16_t>(std::clamp(t.font, 0, kFontSlots - 1)));
    w.U8(t.scaled ? 1 : 0);
    w.FixedText(bytes, kGraphTextRecordSize - kGraphTextOffsetText);
    GraphTextRecord record{};
    const auto out = w.Take();
    std::copy_n(out.begin(), record.size(), record.begin());
    return record;
}

std::optional<GraphText> LoadGraphText(const GraphTextRecord& record) {
    BinaryReader r(record);
    GraphText t;
    t.x = r.Real80();
    t.y = r.Real80();
    t.font = r.I16();
    const std::uint8_t flags = r.U8();
    const auto textBegin = record.begin() + kGraphTextOffsetText;
    const auto zero = std::find(textBegin, record.end(), 0);
    if (!Usable(t.x) || !Usable(t.y) || t.font < 0 || t.font >= kFontSlots || flags > 1 || zero == textBegin ||
        zero == record.end() || std::any_of(zero, record.end(), [](std::uint8_t b) { return b != 0; }))
        return std::nullopt;
    t.scaled = flags != 0;
    t.text = platform::Cp1252ToUtf8(std::string(textBegin, zero));
    return t;
}

} // namespace korvane
