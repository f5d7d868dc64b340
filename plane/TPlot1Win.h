#pragma once
// Inventory level: the equation dialog of every kind, the "Equação" menu that creates
// examples, the inventory of the examples and the function library commands.
#include <memory>
#include <string>

#include "graph/PlaneSlotMap.h"
#include "output/PictureOutput.h"
#include "plane/ExampleCompiler.h"
#include "plane/TPlotWin.h"
#include "text/HelpWindows.h"
#include "text/TTableWin.h"

namespace korvane {

// Bits of a document's protection: what asks for the password.
inline constexpr int kProtectSave = 1;
inline constexpr int kProtectInventory = 2;
inline constexpr int kProtectNotebook = 4;
inline constexpr int kShowAuthor = 1024;

class TInventDlg;
class TFnLibDlg;
struct EquationEnvironment;

class TPlot1Win : public TPlotWin {
public:
    TPlot1Win(platform::Platform& platform, const WindowOptions& options, platform::Window* owner);
    ~TPlot1Win() override;

    void OnCommand(int id) override;

    // A new example of the command's kind with its default formulas in the next slot,
    // edited at once; -1 when cancelled or refused (code 4 shown when full).
    int NewExample(int command);
    // Opens the equation dialog on an example. After "ok" the example is compiled when
    // its formulas changed, and the picture redrawn. Gives the change mask, or -1 when
    // cancelled (a new example's slot is then released).
    virtual int EditExample(int index, bool isNew);
    // Copies an example into a new slot and edits the copy; its index, or -1.
    int DuplicateExample(int index);
    // "derivar": a derived example of the derivative of `index` (kinds 201..203 here);
    // its index, or -1.
    virtual int DeriveExample(int index);
    virtual bool CanDerive(const ExampleRecord& example) const;
    // "web": a cobweb of explicit example `index`, its start and steps asked for first;
    // its index, or -1 when refused or cancelled.
    int MakeWeb(int index);
    // Deletes the example and the examples derived from it, then redraws.
    virtual void DeleteExample(int index);
    // A flag, the name or the family of an example changed: list and picture follow.
    void ExampleStyleChanged();
    // The texts that the inventory lists and "copiar" copies.
    std::string InventoryLine(int index) const;

    // Whether the operations of `mask` may go ahead (the document's protection).
    virtual bool Authorize(int mask) { (void)mask; return true; }
    // A help text in the window's help windows; message 11 when it is missing.
    void ShowHelp(std::string_view name, HelpWindows::Which which = HelpWindows::Own, const std::string& word = "");
    HelpWindows* Help() { return help_.get(); }
    // The window kind's own help text.
    virtual std::string HelpName() const { return "PLOT2HELP"; }

    // "tabela": asks for the range of the example's table of values, then shows the table.
    void ShowTable(int index);
    TTableWin* TableWindow() { return table_.get(); }

    void ShowInventory();
    TInventDlg* Inventory() { return inventory_.get(); }
    const TInventDlg* Inventory() const { return inventory_.get(); }
    // Refills an open inventory after the table changed.
    virtual void ExamplesChanged();
    // PiCTeX and TikZ export, printing and copying of the picture.
    PictureOutput& Output() { return output_; }
    bool PictureExport() const override { return output_.TeXOutput(); }

    // Commands 921 and 922: hide all points, or all other examples, or show them again.
    void ToggleAll(bool points);

    // The derivation code of a derivative made by "derivar".
    static constexpr std::int16_t kDerivativeCode = kDerivativeDerivation;
    // The examples derived from `source` follow its new trees.
    void RefreshDerivatives(int source);

protected:
    EquationEnvironment MakeEquationEnvironment();
    int EditWeb(int index, bool isNew);
    // The settings slots of a window with a plane look (plane, mapper, time and level windows).
    void PackPlaneLook(PlaneValues& plane, SettingsRecord& record);
    void UnpackPlaneLook(PlaneValues& plane, const SettingsRecord& record);
    void SetDefaultExample(ExampleRecord& example, int command);
    // The export commands follow HasPicture; the copy's check mark its setting.
    void EnableOutputCommands();
    // Whether there is a picture to write: once the list holds something.
    virtual bool HasPicture() const { return examples_.LastExample() >= 0; }
    void PackSharedSlots(SettingsRecord& record) override { output_.PackSlots(record); }
    void UnpackSharedSlots(const SettingsRecord& record) override { output_.UnpackSlots(record); }

    std::unique_ptr<TInventDlg> inventory_;
    std::unique_ptr<TFnLibDlg> functionDialog_;
    std::unique_ptr<HelpWindows> help_;
    std::unique_ptr<TTableWin> table_;
    PictureOutput output_{*this};
};

// One line of text describing an example: the equation as the user would read it.
std::string DescribeExample(const ExampleRecord& example);

} // namespace korvane
