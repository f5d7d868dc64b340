#pragma once
// `korvane --export IN OUT [--size WxH]`: opens a document in a plane window that reads no
// settings file and writes OUT by its extension: a picture (.png, .svg, .pdf) of the
// given size (800 x 600 by default), PiCTeX (.tex, 8 cm wide, the size giving only its
// proportions), or the document saved again (.kv2). Exit codes: 0 done, 1 the input
// cannot be read, 2 the output cannot be written or bad usage.
#include <cstdio>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace korvane {

int RunExportCommand(const std::vector<std::string>& args, platform::Platform& platform, std::FILE* err);

} // namespace korvane
