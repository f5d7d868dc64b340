#pragma once
// Animated GIF files, frame by frame from drawing surfaces, through the system's GIF
// library: each frame gets its own palette of at most 256 colours, and the file loops.
#include "platform/Geometry.h"

#include <string>

namespace korvane::platform {

class Surface;

class GifWriter {
public:
    GifWriter() = default;
    ~GifWriter();
    GifWriter(const GifWriter&) = delete;
    GifWriter& operator=(const GifWriter&) = delete;

    // False when the file cannot be made.
    bool Open(const std::string& path, Size size);
    // The surface's pixels (its top-left `size` of them), shown for `delay` hundredths of a
    // second. False once anything failed.
    bool AddFrame(const Surface& picture, int delay);
    // Ends the file; false when any step failed, and the file is then removed.
    bool Close();

private:
    void* file_ = nullptr; // the library's GifFileType
    std::string path_;
    Size size_{};
    bool failed_ = false;
};

} // namespace korvane::platform
