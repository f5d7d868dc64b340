#pragma once
// The equation dialog of every plane kind. Its controls come from four tables by kind
// (edit fields, check boxes, radio buttons, labels); it edits a private copy of the
// example and gives it back only after every field passed its check.
#include <functional>
#include <string>

#include "expr/FormulaCompiler.h"
#include "plane/ExampleRecord.h"
#include "platform/Dialog.h"
#include "platform/DialogHandler.h"

namespace korvane::platform {
class Platform;
class Window;
} // namespace korvane::platform

namespace korvane {

// What the dialog needs of its window.
struct EquationEnvironment {
    FormulaCompiler* compiler = nullptr;
    std::function<int(const std::string&, long double&)> evaluate;
    std::function<void(int code)> showMessage;
    int decimals = 5;
    long double viewXmin = -5, viewXmax = 5;
};

class TEditExmpDlg : public platform::DialogHandler {
public:
    enum ChangeBits : int {
        kFormulaChanged = 1,
        kStyleChanged = 2,
        kGeometryChanged = 4,
        kSegmentPoints = 8,
    };
    // Control ids beyond the field numbers.
    static constexpr int kFieldColourCombo = 297;

    TEditExmpDlg(EquationEnvironment environment, ExampleRecord& example);

    // The row of the field tables: the kind, 213 for a polynomial.
    static int Row(const ExampleRecord& example);
    static std::string TemplateName(const ExampleRecord& example);
    // True when the kind has that field (edit 'e', check 'c', radio 'r', label 'l').
    static bool HasField(int row, char table, int number);

    // Runs the modal dialog; ResultOk once a change was accepted.
    int Run(platform::Platform& platform, platform::Window* owner);
    int ChangeMask() const { return changeMask_; }

    // Reads and checks every field; on success the example takes the copy and 0 is
    // returned, else the first failure's code and the example is as it was.
    int Accept(const platform::Dialog& dialog);

    void OnInit(platform::Dialog& dialog) override;
    bool OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) override;

private:
    struct Reading; // the copy being filled and its change mask

    void FillTexts(platform::Dialog& dialog) const;
    void FillNumbers(platform::Dialog& dialog) const;
    void FillChoices(platform::Dialog& dialog) const;
    void FillLabels(platform::Dialog& dialog) const;

    int ReadFormulas(const platform::Dialog& dialog, Reading& r) const;
    int ReadRanges(const platform::Dialog& dialog, Reading& r) const;
    int ReadExtras(const platform::Dialog& dialog, Reading& r) const;
    int ReadCounts(const platform::Dialog& dialog, Reading& r) const;
    int ReadStyle(const platform::Dialog& dialog, Reading& r) const;
    void ReadChoices(const platform::Dialog& dialog, Reading& r) const;
    void Finish(Reading& r) const;

    int ReadReal(const platform::Dialog& dialog, int field, long double& value) const;
    int ReadInteger(const platform::Dialog& dialog, int field, int low, int high, int& value) const;
    long double Epsilon() const;

    EquationEnvironment env_;
    ExampleRecord& example_;
    int row_;
    int changeMask_ = 0;
    mutable int failedControl_ = 0; // the field a refusal sends the focus back to
};

} // namespace korvane
