#pragma once
// A surface that ends up in a file (.png, .svg, .pdf): draw on it, then Finish writes the
// file. Nothing is written when Finish is not called.
#include "platform/Surface.h"

namespace korvane::platform {

class ExportSurface : public Surface {
public:
    // Writes the file; 0 on success, else a result code (11: the file cannot be written).
    virtual int Finish() = 0;
};

} // namespace korvane::platform
