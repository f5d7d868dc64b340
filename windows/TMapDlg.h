#pragma once
// The map dialogs: "EQUA402" (U(x,y) and V(x,y)) and "EQUA401" (F(z)). On "ok" each
// formula is compiled to test it; a failure shows its message and keeps the dialog open.
#include "plane/ExampleRecord.h"
#include "platform/DialogHandler.h"

#include <functional>
#include <string>

namespace korvane {

class TMapDlg : public platform::DialogHandler {
public:
    // The compile test of one text: 0 or a result code.
    using Checker = std::function<int(const std::string&)>;
    using Reporter = std::function<void(int code)>;

    static constexpr int kFirstField = 211;

    TMapDlg(ExampleRecord& map, Checker check, Reporter report)
        : map_(map), check_(std::move(check)), report_(std::move(report)) {}

    static const char* TemplateName(const ExampleRecord& map);
    // The description the inventory lists.
    static std::string Describe(const ExampleRecord& map);

    void OnInit(platform::Dialog& dialog) override;
    bool OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) override;

private:
    int FieldCount() const { return map_.Kind() == kMapPlane ? 2 : 1; }

    ExampleRecord& map_;
    Checker check_;
    Reporter report_;
};

} // namespace korvane
