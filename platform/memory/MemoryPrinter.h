#pragma once
// A Printer that records what is printed, with the page breaks as positions in the
// recording (sketch, for the printing tests to come).
#include "platform/Printer.h"
#include "platform/memory/RecordingSurface.h"

#include <vector>

namespace korvane::platform {

class MemoryPrinter : public Printer {
public:
    explicit MemoryPrinter(bool chosen = true, Size page = {2400, 3300}, int dpi = 300)
        : chosen_(chosen), page_(page), dpi_(dpi), surface_(page) {}

    bool Choose(Window*) override { return chosen_; }
    Size PageSize() const override { return page_; }
    int DotsPerInch() const override { return dpi_; }
    Surface* BeginDocument(const std::string& title) override;
    void NewPage() override;
    int EndDocument() override;

    const std::string& Title() const { return title_; }
    const RecordingSurface& Recording() const { return surface_; }
    // Index of the first primitive of each page.
    const std::vector<std::size_t>& PageStarts() const { return pageStarts_; }
    bool Ended() const { return ended_; }

private:
    bool chosen_;
    Size page_;
    int dpi_;
    std::string title_;
    RecordingSurface surface_;
    std::vector<std::size_t> pageStarts_;
    bool ended_ = false;
};

} // namespace korvane::platform
