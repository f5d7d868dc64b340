#include "plane/EquationLabel.h"

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
