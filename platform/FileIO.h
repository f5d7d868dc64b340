#pragma once
// Whole-file reads and safe writes. A save goes to a temporary file in the same folder
// that is renamed over the old one, so a failed save never destroys the previous version.
#include <cstdint>
#include <string>
#include <vector>

namespace korvane {

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out);
bool WriteFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes);

} // namespace korvane
