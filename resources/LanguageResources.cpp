#include "resources/ResourceTables.h"

namespace korvane::res {

ResourceTable LanguageResources() { return {}; }

} // namespace korvane::res
