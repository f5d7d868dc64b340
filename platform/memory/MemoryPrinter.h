#pragma once
// A Printer that records what is printed, with the page breaks as positions in the
// recording; its dialogs answer as told and its preview prints into the recording.
#include "platform/Printer.h"
#include "platform/memory/RecordingSurface.h"

#include <vector>

namespace korvane::platform {

class MemoryPrinter : public Printer {
public:
    explicit MemoryPrinter(bool chosen = true, Size page = {2400, 3300}, int dpi = 300)
        : chosen_(chosen), surface_(page) {
        page_.dpiX = page_.dpiY = dpi;
        page_.printable = page;
    }

    bool Choose(Window*) override { return chosen_; }
    bool Setup(Window*) override { return chosen_; }
    bool Preview(Window*, const std::function<void(Printer&)>& print) override;
    PageInfo Page() const override { return page_; }
    Surface* BeginDocument(const std::string& title) override;
    void NewPage() override;
    int EndDocument() override;
    void Abort() override { aborted_ = true; }

    void SetPage(const PageInfo& page) { page_ = page; }
    const std::string& Title() const { return title_; }
    const RecordingSurface& Recording() const { return surface_; }
    // Index of the first primitive of each page.
    const std::vector<std::size_t>& PageStarts() const { return pageStarts_; }
    bool Ended() const { return ended_; }
    bool Aborted() const { return aborted_; }
    int Previews() const { return previews_; }

private:
    bool chosen_;
    PageInfo page_;
    std::string title_;
    RecordingSurface surface_;
    std::vector<std::size_t> pageStarts_;
    bool ended_ = false;
    bool aborted_ = false;
    int previews_ = 0;
};

} // namespace korvane::platform
