#include "plane/TIvpDlg.h"

#include "platform/Platform.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <utility>

namespace korvane {

namespace {

constexpr long double kTiny = 1e-18L;
constexpr int kNoExample = 2;
constexpr int kNothingToDo = 9;
constexpr int kInconsistent = 6;
constexpr int kOutOfRange = 17;
constexpr int kTooManySteps = 18;
constexpr int kSlotX = 0, kSlotY = 1;

const char* TemplateOf(std::int16_t kind) {
    return kind == kSystem ? "IVP10" : kind == kSlopeField ? "IVP11" : "IVP12";
}

std::string Describe(const ExampleRecord& example) {
    std::string text;
    if (example.Kind() == kSlopeField)
        text = "dy/dx = " + example.texts[2];
    else if (example.Kind() == kSystem)
        text = "x' = " + example.texts[0] + ", y' = " + example.texts[1];
    else
        text = "novo x = " + example.texts[0] + ", novo y = " + example.texts[1];
    return text + " (" + std::to_string(example.trajectories.size()) + ")";
}

// The same problem the other way: a negative step, or the parameter run backwards.
TrajectoryRecord Reversed(const TrajectoryRecord& record, std::int16_t kind) {
    TrajectoryRecord back = record;
    if (kind == kSlopeField) {
        back.SetReal(tro::kStepSize, -record.Real(tro::kStepSize));
    } else {
        const long double t0 = record.Real(tro::kStartT);
        back.SetReal(tro::kEndT, t0 - (record.Real(tro::kEndT) - t0));
    }
    return back;
}

} // namespace

TIvpDlg::TIvpDlg(platform::Platform& platform, std::int16_t kind, IvpHost host)
    : platform_(platform), kind_(kind), host_(std::move(host)) {}

TIvpDlg::~TIvpDlg() = default;

void TIvpDlg::Show(platform::Window* owner) {
    if (!dialog_)
        dialog_ = platform_.CreateModeless(TemplateOf(kind_), *this, owner);
    if (!dialog_)
        return;
    ShowExample(*dialog_);
    dialog_->Show();
}

bool TIvpDlg::IsOpen() const { return dialog_ && dialog_->IsVisible(); }

void TIvpDlg::OnInit(platform::Dialog& dialog) {
    dialog.SetCheck(kRungeKutta, true);
    ShowExample(dialog);
}

bool TIvpDlg::OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) {
    (void)dialog;
    if (event != platform::ControlEvent::Clicked)
        return false;
    if (id == kAdd) {
        Add();
        return true;
    }
    if (id == kDeleteLast) {
        DeleteLast();
        return true;
    }
    return false; // "fechar" hides the dialog
}

void TIvpDlg::ShowExample(platform::Dialog& dialog) const {
    const ExampleRecord* example = host_.example ? host_.example() : nullptr;
    dialog.SetText(kExampleText, example ? Describe(*example) : std::string());
}

int TIvpDlg::Fail(int code) const {
    if (code != 0 && host_.showMessage)
        host_.showMessage(code);
    return code;
}

int TIvpDlg::Add(const long double* at, bool backwards) {
    if (!dialog_)
        return 0;
    ExampleRecord* example = host_.example ? host_.example() : nullptr;
    if (!example)
        return Fail(kNoExample);
    TrajectoryRecord record;
    if (const int code = ReadRecord(*dialog_, record); code != 0)
        return Fail(code);
    if (at) {
        record.SetReal(tro::kStartX, at[0]);
        record.SetReal(tro::kStartY, at[1]);
    }
    if (const int code = CheckWork(*example, record); code != 0)
        return Fail(code);
    const bool reversible = kind_ != kRecursive;
    if (!backwards || !reversible)
        example->trajectories.push_back(record);
    if (reversible && (backwards || dialog_->GetCheck(kBothWays)))
        example->trajectories.push_back(Reversed(record, kind_));
    AfterAdd(*dialog_, *example, record);
    ShowExample(*dialog_);
    if (host_.changed)
        host_.changed();
    return 0;
}

int TIvpDlg::DeleteLast() {
    ExampleRecord* example = host_.example ? host_.example() : nullptr;
    if (!example)
        return Fail(kNoExample);
    if (example->trajectories.empty())
        return Fail(kNothingToDo);
    example->trajectories.pop_back();
    if (dialog_)
        ShowExample(*dialog_);
    if (host_.changed)
        host_.changed();
    return 0;
}

int TIvpDlg::ReadNumber(const platform::Dialog& dialog, int id, long double& value) const {
    const int code = host_.evaluate ? host_.evaluate(dialog.GetText(id), value) : 1;
    if (code == 0 && !std::isfinite(value))
        return kOutOfRange;
    return code;
}

int TIvpDlg::ReadInteger(const platform::Dialog& dialog, int id, long low, long high, long& value) const {
    long double number = 0;
    if (const int code = ReadNumber(dialog, id, number); code != 0)
        return code;
    const long double rounded = std::round(number);
    if (!(rounded >= low && rounded <= high))
        return kOutOfRange;
    value = static_cast<long>(rounded);
    return 0;
}

int TIvpDlg::ReadRecord(const platform::Dialog& dialog, TrajectoryRecord& out) const {
    out = TrajectoryRecord();
    out.SetI16(tro::kKind, kind_);
    long double x = 0, y = 0;
    int code = 0;
    if ((code = ReadNumber(dialog, kStartX, x)) || (code = ReadNumber(dialog, kStartY, y)))
        return code;
    out.SetReal(tro::kStartX, x);
    out.SetReal(tro::kStartY, y);
    if (kind_ == kSystem)
        code = ReadSystemFields(dialog, out);
    else if (kind_ == kSlopeField)
        code = ReadSlopeFields(dialog, out);
    else
        code = ReadSequenceFields(dialog, out);
    if (code != 0)
        return code;
    long colour = 0, width = 0;
    if ((code = ReadInteger(dialog, kColour, 0, 24, colour)) || (code = ReadInteger(dialog, kWidth, 1, 30, width)))
        return code;
    out.SetI16(tro::kColour, static_cast<std::int16_t>(colour));
    out.SetI16(tro::kWidth, static_cast<std::int16_t>(width));
    return 0;
}

int TIvpDlg::ReadSystemFields(const platform::Dialog& dialog, TrajectoryRecord& out) const {
    long double t0 = 0, t1 = 0, value = 0;
    int code = 0;
    if ((code = ReadNumber(dialog, kStartT, t0)) || (code = ReadNumber(dialog, kEndT, t1)))
        return code;
    if (!(std::fabs(t1 - t0) >= kTiny))
        return kInconsistent;
    const std::string letter = dialog.GetText(kLetter);
    int slot = 0;
    if (!letter.empty()) {
        const unsigned char c = static_cast<unsigned char>(letter[0]);
        if (letter.size() != 1 || !std::isalpha(c))
            return kOutOfRange;
        slot = std::toupper(c) - 64;
        if ((code = ReadNumber(dialog, kLetterValue, value)))
            return code;
    }
    out.SetReal(tro::kStartT, t0);
    out.SetReal(tro::kEndT, t1);
    out.SetI16(tro::kLetter, static_cast<std::int16_t>(slot));
    out.SetReal(tro::kLetterValue, value);
    out.SetByte(tro::kOpenEnd, dialog.GetCheck(kOpenEnd) ? 1 : 0);
    out.SetI16(tro::kDirectionX, kSlotX);
    out.SetI16(tro::kDirectionY, kSlotY);
    out.SetI16(tro::kDirectionZ, -1);
    return 0;
}

int TIvpDlg::ReadSlopeFields(const platform::Dialog& dialog, TrajectoryRecord& out) const {
    long double h = 0;
    long steps = 0;
    int code = 0;
    if ((code = ReadNumber(dialog, kStepSize, h)))
        return code;
    if (!(std::fabs(h) >= kTiny))
        return kOutOfRange;
    if ((code = ReadInteger(dialog, kSteps, 1, kMaxTrajectorySteps, steps)))
        return code;
    const int method = dialog.GetCheck(kEuler) ? 0 : dialog.GetCheck(kModifiedEuler) ? 1 : 2;
    out.SetReal(tro::kStepSize, h);
    out.SetReal(tro::kEndT, steps);
    out.SetI16(tro::kMethod, static_cast<std::int16_t>(method));
    return 0;
}

// A dy/dx step that cannot cross the window, or a time-dependent system whose t range its
// steps cannot cover, within the bound of steps; each step of such a system advances t by
// at most the window's step.
int TIvpDlg::CheckWork(const ExampleRecord& example, const TrajectoryRecord& record) const {
    constexpr long double kBound = kMaxTrajectorySteps;
    if (kind_ == kSlopeField && host_.windowWidth) {
        const long double h = std::fabs(record.Real(tro::kStepSize));
        return host_.windowWidth() > kBound * h ? kTooManySteps : 0;
    }
    if (kind_ == kSystem && !example.Flag(exo::kFlag53) && host_.trajectoryStep) {
        const long double h = host_.trajectoryStep() / std::max<int>(1, example.Density());
        const long double span = std::fabs(record.Real(tro::kEndT) - record.Real(tro::kStartT));
        return span > kBound * h ? kTooManySteps : 0;
    }
    return 0;
}

int TIvpDlg::ReadSequenceFields(const platform::Dialog& dialog, TrajectoryRecord& out) const {
    long terms = 0, size = 0;
    int code = 0;
    if ((code = ReadInteger(dialog, kSteps, 0, kMaxTrajectorySteps, terms)) || (code = ReadInteger(dialog, kMarkSize, 0, 30, size)))
        return code;
    out.SetReal(tro::kEndT, terms);
    out.SetI16(tro::kSetting77, static_cast<std::int16_t>(size));
    out.SetByte(tro::kOpenEnd, dialog.GetCheck(kOpenEnd) ? 1 : 0);
    return 0;
}

} // namespace korvane
