#include "platform/Platform.h"

namespace korvane::platform {

int Platform::RunModal(std::string_view templateName, DialogHandler& handler, Window* owner) {
    const res::DialogTemplate* found = res::Dialog(templateName);
    return found ? RunModal(*found, handler, owner) : -1;
}

std::unique_ptr<Dialog> Platform::CreateModeless(std::string_view templateName, DialogHandler& handler,
                                                 Window* owner) {
    const res::DialogTemplate* found = res::Dialog(templateName);
    return found ? CreateModeless(*found, handler, owner) : nullptr;
}

} // namespace korvane::platform
