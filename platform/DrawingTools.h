#pragma once
// The drawing state a Surface holds: pen, brush, font, text colours, alignment and the
// raster modes. Plain values, so a recording surface can keep them and tests compare them.
#include "platform/Rgb.h"

#include <string>

namespace korvane::platform {

enum class PenStyle { Solid, Dotted, Dashed, DashDot, None };

struct Pen {
    Rgb colour = kBlack;
    int width = 1; // pixels; 0 draws one pixel wide, as 1 does
    PenStyle style = PenStyle::Solid;
    friend bool operator==(const Pen&, const Pen&) = default;
};

enum class BrushStyle { Solid, Hollow, HatchHorizontal, HatchVertical, HatchCross, HatchDiagonal };

struct Brush {
    Rgb colour = kWhite;
    BrushStyle style = BrushStyle::Solid;
    friend bool operator==(const Brush&, const Brush&) = default;
};

// A logical font. `height` is the character height in pixels (the cell height of the
// screen). With `symbol` the texts drawn are bytes of the symbol character set (code 112
// is pi; see SymbolCharset.h), not UTF-8.
struct FontSpec {
    std::string face = "Sans";
    int height = 13;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool symbol = false;
    int angle = 0; // tenths of a degree, counter-clockwise
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

struct FontMetrics {
    int ascent = 0;
    int descent = 0;
    int height = 0;       // ascent + descent
    int averageWidth = 0; // of a lower-case letter
};

// Text alignment: one horizontal and one vertical flag, or-ed; the reference point is
// the one given to TextOut.
enum TextAlign : int {
    AlignLeft = 0, AlignCenter = 1, AlignRight = 2,
    AlignTop = 0, AlignBaseline = 4, AlignBottom = 8,
};

enum class BackgroundMode { Transparent, Opaque };

// How pens and brushes combine with the pixels already there. NotXor with a black pen
// inverts the destination, so drawing the same shape twice restores it (rubber bands).
enum class DrawMode { Copy, Xor, NotXor, Invert };

// Raster operations of block copies.
enum class BlitOp {
    Copy,       // destination := source
    Xor,        // destination := destination xor source
    And,        // destination := destination and source
    Or,         // destination := destination or source
    InvertDest, // destination := not destination (the source is not read)
};

} // namespace korvane::platform
