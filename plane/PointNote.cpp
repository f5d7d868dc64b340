#include "plane/PointNote.h"

#include "plane/MappedPath.h"
#include "platform/Cp1252.h"
#include "platform/Real80.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace korvane {

namespace {

constexpr int kTypeAt = 0;
constexpr int kValuesAt = 2;
constexpr int kLabelAt = 42;
constexpr int kCountAt = 72;
static_assert(kValuesAt + kNoteValues * 10 == kLabelAt);
static_assert(kLabelAt + kNoteLabelBytes == kCountAt);
static_assert(kCountAt + 2 + 4 == kPointNoteSize);

constexpr long double kSameNote = 1e-13L;
constexpr int kMarkRadius = 3;
constexpr int kTickHalf = 5;

std::int16_t LoadI16(const std::uint8_t* at) {
    return static_cast<std::int16_t>(at[0] | (at[1] << 8));
}
void StoreI16(std::int16_t value, std::uint8_t* at) {
    const auto bits = static_cast<std::uint16_t>(value);
    at[0] = static_cast<std::uint8_t>(bits & 0xFF);
    at[1] = static_cast<std::uint8_t>(bits >> 8);
}

bool IsMeasure(std::int16_t type) {
    return type >= note::kIntegral;
}

std::string Trimmed(std::string text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

std::string Number(const NumberFormat& format, long double value) {
    return Trimmed(format.Format(value));
}

// What the graph shows beside the mark: the coordinates, or the measured value.
std::string ShortLabel(const PointNote& n, const NumberFormat& format) {
    if (n.type == note::kZero)
        return "x = " + Number(format, n.values[0]);
    if (IsMeasure(n.type)) {
        static constexpr const char* kSymbols[] = {"L = ", "A = ", "V = ", "S = "};
        const bool integral = n.type == note::kIntegral || n.type == note::kIntegralOfTwo;
        const int measure = n.type - note::kArcLength;
        const char* symbol = integral                      ? "\u222B = "
                             : measure >= 0 && measure < 4 ? kSymbols[measure]
                                                           : "";
        return symbol + Number(format, n.values[2]);
    }
    return "(" + Number(format, n.values[0]) + " , " + Number(format, n.values[1]) + ")";
}

struct NotePlace {
    long double x = 0, y = 0;
    bool interval = false; // a measure over [a, b]: ticks at both ends on the x axis
};

bool PlaceOf(const PointNote& n, std::int16_t exampleKind, NotePlace& place) {
    if (n.type == note::kZero) {
        place = {n.values[0], 0, false};
        return true;
    }
    if (n.type == note::kExtremum || n.type == note::kIntersection || n.type == note::kCursor) {
        place = {n.values[0], n.values[1], false};
        return n.count >= 2;
    }
    // An interval of x only means something on the x axis for explicit examples.
    if (IsMeasure(n.type) && exampleKind == kExplicit) {
        place = {n.values[0], n.values[1], true};
        return n.count >= 2;
    }
    return false;
}

bool Finite(long double v) {
    return std::isfinite(v) && std::fabs(v) < 1e18L;
}

// Under a point map the ticks of an interval are the images of the domain's ticks and
// the marks sit at the images of their points.
void DrawOneMapped(PlaneDrawContext& c, const PointNote& n, const NotePlace& p, const NumberFormat& format) {
    const View& source = c.SourceView();
    platform::Surface& s = c.surface;
    const std::string text = ShortLabel(n, format);
    if (p.interval) {
        const long double half = kTickHalf * source.unitY;
        MappedPath ticks(c);
        for (long double x : {p.x, p.y}) {
            ticks.Segment(x, -half, x, half);
            ticks.Lift();
        }
        platform::Point mid;
        if (MappedPath::ImagePixel(c, (p.x + p.y) / 2, 0, mid)) {
            s.SetTextAlign(platform::AlignCenter | platform::AlignTop);
            s.TextOut({mid.x, mid.y + kTickHalf + 2}, text);
        }
        return;
    }
    platform::Point at;
    if (!MappedPath::ImagePixel(c, p.x, p.y, at))
        return;
    s.Ellipse({at.x - kMarkRadius, at.y - kMarkRadius, at.x + kMarkRadius + 1, at.y + kMarkRadius + 1});
    s.SetTextAlign(platform::AlignLeft | platform::AlignBottom);
    s.TextOut({at.x + kMarkRadius + 2, at.y - kMarkRadius}, text);
}

void DrawOne(PlaneDrawContext& c, const PointNote& n, const NotePlace& p,
             const NumberFormat& format) {
    const View& v = c.view;
    platform::Surface& s = c.surface;
    if (!Finite(p.x) || !Finite(p.y))
        return;
    if (c.Mapped()) {
        DrawOneMapped(c, n, p, format);
        return;
    }
    const std::string text = ShortLabel(n, format);
    if (p.interval) {
        if (!(v.ymin <= 0 && v.ymax >= 0))
            return;
        const int y = v.ToPixelYInt(0);
        for (long double x : {p.x, p.y}) {
            if (x < v.xmin || x > v.xmax)
                continue;
            const int px = v.ToPixelXInt(x);
            s.Line({px, y - kTickHalf}, {px, y + kTickHalf + 1});
        }
        const long double mid = std::clamp((p.x + p.y) / 2, v.xmin, v.xmax);
        s.SetTextAlign(platform::AlignCenter | platform::AlignTop);
        s.TextOut({v.ToPixelXInt(mid), y + kTickHalf + 2}, text);
        return;
    }
    if (!v.Inside(p.x, p.y))
        return;
    const int px = v.ToPixelXInt(p.x), py = v.ToPixelYInt(p.y);
    s.Ellipse({px - kMarkRadius, py - kMarkRadius, px + kMarkRadius + 1, py + kMarkRadius + 1});
    s.SetTextAlign(platform::AlignLeft | platform::AlignBottom);
    s.TextOut({px + kMarkRadius + 2, py - kMarkRadius}, text);
}

} // namespace

std::array<std::uint8_t, kPointNoteSize> PointNote::Pack() const {
    std::array<std::uint8_t, kPointNoteSize> out{};
    StoreI16(type, out.data() + kTypeAt);
    for (int i = 0; i < kNoteValues; ++i)
        StoreReal80(values[static_cast<std::size_t>(i)], out.data() + kValuesAt + 10 * i);
    const std::string bytes = platform::Utf8ToCp1252(label).substr(0, kNoteLabelBytes - 1);
    std::memcpy(out.data() + kLabelAt, bytes.data(), bytes.size());
    StoreI16(count, out.data() + kCountAt);
    return out;
}

PointNote PointNote::Unpack(const std::array<std::uint8_t, kPointNoteSize>& in) {
    PointNote n;
    n.type = LoadI16(in.data() + kTypeAt);
    for (int i = 0; i < kNoteValues; ++i)
        n.values[static_cast<std::size_t>(i)] = LoadReal80(in.data() + kValuesAt + 10 * i);
    const char* label = reinterpret_cast<const char*>(in.data() + kLabelAt);
    n.label = platform::Cp1252ToUtf8(std::string_view(label, strnlen(label, kNoteLabelBytes)));
    n.count = std::clamp<std::int16_t>(LoadI16(in.data() + kCountAt), 1, kNoteValues);
    return n;
}

bool AddPointNote(ExampleRecord& example, const PointNote& added) {
    const int count = std::clamp<int>(added.count, 1, kNoteValues);
    for (const auto& bytes : example.pointNotes) {
        const PointNote old = PointNote::Unpack(bytes);
        if (old.type != added.type)
            continue;
        bool same = true;
        for (int i = 0; i < count && same; ++i)
            same = std::fabs(old.values[static_cast<std::size_t>(i)] -
                             added.values[static_cast<std::size_t>(i)]) <= kSameNote;
        if (same)
            return false;
    }
    example.pointNotes.insert(example.pointNotes.begin(), added.Pack());
    return true;
}

void DrawPointNotes(PlaneDrawContext& context, const platform::FontSpec& font,
                    const NumberFormat& format) {
    platform::Surface& s = context.surface;
    s.SetFont(font);
    s.SetBackgroundMode(platform::BackgroundMode::Transparent);
    for (int i = 0; i <= context.examples.LastExample(); ++i) {
        const ExampleRecord& example = context.examples[i];
        if (!example.Shown() || example.pointNotes.empty())
            continue;
        const platform::Rgb colour = context.PenColour(example.Colour());
        s.SetPen({colour, 1, platform::PenStyle::Solid});
        s.SetBrush({colour, platform::BrushStyle::Solid});
        s.SetTextColour(colour);
        for (const auto& bytes : example.pointNotes) {
            const PointNote n = PointNote::Unpack(bytes);
            NotePlace place;
            if (PlaceOf(n, example.Kind(), place))
                DrawOne(context, n, place, format);
        }
    }
}

} // namespace korvane
