#pragma once
// "NEWTEXT" and "METADLG": the fields of a label or a pasted picture, with "apagar" for
// one that is already on the graph.
#include "platform/DialogHandler.h"

#include <string>
#include <utility>
#include <vector>

namespace korvane {

inline constexpr int kDeleteButton = 3;

class TItemDlg : public platform::DialogHandler {
public:
    // Field ids with their starting texts.
    TItemDlg(std::vector<std::pair<int, std::string>> fields, bool canDelete)
        : fields_(std::move(fields)), canDelete_(canDelete) {}

    void OnInit(platform::Dialog& dialog) override;
    bool OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) override;
    // The texts as they were at "ok".
    const std::string& Field(int id) const;

private:
    std::vector<std::pair<int, std::string>> fields_;
    bool canDelete_;
};

} // namespace korvane
