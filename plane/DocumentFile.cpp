#include "plane/DocumentFile.h"

#include <algorithm>
#include <cmath>

#include "graph/View.h"
#include "plane/Cobweb.h"
#include "plane/PointKinds.h"
#include "platform/BinaryReader.h"
#include "platform/BinaryWriter.h"

namespace korvane {

namespace {

constexpr int kHeaderReservedBlocks = 4;
constexpr int kBodyReservedBlocks = 3;
constexpr std::size_t kColourTableSize = 25;

// ---- writing -------------------------------------------------------------------

// The document string: the bytes as they are, then the terminating zero.
void WriteString(BinaryWriter& w, const std::string& text) { w.CountedString(text); }

// A text of a field the reader holds to `size` characters: nothing longer goes out.
void WriteText(BinaryWriter& w, const std::string& text, std::size_t size) {
    w.CountedString(std::string_view(text).substr(0, size));
}

void WriteHeader(BinaryWriter& w, const DocumentState& s) {
    w.I32(s.tag);
    w.I32(kDocumentVersion);
    w.I32(s.x);
    w.I32(s.y);
    w.I32(s.width);
    w.I32(s.height);
    w.I32(s.maximized ? 1 : 0);
    w.I32(s.displayToggle);
    w.I32(0); // no colour tables
    for (long double factor : s.scaleFactors)
        w.I32(RoundToInt(100 * factor));
    for (std::int32_t flag : s.windowFlags)
        w.I32(flag);
    w.I32(static_cast<std::int32_t>(s.fonts.size()));
    w.I32(static_cast<std::int32_t>(s.headerSettings.size()));
    w.Zeros(3 * 4);
    for (const FontSlot& f : s.fonts)
        w.I32(f.pointSize);
    for (const FontSlot& f : s.fonts)
        w.Bytes(f.font.bytes);
    for (const FontSlot& f : s.fonts)
        w.U32(f.colour);
    w.Zeros(kHeaderReservedBlocks * kReservedBlockSize);
    for (std::int16_t v : s.headerSettings)
        w.I16(v);
}

bool WordWrittenZero(int i) {
    return i == 2 || i == 3 || i == 15 || (i >= 29 && i <= 34) || i == 36 || i == 37 || i >= 43;
}

bool RealWrittenZero(int i) { return i == 10 || (i >= 29 && i <= 32) || i == 40 || i >= 44; }

void WriteSettingBlocks(BinaryWriter& w, const DocumentState& s) {
    for (int i = 0; i < kDocumentWords; ++i) {
        std::int16_t v = WordWrittenZero(i) ? 0 : s.words[static_cast<std::size_t>(i)];
        if (i == docw::kLastExample)
            v = s.examples.LastExample();
        else if (i == docw::kNameLength)
            v = kExampleNameLength;
        else if (i == docw::kPassword) // the protection bits; never 0 with a block
            v = !s.password ? 0 : v != 0 ? v : 1;
        w.I16(v);
    }
    for (int i = 0; i < kDocumentFlags; ++i) {
        std::uint8_t v = s.flags[static_cast<std::size_t>(i)];
        if (i >= docf::kFirstAlwaysSet)
            v = 1;
        else if (i == docf::kNoNotebook)
            v = s.notebook ? 0 : 1;
        w.U8(v);
    }
    for (int i = 0; i < kDocumentReals; ++i)
        w.Real80(RealWrittenZero(i) ? 0.0L : s.reals[static_cast<std::size_t>(i)]);
}

void WriteExample(BinaryWriter& w, const ExampleRecord& e, const std::string& name) {
    w.Bytes(e.Store());
    w.I16(static_cast<std::int16_t>(e.trajectories.size()));
    for (const TrajectoryRecord& t : e.trajectories) {
        w.Bytes(t.Store());
        if (t.HasFormulas())
            for (const std::string& f : t.formulas)
                WriteText(w, f, kMaxFormulaLength);
    }
    w.I16(static_cast<std::int16_t>(e.pointNotes.size()));
    for (const auto& note : e.pointNotes)
        w.Bytes(note);
    for (const std::string& text : e.texts)
        WriteText(w, text, kMaxFormulaLength);
    w.FixedText(name, kExampleNameLength + 1);
}

void WriteLetterTable(BinaryWriter& w, const ComplexValue (&table)[kLetterCount], bool complex) {
    for (const ComplexValue& v : table) {
        w.Real80(v.re);
        if (complex)
            w.Real80(v.im);
    }
}

template <std::size_t N>
void WriteRecords(BinaryWriter& w, const std::vector<std::array<std::uint8_t, N>>& records) {
    w.I16(static_cast<std::int16_t>(records.size()));
    for (const auto& r : records)
        w.Bytes(r);
}

void WriteFunctions(BinaryWriter& w, const UserFunctionLibrary& library) {
    w.I16(static_cast<std::int16_t>(library.Count()));
    for (const UserFunction& f : library.All()) {
        std::uint8_t record[kUserFunctionRecordSize];
        StoreUserFunction(f, record);
        w.Bytes(record);
    }
}

void WritePictures(BinaryWriter& w, const std::vector<StoredPicture>& pictures) {
    w.I16(static_cast<std::int16_t>(pictures.size()));
    for (const StoredPicture& p : pictures) {
        w.Bytes(p.placement);
        w.U8(p.mode);
        w.I32(static_cast<std::int32_t>(p.data.size()));
        w.Bytes(p.data);
    }
}

// The notebook may be longer than a signed length allows, so its length is unsigned:
// the lengths that a signed word holds read the same, and a longer text is cut to what
// a notebook takes, so the length never wraps.
void WriteNotebook(BinaryWriter& w, const std::string& text) {
    const std::size_t size = std::min(text.size(), kMaxNotebookLength - 1);
    w.U16(static_cast<std::uint16_t>(size + 1));
    w.Bytes({reinterpret_cast<const std::uint8_t*>(text.data()), size});
    w.U8(0);
}

void WriteWindowLists(BinaryWriter& w, const DocumentState& s) {
    for (const std::string& text : s.windowTexts)
        WriteString(w, text);
    if (s.password)
        for (const std::string& text : *s.password)
            WriteString(w, text);
    const bool complex = s.ComplexMode();
    WriteLetterTable(w, s.letters.low, complex);
    WriteLetterTable(w, s.letters.value, complex);
    WriteLetterTable(w, s.letters.high, complex);
    w.Zeros(kBodyReservedBlocks * kReservedBlockSize);
    WriteFunctions(w, s.functions);
    WriteRecords(w, s.textItems);
    WritePictures(w, s.pictures);
    WriteRecords(w, s.equationLabels);
    WriteRecords(w, s.shortList);
    if (s.notebook)
        WriteNotebook(w, *s.notebook);
}

// ---- reading -------------------------------------------------------------------

// A document string of at most `maxLength` characters; the bytes before the final zero
// are kept as they are (a password block holds scrambled bytes).
bool ReadRawString(BinaryReader& r, std::size_t maxLength, std::string& out) {
    const std::int16_t length = r.I16();
    if (!r.Ok() || length < 1 || static_cast<std::size_t>(length) > maxLength + 1 ||
        static_cast<std::size_t>(length) > r.Remaining()) {
        r.Fail();
        return false;
    }
    out.resize(static_cast<std::size_t>(length - 1));
    r.Bytes({reinterpret_cast<std::uint8_t*>(out.data()), out.size()});
    r.Skip(1);
    return r.Ok();
}

// A formula or name text: what comes before the first zero.
bool ReadText(BinaryReader& r, std::size_t maxLength, std::string& out) {
    if (!ReadRawString(r, maxLength, out))
        return false;
    const std::size_t zero = out.find('\0');
    if (zero != std::string::npos)
        out.resize(zero);
    return true;
}

// A count of records of at least `recordSize` bytes each: negative counts and counts the
// rest of the file cannot hold fail.
bool ReadCount(BinaryReader& r, std::size_t recordSize, int& count) {
    count = r.I16();
    if (!r.Ok() || count < 0 || static_cast<std::size_t>(count) * recordSize > r.Remaining()) {
        r.Fail();
        return false;
    }
    return true;
}

template <std::size_t N>
bool ReadRecords(BinaryReader& r, std::vector<std::array<std::uint8_t, N>>& out) {
    int count = 0;
    if (!ReadCount(r, N, count))
        return false;
    out.resize(static_cast<std::size_t>(count));
    for (auto& record : out)
        r.Bytes(record);
    return r.Ok();
}

struct HeaderCounts {
    std::int32_t tables = 0, fonts = 0, settings = 0;
};

bool ReadHeaderWords(BinaryReader& r, std::int32_t tag, DocumentState& s, HeaderCounts& n) {
    std::int32_t w[kDocumentHeaderWords];
    for (std::int32_t& v : w)
        v = r.I32();
    if (!r.Ok() || w[0] != tag || w[1] < 1 || w[1] > kDocumentVersion)
        return false;
    s.tag = w[0];
    s.version = w[1];
    s.x = w[2];
    s.y = w[3];
    s.width = w[4];
    s.height = w[5];
    s.maximized = w[6] != 0;
    s.displayToggle = w[7];
    n.tables = w[8];
    for (int i = 0; i < 4; ++i)
        s.scaleFactors[static_cast<std::size_t>(i)] = w[9 + i] / 100.0L;
    if (w[9] == 0)
        s.scaleFactors[0] = -1 / 2.54L;
    s.windowFlags = {w[13], w[14]};
    n.fonts = w[15];
    n.settings = w[16];
    return n.tables >= 0 && n.fonts >= 0 && n.settings >= 0;
}

bool ReadFonts(BinaryReader& r, int count, std::vector<FontSlot>& fonts) {
    constexpr std::size_t kPerFont = 4 + kLogFontSize + 4;
    if (static_cast<std::size_t>(count) * kPerFont > r.Remaining())
        return false;
    fonts.resize(static_cast<std::size_t>(count));
    for (FontSlot& f : fonts)
        f.pointSize = r.I32();
    for (FontSlot& f : fonts)
        r.Bytes(f.font.bytes);
    for (FontSlot& f : fonts)
        f.colour = r.U32();
    return r.Ok();
}

bool ReadColourTables(BinaryReader& r, std::int32_t size, DocumentState& s) {
    if (static_cast<std::size_t>(size) * 3 > r.Remaining())
        return false;
    std::vector<std::uint8_t> table(static_cast<std::size_t>(size));
    for (auto& kept : s.colourTables) {
        r.Bytes(table);
        kept.assign(table.begin(), table.begin() + static_cast<std::ptrdiff_t>(
                                                       std::min(table.size(), kColourTableSize)));
    }
    return r.Ok();
}

bool ReadHeader(BinaryReader& r, std::int32_t tag, DocumentState& s) {
    HeaderCounts n;
    if (!ReadHeaderWords(r, tag, s, n) || !ReadFonts(r, n.fonts, s.fonts))
        return false;
    r.Skip(kHeaderReservedBlocks * kReservedBlockSize);
    if (static_cast<std::size_t>(n.settings) * 2 > r.Remaining())
        return false;
    s.headerSettings.resize(static_cast<std::size_t>(n.settings));
    for (std::int16_t& v : s.headerSettings)
        v = r.I16();
    return r.Ok() && (n.tables == 0 || ReadColourTables(r, n.tables, s));
}

bool ReadSettingBlocks(BinaryReader& r, DocumentState& s) {
    for (std::int16_t& v : s.words)
        v = r.I16();
    r.Bytes(s.flags);
    for (long double& v : s.reals)
        v = r.Real80();
    if (!r.Ok())
        return false;
    CorrectDocumentSettings(s);
    const int last = s.words[docw::kLastExample];
    return last >= -1 && last < kExampleSlots;
}

bool ReadTrajectories(BinaryReader& r, ExampleRecord& e) {
    int count = 0;
    if (!ReadCount(r, kTrajectoryRecordSize, count))
        return false;
    e.trajectories.resize(static_cast<std::size_t>(count));
    for (TrajectoryRecord& t : e.trajectories) {
        TrajectoryRecord::Bytes bytes;
        if (!r.Bytes(bytes))
            return false;
        t.Load(bytes.data());
        if (t.HasFormulas())
            for (std::string& f : t.formulas)
                if (!ReadText(r, kMaxFormulaLength, f))
                    return false;
    }
    return true;
}

bool ReadPointNotes(BinaryReader& r, ExampleRecord& e) { return ReadRecords(r, e.pointNotes); }

void ClampI16(ExampleRecord& e, int offset, int low, int high) {
    e.SetI16(offset, static_cast<std::int16_t>(std::clamp<int>(e.I16(offset), low, high)));
}

void ClampI16(TrajectoryRecord& t, int offset, int low, int high) {
    t.SetI16(offset, static_cast<std::int16_t>(std::clamp<int>(t.I16(offset), low, high)));
}

template <typename Record>
void ClampReal(Record& r, int offset, long double low, long double high, long double fallback) {
    const long double v = r.Real(offset);
    if (!(v >= low && v <= high))
        r.SetReal(offset, std::isnan(v) ? fallback : std::clamp(v, low, high));
}

// The values that set how much a drawing does are held to what the dialogs accept, so
// that a damaged or foreign file cannot make a paint run for minutes.
void ClampToDialogRanges(ExampleRecord& e) {
    ClampI16(e, exo::kDensity, 1, 10000);
    ClampI16(e, exo::kColumns, 1, 100);
    ClampI16(e, exo::kMarkLength10, 1, 400);
    ClampI16(e, exo::kArrowSize, 1 - 10, 1000 - 10);
    ClampI16(e, exo::kFamilySteps, -kMaxFamilySteps, kMaxFamilySteps);
    ClampI16(e, exo::kPause, 0, 1000);
    ClampI16(e, exo::kWidth, 1, 30);
    ClampReal(e, exo::kStepTolerance, 0, 40, 1);
    if (IsWeb(e))
        ClampI16(e, exo::kWebSteps, 1, kMaxWebSteps);
    const int kind = e.Kind();
    for (TrajectoryRecord& t : e.trajectories) {
        ClampI16(t, tro::kWidth, -32768, 30); // a width below 1 draws as 1
        ClampI16(t, tro::kMethod, 0, 2);
        if (kind == kSlopeField || kind == kRecursive)
            ClampReal(t, tro::kEndT, 0, kMaxTrajectorySteps, 0);
        if (kind == kRecursive)
            ClampI16(t, tro::kSetting77, 0, 30);
    }
}

// Step 4's per-kind rules and the indices the window keeps of its current examples.
void NoteExample(DocumentState& s, int index) {
    ExampleRecord& e = s.examples[index];
    const int kind = e.Kind();
    if (kind % 100 == 10)
        s.lastSystem = index;
    else if (kind % 100 == 11)
        s.lastSlopeField = index;
    else if (kind % 100 == 12 && !e.IsDerived())
        s.lastRecursion = index;
    if (kind >= 401 && kind <= 403)
        s.lastMapper = index;
    if (kind == kImplicit || kind == 305)
        e.SetByte(exo::kFlag58, 1);
    ClampToDialogRanges(e);
    if (kind == kPointList) {
        std::vector<WorldPoint> points;
        ParsePointList(e.texts[3], points);
        e.SetI16(exo::kListCount, static_cast<std::int16_t>(std::min<std::size_t>(points.size(), 32767)));
    }
}

bool ReadExample(BinaryReader& r, DocumentState& s, int index) {
    ExampleRecord& e = s.examples[index];
    ExampleRecord::Bytes bytes;
    if (!r.Bytes(bytes))
        return false;
    e.Load(bytes.data());
    if (!ReadTrajectories(r, e) || !ReadPointNotes(r, e))
        return false;
    for (std::string& text : e.texts)
        if (!ReadText(r, kMaxFormulaLength, text))
            return false;
    const int nameLength = s.words[docw::kNameLength];
    if (nameLength > 0) {
        s.examples.SetName(index, r.FixedText(static_cast<std::size_t>(nameLength) + 1));
        if (!r.Ok())
            return false;
    }
    NoteExample(s, index);
    return true;
}

bool ReadExamples(BinaryReader& r, DocumentState& s) {
    const int last = s.words[docw::kLastExample];
    for (int i = 0; i <= last; ++i)
        if (!ReadExample(r, s, i))
            return false;
    s.examples.SetLastExample(static_cast<std::int16_t>(last));
    return true;
}

bool ReadLetterTable(BinaryReader& r, ComplexValue (&table)[kLetterCount], bool complex) {
    for (ComplexValue& v : table) {
        v.re = r.Real80();
        v.im = complex ? r.Real80() : 0.0L;
    }
    return r.Ok();
}

bool ReadFunctions(BinaryReader& r, UserFunctionLibrary& library) {
    int count = 0;
    if (!ReadCount(r, kUserFunctionRecordSize, count))
        return false;
    for (int i = 0; i < count; ++i) {
        std::uint8_t record[kUserFunctionRecordSize];
        if (!r.Bytes(record))
            return false;
        library.Append(LoadUserFunction(record));
    }
    return true;
}

bool ReadPictures(BinaryReader& r, std::vector<StoredPicture>& pictures) {
    int count = 0;
    if (!ReadCount(r, kPicturePlacementSize + 1 + 4, count))
        return false;
    pictures.resize(static_cast<std::size_t>(count));
    for (StoredPicture& p : pictures) {
        r.Bytes(p.placement);
        p.mode = r.U8();
        const std::int32_t size = r.I32();
        if (!r.Ok() || size < 0 || static_cast<std::size_t>(size) > r.Remaining())
            return false;
        p.data.resize(static_cast<std::size_t>(size));
        r.Bytes(p.data);
    }
    return r.Ok();
}

bool ReadNotebook(BinaryReader& r, std::string& out) {
    const std::uint16_t length = r.U16();
    if (!r.Ok() || length < 1 || length > kMaxNotebookLength + 1 || length > r.Remaining())
        return false;
    out.resize(length - 1u);
    r.Bytes({reinterpret_cast<std::uint8_t*>(out.data()), out.size()});
    r.Skip(1);
    return r.Ok();
}

bool ReadPassword(BinaryReader& r, DocumentState& s) {
    s.password.emplace();
    for (std::string& text : *s.password)
        if (!ReadRawString(r, 32766, text))
            return false;
    return true;
}

bool ReadWindowLists(BinaryReader& r, DocumentState& s) {
    for (std::string& text : s.windowTexts)
        if (!ReadRawString(r, 32766, text))
            return false;
    if (s.words[docw::kPassword] != 0 && !ReadPassword(r, s))
        return false;
    const bool complex = s.ComplexMode();
    if (!ReadLetterTable(r, s.letters.low, complex) || !ReadLetterTable(r, s.letters.value, complex) ||
        !ReadLetterTable(r, s.letters.high, complex))
        return false;
    r.Skip(kBodyReservedBlocks * kReservedBlockSize);
    if (!ReadFunctions(r, s.functions) || !ReadRecords(r, s.textItems) || !ReadPictures(r, s.pictures) ||
        !ReadRecords(r, s.equationLabels) || !ReadRecords(r, s.shortList))
        return false;
    if (s.flags[docf::kNoNotebook] == 0) {
        s.notebook.emplace();
        if (!ReadNotebook(r, *s.notebook))
            return false;
    }
    return r.Ok();
}

} // namespace

std::vector<std::uint8_t> WriteDocument(const DocumentState& state) {
    BinaryWriter w;
    WriteHeader(w, state);
    WriteSettingBlocks(w, state);
    for (int i = 0; i <= state.examples.LastExample(); ++i)
        WriteExample(w, state.examples[i], state.examples.Name(i));
    WriteWindowLists(w, state);
    return w.Take();
}

void CorrectDocumentSettings(DocumentState& s) {
    auto& w = s.words;
    if (w[26] < 0)
        w[26] = 0;
    if (w[27] < 1)
        w[27] = 1;
    if (w[38] < 1)
        w[38] = 1;
    if (w[39] < 32)
        w[39] = 112;
    if (w[40] < 2)
        w[40] = 8;
    w[docw::kShading] = std::clamp<std::int16_t>(w[docw::kShading], 0, 3);
    auto& r = s.reals;
    if (!(r[docr::kTrajectoryStep] >= 1e-18L))
        r[docr::kTrajectoryStep] = 1;
    long double shortSteps = std::round(r[docr::kShortSteps]);
    long double mediumSteps = std::round(r[docr::kMediumSteps]);
    if (!(shortSteps >= 3) || !(mediumSteps >= 1) || shortSteps > 32767 || mediumSteps > 32767) {
        shortSteps = 100;
        mediumSteps = 10;
    }
    r[docr::kShortSteps] = shortSteps;
    r[docr::kMediumSteps] = mediumSteps;
}

int ReadDocument(std::span<const std::uint8_t> bytes, std::int32_t tag, DocumentState& out) {
    BinaryReader r(bytes);
    const bool ok = ReadHeader(r, tag, out) && ReadSettingBlocks(r, out) && ReadExamples(r, out) &&
                    ReadWindowLists(r, out) && r.Ok();
    return ok ? 0 : kCannotOpenFile;
}

} // namespace korvane
