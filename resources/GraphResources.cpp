#include "resources/ResourceTables.h"

namespace korvane::res {

ResourceTable GraphResources() { return {}; }

} // namespace korvane::res
