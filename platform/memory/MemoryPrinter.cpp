#include "platform/memory/MemoryPrinter.h"

namespace korvane::platform {

bool MemoryPrinter::Preview(Window*, const std::function<void(Printer&)>& print) {
    ++previews_;
    print(*this);
    return chosen_;
}

Surface* MemoryPrinter::BeginDocument(const std::string& title) {
    title_ = title;
    surface_.Clear();
    pageStarts_ = {0};
    ended_ = aborted_ = false;
    return &surface_;
}

void MemoryPrinter::NewPage() {
    pageStarts_.push_back(surface_.Primitives().size());
}

int MemoryPrinter::EndDocument() {
    ended_ = true;
    return 0;
}

} // namespace korvane::platform
