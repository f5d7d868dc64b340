// Point notes: the duplicate rule and untrusted stored bytes. Notes in documents are
// DocumentFile's round trip and the analysis example's.
#include "AnalysisTestSupport.h"

#include "plane/PointNote.h"
#include "platform/Real80.h"

namespace korvane {
namespace {

PointNote Note(std::int16_t type, long double a, long double b, std::int16_t count) {
    PointNote n;
    n.type = type;
    n.values = {a, b, 0, 0};
    n.count = count;
    n.label = "interceptar x";
    return n;
}

// Rule: a note is dropped when one of the same type has its first `count` values each
// within 1e-13 of the new ones.
TEST(PointNotes, DuplicatesDroppedAndBytesReadBackWithoutTrust) {
    struct Row {
        const char* what;
        PointNote added;
        bool kept;
    };
    const Row rows[] = {
        {"same", Note(10, 1, 0, 1), false},
        {"within 1e-13", Note(10, 1 + 0.9e-13L, 0, 1), false},
        {"beyond 1e-13", Note(10, 1 + 1.1e-13L, 0, 1), true},
        {"other type", Note(11, 1, 0, 1), true},
        {"second value counts with count 2", Note(11, 1, 5, 2), true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ExampleRecord e;
        e.Initialise(kExplicit, 3);
        ASSERT_TRUE(AddPointNote(e, Note(10, 1, 0, 1)));
        if (row.added.count == 2) {
            ASSERT_TRUE(AddPointNote(e, Note(11, 1, 4, 2)));
        }
        const std::size_t before = e.pointNotes.size();
        EXPECT_EQ(AddPointNote(e, row.added), row.kept);
        EXPECT_EQ(e.pointNotes.size(), before + (row.kept ? 1 : 0));
        if (row.kept) { // new notes go to the front
            EXPECT_EQ(e.pointNotes.front(), row.added.Pack());
        }
    }
    // Stored bytes are laid out and read back without trust.
    PointNote n = Note(51, 0, 3, 4);
    n.values[2] = 9;
    n.label = "(esquerdo,direito,valor,subint)"; // 31 characters: 29 are kept
    auto bytes = n.Pack();
    EXPECT_EQ(bytes[0], 51);
    EXPECT_EQ(LoadReal80(bytes.data() + 12), 3.0L);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes.data() + 42)),
              "(esquerdo,direito,valor,subin");
    EXPECT_EQ(bytes[72], 4);
    bytes[72] = 99; // a count no note has
    for (int i = 42; i < 72; ++i)
        bytes[static_cast<std::size_t>(i)] = 'a'; // no terminator
    const PointNote read = PointNote::Unpack(bytes);
    EXPECT_EQ(read.count, 4);
    EXPECT_EQ(read.label.size(), 30u);
}

} // namespace
} // namespace korvane
