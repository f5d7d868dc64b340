#include "plane/DocumentText.h"

#include "plane/ExampleTable.h"
#include "platform/Cp1252.h"

namespace korvane {

namespace {

bool Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

template <typename Convert>
void ConvertTable(ExampleTable& table, Convert convert) {
    for (int i = 0; i <= table.LastExample(); ++i) {
        ExampleRecord& e = table[i];
        for (std::string& text : e.texts)
            text = convert(text, kMaxFormulaLength);
        for (TrajectoryRecord& t : e.trajectories)
            for (std::string& formula : t.formulas)
                formula = convert(formula, kMaxFormulaLength);
        table.SetName(i, convert(table.Name(i), kExampleNameLength));
    }
}

} // namespace

bool StorableText(std::string_view utf8) {
    bool lossless = true;
    platform::Utf8ToCp1252(utf8, &lossless);
    return lossless;
}

std::string FitToField(std::string_view utf8, std::size_t maxChars) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (Continuation(utf8[i]))
            continue;
        if (chars == maxChars)
            return std::string(utf8.substr(0, i));
        ++chars;
    }
    return std::string(utf8);
}

void ExampleTextsToDocument(ExampleTable& table) {
    ConvertTable(table, [](const std::string& text, std::size_t size) {
        return platform::Utf8ToCp1252(text).substr(0, size);
    });
}

void ExampleTextsFromDocument(ExampleTable& table) {
    ConvertTable(table, [](const std::string& text, std::size_t) { return platform::Cp1252ToUtf8(text); });
}

} // namespace korvane
