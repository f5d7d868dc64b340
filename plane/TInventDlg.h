#pragma once
// The inventory ("inventário"): the modeless list of a window's examples with the buttons
// that edit, delete, duplicate, copy, hide, name, derive and turn them into families.
// The window creates it with its first example and keeps it.
#include <memory>
#include <string>

#include "platform/Dialog.h"
#include "platform/DialogHandler.h"

namespace korvane {

class TPlot1Win;
class ExampleRecord;

class TInventDlg : public platform::DialogHandler {
public:
    enum Control : int {
        kList = 101,
        kField = 102, // the name of the selected example; typed before "nome"
        kEdit = 51,
        kDelete = 52,
        kCopy = 95,
        kDuplicate = 739,
        kTable = 757,
        kShowGraph = 736,
        kShowEquation = 744,
        kName = 793,
        kFamily = 818,
        kDerive = 797,
        kWeb = 798,
    };

    explicit TInventDlg(TPlot1Win& window);
    ~TInventDlg() override;
    TInventDlg(const TInventDlg&) = delete;
    TInventDlg& operator=(const TInventDlg&) = delete;

    // Creates the dialog the first time, shows it again afterwards.
    void Show();
    // Refills the list from the table, keeping the selection where it can.
    void Refresh();
    // Null before the first Show.
    platform::Dialog* GetDialog() const { return dialog_.get(); }
    int Selected() const;

    void OnInit(platform::Dialog& dialog) override;
    bool OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) override;

    // The family input "A, 20, 0, 1": letter, steps, first and last value. 0 or a code.
    static int ParseFamily(const std::string& text, int& letter, int& steps, std::string& first, std::string& last);

private:
    void Fill(platform::Dialog& dialog, int select);
    void UpdateButtons(platform::Dialog& dialog);
    bool Act(platform::Dialog& dialog, int id, int index);
    void Delete(int index);
    void CopyText(int index);
    void ToggleShown(int index);
    void ToggleEquation(int index);
    void SetName(platform::Dialog& dialog, int index);
    void ToggleFamily(int index);

    TPlot1Win& window_;
    std::unique_ptr<platform::Dialog> dialog_;
};

} // namespace korvane
