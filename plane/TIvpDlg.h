#pragma once
// The modeless initial-value dialogs ("problemas de valor inicial"): IVP10 adds solutions
// to the window's current system (kind 210), IVP11 to its current dy/dx equation (kind
// 211). Every numeric field is an expression. The window creates each on first use, keeps
// it, and while one is open a click in the mode "T&rajetórias" starts a problem there.
#include "plane/ExampleRecord.h"
#include "platform/DialogHandler.h"

#include <functional>
#include <memory>
#include <string>

namespace korvane::platform {
class Dialog;
class Platform;
class Window;
} // namespace korvane::platform

namespace korvane {

// What the dialogs need from their window.
struct IvpHost {
    // The window's current example of the dialog's kind, or null.
    std::function<ExampleRecord*()> example;
    std::function<int(const std::string&, long double&)> evaluate;
    std::function<void(int code)> showMessage;
    // A problem was added or deleted: redraw.
    std::function<void()> changed;
    // The window's width in world units and its trajectory step in world units (before
    // the example's density divides it): a problem that would need more than
    // kMaxTrajectorySteps steps is refused.
    std::function<long double()> windowWidth;
    std::function<long double()> trajectoryStep;
};

class TIvpDlg : public platform::DialogHandler {
public:
    enum Control : int {
        kAdd = 1,
        kClose = 2,
        kDeleteLast = 3,
        kStartX = 201,
        kStartY = 202,
        kStepSize = 203,
        kSteps = 204, // terms of a sequence
        kColour = 205,
        kStartT = 206,
        kEndT = 207,
        kLetter = 208,
        kLetterValue = 209,
        kWidth = 210,
        kMarkSize = 211,
        kEuler = 251,
        kModifiedEuler = 252,
        kRungeKutta = 253,
        kOpenEnd = 271,
        kBothWays = 272,
        kExampleText = 301,
        kResultText = 302,
    };

    // `kind` is 210, 211 or 212 (the sequence dialog).
    TIvpDlg(platform::Platform& platform, std::int16_t kind, IvpHost host);
    ~TIvpDlg() override;
    TIvpDlg(const TIvpDlg&) = delete;
    TIvpDlg& operator=(const TIvpDlg&) = delete;

    // Creates the dialog the first time, shows it again afterwards.
    void Show(platform::Window* owner);
    bool IsOpen() const;
    platform::Dialog* GetDialog() const { return dialog_.get(); }
    std::int16_t Kind() const { return kind_; }

    // Adds the fields' problem to the current example; with `at` from that point instead
    // of the typed start, and with `backwards` the other way only (the right button of
    // mouse mode 122). 0, or the code of the refusal (already shown).
    int Add(const long double* at = nullptr, bool backwards = false);
    int DeleteLast();
    // The record the fields describe; 0 or the code of the first bad field.
    int ReadRecord(const platform::Dialog& dialog, TrajectoryRecord& out) const;

    void OnInit(platform::Dialog& dialog) override;
    bool OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) override;

protected:
    // After a problem was added to the example (the sequence dialog reports its end).
    virtual void AfterAdd(platform::Dialog& dialog, const ExampleRecord& example, const TrajectoryRecord& record) {
        (void)dialog;
        (void)example;
        (void)record;
    }
    void ShowExample(platform::Dialog& dialog) const;
    int Fail(int code) const;

    platform::Platform& platform_;
    std::int16_t kind_;
    IvpHost host_;
    std::unique_ptr<platform::Dialog> dialog_;

private:
    int ReadNumber(const platform::Dialog& dialog, int id, long double& value) const;
    int ReadInteger(const platform::Dialog& dialog, int id, long low, long high, long& value) const;
    int ReadSystemFields(const platform::Dialog& dialog, TrajectoryRecord& out) const;
    int ReadSlopeFields(const platform::Dialog& dialog, TrajectoryRecord& out) const;
    int ReadSequenceFields(const platform::Dialog& dialog, TrajectoryRecord& out) const;
    int CheckWork(const ExampleRecord& example, const TrajectoryRecord& record) const;
};

} // namespace korvane
