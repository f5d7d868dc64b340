#pragma once
// The rule for the folder of the settings files, apart from the environment so that it
// can be tested.
#include <functional>
#include <optional>
#include <string>

namespace korvane::platform {

using EnvironmentLookup = std::function<std::optional<std::string>(const char* name)>;

// $KORVANE_CONFIG_DIR, else $XDG_CONFIG_HOME/korvane, else $HOME/.config/korvane, else
// ./.korvane; empty variables count as unset. The result ends in '/'.
std::string ConfigDirectoryFor(const EnvironmentLookup& lookup);
// The same from the process environment.
std::string ConfigDirectoryFromEnvironment();
// Creates the folder and its parents; true when it exists afterwards.
bool EnsureDirectory(const std::string& path);

} // namespace korvane::platform
