#include "plane/EquationLabel.h"

#include <algorithm>

namespace korvane {

namespace {

constexpr int kMarginX = 6;
constexpr int kMarginY = 4;

bool StartsCharacter(unsigned char byte) { return (byte & 0xC0) != 0x80; }

} // namespace

std::string EquationLabelText(std::string_view text) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!StartsCharacter(static_cast<unsigned char>(text[i])))
            continue;
        if (characters == kEquationLabelCharacters)
            return std::string(text.substr(0, i));
        ++characters;
    }
    return std::string(text);
}

std::vector<TextItem> TakeEquationLabels(ExampleTable& examples) {
    std::vector<TextItem> labels;
    for (int i = 0; i <= examples.LastExample(); ++i) {
        ExampleRecord& e = examples[i];
        if (!e.Flag(exo::kShowEquation))
            continue;
        e.SetFlag(exo::kShowEquation, false);
        TextItem item{};
        const std::int16_t words[2] = {static_cast<std::int16_t>(i), e.Colour()};
        for (int w = 0; w < 2; ++w) {
            item[static_cast<std::size_t>(2 * w)] = static_cast<std::uint8_t>(words[w] & 0xff);
            item[static_cast<std::size_t>(2 * w + 1)] = static_cast<std::uint8_t>((words[w] >> 8) & 0xff);
        }
        // Document texts hold one byte per character.
        const std::string& text = e.texts[4];
        std::copy_n(text.begin(), std::min(text.size(), kEquationLabelCharacters), item.begin() + 4);
        labels.push_back(item);
    }
    return labels;
}

void ShowListedEquations(const std::vector<TextItem>& labels, ExampleTable& examples) {
    for (const TextItem& item : labels) {
        const int index = static_cast<std::int16_t>(item[0] | (item[1] << 8));
        if (index >= 0 && index <= examples.LastExample())
            examples[index].SetFlag(exo::kShowEquation, true);
    }
}

void DrawEquationLabels(PlaneDrawContext& context, const platform::FontSpec& font) {
    platform::Surface& surface = context.surface;
    const View& view = context.view;
    surface.SetFont(font);
    surface.SetBackgroundMode(platform::BackgroundMode::Transparent);
    surface.SetTextAlign(platform::AlignLeft | platform::AlignTop);
    int y = view.offsetY + kMarginY;
    for (int i = 0; i <= context.examples.LastExample(); ++i) {
        const ExampleRecord& example = context.examples[i];
        if (!example.Shown() || !example.Flag(exo::kShowEquation))
            continue;
        const std::string label = EquationLabelText(example.texts[4]);
        if (label.empty())
            continue;
        const int height = surface.TextExtent(label).height;
        if (y + height > view.offsetY + view.clientH)
            return;
        surface.SetTextColour(context.PenColour(example.Colour()));
        surface.TextOut({view.offsetX + kMarginX, y}, label);
        y += height;
    }
}

} // namespace korvane
