#include "plane/DocumentFile.h"

#include "platform/Real80.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace korvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

// With ten fonts and fifteen header settings, as a plane window writes them.
constexpr std::size_t kHeaderSize = 80 + 10 * (4 + 60 + 4) + 4 * 17 + 15 * 2;
constexpr std::size_t kWordsAt = kHeaderSize;
constexpr std::size_t kFlagsAt = kWordsAt + 160;
constexpr std::size_t kRealsAt = kFlagsAt + 50;
constexpr std::size_t kExamplesAt = kRealsAt + 800;

std::int16_t I16At(const Bytes& b, std::size_t at) {
    return static_cast<std::int16_t>(b[at] | (b[at + 1] << 8));
}
std::int32_t I32At(const Bytes& b, std::size_t at) {
    return static_cast<std::int32_t>(b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) |
                                     (static_cast<std::uint32_t>(b[at + 3]) << 24));
}
void PutI16(Bytes& b, std::size_t at, std::int16_t v) {
    b[at] = static_cast<std::uint8_t>(v & 0xff);
    b[at + 1] = static_cast<std::uint8_t>((v >> 8) & 0xff);
}
void PutI32(Bytes& b, std::size_t at, std::int32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>((static_cast<std::uint32_t>(v) >> (8 * i)) & 0xff);
}
void PutReal(Bytes& b, std::size_t at, long double v) { StoreReal80(v, b.data() + at); }
long double RealAt(const Bytes& b, std::size_t at) { return LoadReal80(b.data() + at); }

void GiveWindowHeader(DocumentState& s) {
    s.fonts.assign(10, FontSlot{});
    for (int i = 0; i < 10; ++i) {
        s.fonts[static_cast<std::size_t>(i)].pointSize = 8 + i;
        s.fonts[static_cast<std::size_t>(i)].font.SetFaceName("Arial");
        s.fonts[static_cast<std::size_t>(i)].colour = 0x00112233u + static_cast<std::uint32_t>(i);
    }
    s.headerSettings.assign(15, 0);
    for (int i = 0; i < 15; ++i)
        s.headerSettings[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(i + 1);
    s.x = 10;
    s.y = 20;
    s.width = 640;
    s.height = 480;
}

DocumentState EmptyState() {
    DocumentState s;
    GiveWindowHeader(s);
    CorrectDocumentSettings(s);
    s.SetComplexMode(false);
    return s;
}

// Examples of several kinds, trajectories with and without formulas, names, letters and
// every window list.
DocumentState RichState(bool complex) {
    DocumentState s = EmptyState();
    s.SetComplexMode(complex);
    s.words[docw::kDecimals] = 7;
    s.words[5] = 3;
    s.flags[0] = 1;
    s.reals[0] = 1.25L;
    s.reals[2] = 6.5L;
    const int e0 = s.examples.Append(kExplicit, 3);
    s.examples[e0].texts[0] = "xsin(x)";
    s.examples.SetName(e0, "onda");
    const int e1 = s.examples.Append(kPolar, 4);
    s.examples[e1].texts[0] = "3cos(2t)";
    const int e2 = s.examples.Append(kSystem, 5);
    s.examples[e2].texts[0] = "y";
    s.examples[e2].texts[1] = "-x";
    TrajectoryRecord plain;
    plain.SetReal(tro::kStartX, 1);
    plain.SetI16(tro::kKind, 2);
    TrajectoryRecord withFormulas;
    withFormulas.SetI16(tro::kKind, 1002);
    withFormulas.formulas = {"a", "", "c+1", "d"};
    s.examples[e2].trajectories = {plain, withFormulas};
    std::array<std::uint8_t, kPointNoteSize> note{};
    note.fill(0x5a);
    s.examples[e2].pointNotes = {note, note};
    s.examples.SetName(e2, "sistema");
    s.windowTexts = {"x", "y", "z"};
    s.password = std::array<std::string, kPasswordStrings>{std::string("\x01\x00\x7f", 3), "autor", "", "b", "c"};
    s.letters.value[1] = {2.5L, complex ? -1.5L : 0.0L};
    s.letters.low[1] = {-3, 0};
    s.letters.high[1] = {3, 0};
    s.functions.Append(UserFunction::Make("F", "X^2+1", kFunctionOfX));
    s.functions.Append(UserFunction::Make("G", "X*Y", kFunctionOfXY));
    std::array<std::uint8_t, kTextItemSize> item{};
    item.fill(7);
    s.textItems = {item};
    s.equationLabels = {item, item};
    StoredPicture picture;
    picture.placement.fill(3);
    picture.mode = 1;
    picture.data = {1, 2, 3, 4, 5};
    StoredPicture empty; // no data at all: nothing to copy to
    empty.mode = 2;
    s.pictures = {picture, empty};
    std::array<std::uint8_t, kShortListRecordSize> shortRecord{};
    shortRecord.fill(9);
    s.shortList = {shortRecord};
    s.notebook = "notas do caderno";
    return s;
}

TEST(DocumentFile, WrittenReadAndWrittenAgainGivesTheSameBytes) {
    for (bool complex : {false, true}) {
        SCOPED_TRACE(complex ? "complex" : "real");
        const Bytes first = WriteDocument(RichState(complex));
        DocumentState read;
        ASSERT_EQ(ReadDocument(first, 841, read), 0);
        EXPECT_EQ(WriteDocument(read), first);
        EXPECT_EQ(read.examples.LastExample(), 2);
        EXPECT_EQ(read.examples.Name(0), "onda");
        EXPECT_EQ(read.examples[2].trajectories.size(), 2u);
        EXPECT_EQ(read.examples[2].trajectories[1].formulas[2], "c+1");
        EXPECT_EQ(read.examples[2].pointNotes.size(), 2u);
        EXPECT_EQ(read.functions.Count(), 2u);
        ASSERT_TRUE(read.password);
        EXPECT_EQ((*read.password)[0], std::string("\x01\x00\x7f", 3));
        EXPECT_EQ(read.letters.value[1].re, 2.5L);
        EXPECT_EQ(read.letters.value[1].im, complex ? -1.5L : 0.0L);
        EXPECT_EQ(read.notebook.value_or("-"), "notas do caderno");
        EXPECT_EQ(read.lastSystem, 2);
    }
}

TEST(DocumentFile, HeaderAndFixedWordsStandAtTheirPlaces) {
    const Bytes b = WriteDocument(RichState(false));
    EXPECT_EQ(I32At(b, 0), 841);
    EXPECT_EQ(I32At(b, 4), 4);
    EXPECT_EQ(I32At(b, 16), 640);
    EXPECT_EQ(I32At(b, 9 * 4), -39); // -1/2.54 as 100 x, rounded
    EXPECT_EQ(I32At(b, 15 * 4), 10);
    EXPECT_EQ(I32At(b, 16 * 4), 15);
    EXPECT_EQ(I16At(b, kWordsAt + 2 * docw::kLastExample), 2);
    EXPECT_EQ(I16At(b, kWordsAt + 2 * docw::kNameLength), 20);
    EXPECT_EQ(I16At(b, kWordsAt + 2 * docw::kPassword), 1);
    EXPECT_EQ(b[kFlagsAt + docf::kRealMode], 1);
    EXPECT_EQ(b[kFlagsAt + docf::kNoNotebook], 0);
    for (int i = docf::kFirstAlwaysSet; i < kDocumentFlags; ++i)
        EXPECT_EQ(b[kFlagsAt + static_cast<std::size_t>(i)], 1) << "flag " << i;
    EXPECT_EQ(I16At(b, kExamplesAt), kExplicit);
}

TEST(DocumentFile, EmptyWindowWritesLastExampleMinusOneAndReadsBackEmpty) {
    const Bytes b = WriteDocument(EmptyState());
    EXPECT_EQ(I16At(b, kWordsAt + 2 * docw::kLastExample), -1);
    // Right after the reals: the three window strings, no example data.
    EXPECT_EQ(I16At(b, kExamplesAt), 1);
    DocumentState fresh;
    ASSERT_EQ(ReadDocument(b, 841, fresh), 0);
    EXPECT_EQ(fresh.examples.LastExample(), -1);
    EXPECT_EQ(fresh.examples.Count(), 0);
}

TEST(DocumentFile, AnEmptyNameStillTakesTwentyOneBytes) {
    DocumentState s = EmptyState();
    s.examples.Append(kPolar, 2);
    s.windowTexts = {"ab", "", ""};
    const Bytes b = WriteDocument(s);
    // 547 record bytes, two empty lists, seven empty strings of 3 bytes each.
    const std::size_t nameAt = kExamplesAt + 547 + 2 + 2 + 7 * 3;
    for (std::size_t i = 0; i < 21; ++i)
        EXPECT_EQ(b[nameAt + i], 0) << "name byte " << i;
    EXPECT_EQ(I16At(b, nameAt + 21), 3); // "ab" and its zero
    EXPECT_EQ(b[nameAt + 23], 'a');
}

TEST(DocumentFile, ComplexModeLetterTablesTake540BytesEach) {
    DocumentState real = EmptyState();
    DocumentState complex = EmptyState();
    complex.SetComplexMode(true);
    const Bytes r = WriteDocument(real);
    const Bytes c = WriteDocument(complex);
    EXPECT_EQ(c.size() - r.size(), 3u * 270u);
    // The tables follow the three window strings (3 bytes each, empty).
    const std::size_t tablesAt = kExamplesAt + 9;
    EXPECT_EQ(RealAt(c, tablesAt + 540 + 20 * 5), complex.letters.value[5].re);
    complex.letters.value[5] = {4, -2};
    const Bytes c2 = WriteDocument(complex);
    EXPECT_EQ(RealAt(c2, tablesAt + 540 + 20 * 5), 4.0L);
    EXPECT_EQ(RealAt(c2, tablesAt + 540 + 20 * 5 + 10), -2.0L);
    DocumentState read;
    ASSERT_EQ(ReadDocument(c2, 841, read), 0);
    EXPECT_TRUE(read.ComplexMode());
    EXPECT_EQ(read.letters.value[5].im, -2.0L);
}

// A wrong tag or version, impossible counts and lengths: refused with code 11.
TEST(DocumentFile, DamagedHeadersCountsAndLengthsAreRefused) {
    const Bytes good = WriteDocument(RichState(false));
    // Two examples with one formula each ("xsin(x)" 10 bytes, "3cos(2t)" 11), six empty
    // strings and a name each, then the third record.
    const std::size_t trajectoriesAt = kExamplesAt + (547 + 4 + 10 + 18 + 21) + (547 + 4 + 11 + 18 + 21) + 547;
    ASSERT_EQ(I16At(good, trajectoriesAt), 2);
    const std::size_t firstTextAt = kExamplesAt + 547 + 4;
    ASSERT_EQ(I16At(good, firstTextAt), 8); // "xsin(x)"
    struct Row {
        const char* what;
        std::size_t at;
        std::int32_t value;
        bool word; // 16 bits, else 32
    } rows[] = {
        {"space tag 961", 0, 961, false}, {"version 0", 4, 0, false}, {"version 5", 4, 5, false},
        {"version -1", 4, -1, false},     {"negative font count", 15 * 4, -1, false},
        {"last example 401", kWordsAt + 2 * docw::kLastExample, 401, true},
        {"last example -2", kWordsAt + 2 * docw::kLastExample, -2, true},
        {"negative trajectory count", trajectoriesAt, -1, true},
        {"trajectory count beyond the file", trajectoriesAt, 30000, true},
        {"string length 0", firstTextAt, 0, true},
        {"negative string length", firstTextAt, -5, true},
        {"string beyond the file", firstTextAt, 32000, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Bytes b = good;
        if (row.word)
            PutI16(b, row.at, static_cast<std::int16_t>(row.value));
        else
            PutI32(b, row.at, row.value);
        DocumentState read;
        EXPECT_EQ(ReadDocument(b, 841, read), kCannotOpenFile);
    }
    DocumentState read;
    EXPECT_EQ(ReadDocument(good, 961, read), kCannotOpenFile) << "a space window refuses a plane file";
}

// Whatever the notebook holds, the writer stays within what the reader takes: a longer
// text is cut to 64000 characters; a length above a signed word's (old files) reads.
TEST(DocumentFile, NotebookLengthsTheReaderTakes) {
    const struct {
        std::size_t written, read;
    } rows[] = {{32767, 32767}, {64000, 64000}, {64001, 64000}, {70000, 64000}, {65535, 64000}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.written);
        DocumentState s = EmptyState();
        s.notebook = std::string(row.written, 'n');
        DocumentState read;
        ASSERT_EQ(ReadDocument(WriteDocument(s), 841, read), 0);
        EXPECT_EQ(read.notebook.value_or("-").size(), row.read);
    }
    DocumentState s = EmptyState();
    s.notebook = std::string(64000, 'n');
    Bytes b = WriteDocument(s);
    b.insert(b.end() - 1, 'n'); // another writer's 64001 characters
    PutI16(b, b.size() - 64004, std::int16_t(64002));
    DocumentState read;
    ASSERT_EQ(ReadDocument(b, 841, read), 0);
    EXPECT_EQ(read.notebook.value_or("-").size(), 64001u);
}

TEST(DocumentFile, EveryTruncatedCopyIsRefused) {
    const Bytes good = WriteDocument(RichState(true));
    for (std::size_t length = 0; length < good.size(); ++length) {
        DocumentState read;
        const Bytes cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(length));
        ASSERT_EQ(ReadDocument(cut, 841, read), kCannotOpenFile) << "length " << length;
    }
}

TEST(DocumentFile, ReaderCorrectsSettingsThatCannotBeRight) {
    Bytes b = WriteDocument(EmptyState());
    struct WordRow {
        int word;
        std::int16_t stored, expected;
    } words[] = {
        {26, -3, 0}, {26, 4, 4}, {27, 0, 1}, {27, 9, 9}, {38, -1, 1}, {38, 2, 2},
        {39, 31, 112}, {39, 32, 32}, {40, 1, 8}, {40, 2, 2},
        {23, -4, 0}, {23, 3, 3}, {23, 9, 3},
    };
    for (const WordRow& row : words) {
        SCOPED_TRACE("word " + std::to_string(row.word) + " stored " + std::to_string(row.stored));
        PutI16(b, kWordsAt + 2 * static_cast<std::size_t>(row.word), row.stored);
        DocumentState read;
        ASSERT_EQ(ReadDocument(b, 841, read), 0);
        EXPECT_EQ(read.words[static_cast<std::size_t>(row.word)], row.expected);
    }
    struct RealRow {
        const char* what;
        long double r41, r42, r43;
        long double e41, e42, e43;
    } reals[] = {
        {"all fine, steps rounded", 2.5L, 7.6L, 2.4L, 2.5L, 8, 2},
        {"trajectory step too small", 1e-19L, 5, 5, 1, 5, 5},
        {"short steps below 3", 1, 2.4L, 5, 1, 100, 10},
        {"medium steps below 1", 1, 50, 0.4L, 1, 100, 10},
    };
    for (const RealRow& row : reals) {
        SCOPED_TRACE(row.what);
        PutReal(b, kRealsAt + 10 * 41, row.r41);
        PutReal(b, kRealsAt + 10 * 42, row.r42);
        PutReal(b, kRealsAt + 10 * 43, row.r43);
        DocumentState read;
        ASSERT_EQ(ReadDocument(b, 841, read), 0);
        EXPECT_EQ(read.reals[41], row.e41);
        EXPECT_EQ(read.reals[42], row.e42);
        EXPECT_EQ(read.reals[43], row.e43);
    }
    PutI32(b, 9 * 4, 0);
    PutI32(b, 10 * 4, 250);
    DocumentState read;
    ASSERT_EQ(ReadDocument(b, 841, read), 0);
    EXPECT_NEAR(static_cast<double>(read.scaleFactors[0]), -0.39370078740157477, 1e-16) << "word 9 of 0";
    EXPECT_EQ(read.scaleFactors[1], 2.5L);
}

TEST(DocumentFile, PerKindRulesWhileReading) {
    DocumentState s = EmptyState();
    const int implicit = s.examples.Append(kImplicit, 2);
    s.examples[implicit].SetByte(exo::kFlag58, 0);
    const int list = s.examples.Append(kPointList, 2);
    s.examples[list].trajectories.resize(3); // not the list's entries
    s.examples[list].texts[3] = "1, 2; (3, 4) [5,6] 7";
    s.examples[list].SetI16(exo::kListCount, 0);
    s.examples.Append(kSlopeField, 2);
    s.examples.Append(kRecursive, 2);
    s.examples.Append(kSlopeField, 2);
    DocumentState read;
    ASSERT_EQ(ReadDocument(WriteDocument(s), 841, read), 0);
    EXPECT_EQ(read.examples[implicit].Byte(exo::kFlag58), 1);
    EXPECT_EQ(read.examples[list].I16(exo::kListCount), 5);
    EXPECT_EQ(read.lastSystem, -1);
    EXPECT_EQ(read.lastSlopeField, 4);
    EXPECT_EQ(read.lastRecursion, 3);
}

TEST(DocumentFile, ReaderHoldsWhatADrawingDoesToTheDialogRanges) {
    struct Row {
        const char* what;
        std::int16_t kind;
        int offset;
        std::int16_t stored, expected;
    };
    // A damaged or foreign file must not make a paint run for minutes.
    const Row rows[] = {
        {"direction-field columns", kSlopeField, exo::kColumns, 32767, 100},
        {"columns below one", kSystem, exo::kColumns, -5, 1},
        {"columns in range", kSystem, exo::kColumns, 37, 37},
        {"density", kExplicit, exo::kDensity, 32000, 10000},
        {"density zero", kExplicit, exo::kDensity, 0, 1},
        {"pen width", kExplicit, exo::kWidth, 3000, 30},
        {"pen width zero", kLine, exo::kWidth, 0, 1},
        {"mark length", kSlopeField, exo::kMarkLength10, 30000, 400},
        {"arrow size", kParametric, exo::kArrowSize, 20000, 990},
        {"family steps", kExplicit, exo::kFamilySteps, -32000, -1000},
        {"family steps in range", kExplicit, exo::kFamilySteps, -20, -20},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        DocumentState s = EmptyState();
        const int e = s.examples.Append(row.kind, 2);
        s.examples[e].SetI16(row.offset, row.stored);
        DocumentState read;
        ASSERT_EQ(ReadDocument(WriteDocument(s), 841, read), 0);
        EXPECT_EQ(read.examples[e].I16(row.offset), row.expected);
    }
    struct RealRow {
        const char* what;
        std::int16_t kind;
        bool trajectory;
        int offset;
        long double stored, expected;
    };
    const RealRow reals[] = {
        {"step tolerance", kExplicit, false, exo::kStepTolerance, 1e30L, 40},
        {"negative step tolerance", kPolar, false, exo::kStepTolerance, -2, 0},
        {"step tolerance in range", kPolar, false, exo::kStepTolerance, 2.5L, 2.5L},
        {"steps of a dy/dx solution", kSlopeField, true, tro::kEndT, 1e30L, 1e7L},
        {"terms of a sequence", kRecursive, true, tro::kEndT, 1e12L, 1e7L},
    };
    for (const RealRow& row : reals) {
        SCOPED_TRACE(row.what);
        DocumentState s = EmptyState();
        const int e = s.examples.Append(row.kind, 2);
        if (row.trajectory)
            s.examples[e].trajectories.emplace_back().SetReal(row.offset, row.stored);
        else
            s.examples[e].SetReal(row.offset, row.stored);
        DocumentState read;
        ASSERT_EQ(ReadDocument(WriteDocument(s), 841, read), 0);
        const ExampleRecord& got = read.examples[e];
        EXPECT_EQ(row.trajectory ? got.trajectories.at(0).Real(row.offset) : got.Real(row.offset), row.expected);
    }
    DocumentState s = EmptyState();
    const int e = s.examples.Append(kRecursive, 2);
    TrajectoryRecord& t = s.examples[e].trajectories.emplace_back();
    t.SetI16(tro::kWidth, 500);
    t.SetI16(tro::kSetting77, 9000); // the mark's radius
    DocumentState read;
    ASSERT_EQ(ReadDocument(WriteDocument(s), 841, read), 0);
    EXPECT_EQ(read.examples[e].trajectories.at(0).I16(tro::kWidth), 30);
    EXPECT_EQ(read.examples[e].trajectories.at(0).I16(tro::kSetting77), 30);
}

TEST(DocumentFile, AuxiliaryBlockIsCopiedIntoTheRecordBeforeWriting) {
    DocumentState s = EmptyState();
    const int e = s.examples.Append(kCycloid, 2);
    s.examples[e].aux.emplace();
    for (std::size_t i = 0; i < 16; ++i)
        (*s.examples[e].aux)[i] = static_cast<long double>(i) + 0.5L;
    const Bytes b = WriteDocument(s);
    for (std::size_t i = 0; i < 16; ++i)
        EXPECT_EQ(RealAt(b, kExamplesAt + 281 + 10 * i), static_cast<long double>(i) + 0.5L) << "pair real " << i;
}

} // namespace
} // namespace korvane
