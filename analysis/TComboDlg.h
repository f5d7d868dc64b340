#pragma once
// The base of the analysis dialogs: a modeless dialog of the plane window with the list
// of the examples it can work on (combo box 295). The list offers the allowed kinds,
// polynomials and derived examples only when allowed; `listMap` turns a line into an
// example index. Choosing a line copies the example's colour into the window's current
// example colour and runs the dialog's step for a new example.
#include "platform/DialogHandler.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace korvane {

class TPlotAWin;
class ExampleRecord;

namespace platform {
class Dialog;
}

class TComboDlg : public platform::DialogHandler {
public:
    enum Control : int {
        kClose = 2,
        kSaveAs = 57,
        kExampleList = 295,
        kSecondList = 296,
        kLetterList = 298
    };

    // `allowedKinds` ends in -1, as the tools give it.
    TComboDlg(TPlotAWin& owner, const char* templateName, const std::int16_t* allowedKinds,
              bool allowPolynomials, bool allowDerived, int* currentColour);
    ~TComboDlg() override;
    TComboDlg(const TComboDlg&) = delete;
    TComboDlg& operator=(const TComboDlg&) = delete;

    // Creates the dialog on first use, shows it and gives it the focus.
    void Open();
    bool IsOpen() const;
    platform::Dialog* GetDialog() const { return bound_; }
    // The examples changed: the list again, on the same example when it is still there.
    virtual void Refill();

    int ExampleIndex() const { return exampleIndex; }
    std::int16_t ExampleKind() const { return exampleKind; }
    // True when the kind is in the list of allowed kinds (and the filters let it pass).
    bool Offers(const ExampleRecord& example) const;

    void OnInit(platform::Dialog& dialog) override;
    bool OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) override;

protected:
    // After the list was filled at set-up.
    virtual void SetUp(platform::Dialog& dialog) { (void)dialog; }
    // The selected example changed.
    virtual void ExampleChanged() {}
    // Any other control.
    virtual bool Command(platform::Dialog& dialog, int id, platform::ControlEvent event) {
        (void)dialog;
        (void)id;
        (void)event;
        return false;
    }
    // Fills list `id` and its map; selects the line of `keep` when listed, else line 0.
    void FillList(platform::Dialog& dialog, int id, std::vector<int>& map, int keep);
    // Reads the selection of list 295 into the fields; false when nothing is selected.
    bool TakeSelection(platform::Dialog& dialog);
    ExampleRecord* Example() const;
    void Show(int id, const std::string& text);
    void Fail(int code) const;
    // A number as the window prints results ("%*.*Lf" with its width and decimals), and
    // as it fills fields (its number format), without the leading blanks.
    std::string Number(long double value) const;
    std::string FieldText(long double value) const;

    // The letters A to Z of list 298, and the letter chosen there.
    void FillLetters(platform::Dialog& dialog);
    bool LetterCommand(platform::Dialog& dialog, int id);
    // Leaves a note on the examples (null ones are skipped); the picture follows when one
    // of them did not have it yet.
    void Mark(std::int16_t type, std::array<long double, 4> values, std::int16_t count,
              const std::string& label, ExampleRecord* first, ExampleRecord* second = nullptr);
    // Stores a result in the chosen letter; the picture follows.
    void SaveInLetter(long double value);
    int letterSlot = 1;

    TPlotAWin& owner;
    std::vector<std::int16_t> allowedKinds;
    bool allowPolynomials;
    bool allowDerived;
    std::vector<int> listMap;
    int selectedLine = -1;
    int exampleIndex = -1;
    std::int16_t exampleKind = 0;

private:
    const char* templateName_;
    int* currentColour_;
    std::unique_ptr<platform::Dialog> dialog_;
    platform::Dialog* bound_ = nullptr; // set in OnInit, before CreateModeless returns
};

} // namespace korvane
