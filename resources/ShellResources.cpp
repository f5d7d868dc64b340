#include "resources/ResourceTables.h"

namespace korvane::res {

ResourceTable ShellResources() { return {}; }

} // namespace korvane::res
