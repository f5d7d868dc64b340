#pragma once
// Everything a plane or space document carries, as a plain value: the header block, the
// window's setting words, flags and reals, the examples and the window's lists. The
// reader fills a fresh one and the window takes it over only when the whole file was
// read, so a damaged file never leaves a half-loaded window.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "expr/LetterParameters.h"
#include "expr/UserFunctionLibrary.h"
#include "graph/SettingsFile.h"
#include "plane/ExampleTable.h"

namespace korvane {

inline constexpr std::int32_t kDocumentVersion = 4;
inline constexpr int kDocumentWords = 80;
inline constexpr int kDocumentFlags = 50;
inline constexpr int kDocumentReals = 80;
inline constexpr int kTextItemSize = 179;
using TextItem = std::array<std::uint8_t, kTextItemSize>;
inline constexpr int kPicturePlacementSize = 40;
inline constexpr int kShortListRecordSize = 37;
inline constexpr int kReservedBlockSize = 17;
inline constexpr int kHeaderSettings = 15; // the colour slots
inline constexpr int kPasswordStrings = 5;
inline constexpr std::size_t kMaxNotebookLength = 64001;

// Words, flags and reals that the format itself gives a meaning.
namespace docw {
inline constexpr int kDecimals = 0;
inline constexpr int kLastExample = 9;
inline constexpr int kShading = 23; // the shading style + 1; 0 in older documents
inline constexpr int kNameLength = 41;
inline constexpr int kPassword = 42;
} // namespace docw
namespace docf {
inline constexpr int kLinkedWindow = 1;
inline constexpr int kRealMode = 12; // 0 in complex mode
inline constexpr int kNoNotebook = 17; // 0 when a notebook text follows
inline constexpr int kFirstAlwaysSet = 22;
} // namespace docf
namespace docr {
inline constexpr int kTrajectoryStep = 41;
inline constexpr int kShortSteps = 42;
inline constexpr int kMediumSteps = 43;
} // namespace docr

struct StoredPicture {
    std::array<std::uint8_t, kPicturePlacementSize> placement{};
    std::uint8_t mode = 0;
    std::vector<std::uint8_t> data;
};

struct DocumentState {
    // Header.
    std::int32_t tag = 841;
    std::int32_t version = kDocumentVersion;
    std::int32_t x = 0, y = 0, width = 0, height = 0;
    bool maximized = false;
    std::int32_t displayToggle = 0;
    std::array<long double, 4> scaleFactors{-1 / 2.54L, 0, 0, 0}; // stored as 100 x, rounded
    std::array<std::int32_t, 2> windowFlags{};
    std::vector<FontSlot> fonts;
    std::vector<std::int16_t> headerSettings;
    // Colour tables that old files may carry (red, green, blue); never written.
    std::array<std::vector<std::uint8_t>, 3> colourTables;

    // Body.
    std::array<std::int16_t, kDocumentWords> words{};
    std::array<std::uint8_t, kDocumentFlags> flags{};
    std::array<long double, kDocumentReals> reals{};
    ExampleTable examples;
    std::array<std::string, 3> windowTexts;
    std::optional<std::array<std::string, kPasswordStrings>> password; // as stored
    LetterTables letters{};
    UserFunctionLibrary functions;
    std::vector<std::array<std::uint8_t, kTextItemSize>> textItems;
    std::vector<StoredPicture> pictures;
    std::vector<std::array<std::uint8_t, kTextItemSize>> equationLabels;
    std::vector<std::array<std::uint8_t, kShortListRecordSize>> shortList;
    std::optional<std::string> notebook;

    // What the reader noticed on the way (-1: none).
    int lastSystem = -1, lastSlopeField = -1, lastRecursion = -1, lastMapper = -1;

    bool ComplexMode() const { return flags[docf::kRealMode] == 0; }
    void SetComplexMode(bool on) { flags[docf::kRealMode] = on ? 0 : 1; }
};

} // namespace korvane
