#include "plane/TInventDlg.h"

#include "plane/Cobweb.h"
#include "plane/TableOfValues.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdlib>
#include <cmath>
#include <sstream>
#include <vector>

#include "plane/DocumentText.h"
#include "plane/TPlot1Win.h"

namespace korvane {

namespace {


std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::string FamilyText(const ExampleRecord& e) {
    std::ostringstream out;
    const int letter = e.I16(exo::kFamilyLetter);
    out << static_cast<char>('@' + std::clamp(letter, 1, 26)) << ", " << e.I16(exo::kFamilySteps) << ", "
        << static_cast<double>(e.Real(exo::kFamilyFirst)) << ", " << static_cast<double>(e.Real(exo::kFamilyLast));
    return out.str();
}

} // namespace

TInventDlg::TInventDlg(TPlot1Win& window) : window_(window) {}

TInventDlg::~TInventDlg() = default;

void TInventDlg::Show() {
    if (!dialog_)
        dialog_ = window_.GetPlatform().CreateModeless("INVENT", *this, window_.GetWindow());
    if (dialog_) {
        Refresh();
        dialog_->Show();
    }
}

int TInventDlg::Selected() const {
    if (!dialog_)
        return -1;
    const int index = dialog_->ListSelection(kList);
    return index >= 0 && index <= window_.Examples().LastExample() ? index : -1;
}

void TInventDlg::Refresh() {
    if (dialog_)
        Fill(*dialog_, Selected());
}

void TInventDlg::OnInit(platform::Dialog& dialog) { Fill(dialog, -1); }

void TInventDlg::Fill(platform::Dialog& dialog, int select) {
    dialog.ListClear(kList);
    const ExampleTable& examples = window_.Examples();
    for (int i = 0; i <= examples.LastExample(); ++i)
        dialog.ListAdd(kList, window_.InventoryLine(i));
    if (select < 0 || select > examples.LastExample())
        select = examples.LastExample();
    dialog.ListSelect(kList, select);
    dialog.SetText(kField, select >= 0 ? examples.Name(select) : "");
    UpdateButtons(dialog);
}

void TInventDlg::UpdateButtons(platform::Dialog& dialog) {
    const int index = dialog.ListSelection(kList);
    const bool any = index >= 0 && index <= window_.Examples().LastExample();
    for (int id : {kEdit, kDelete, kCopy, kDuplicate, kShowGraph, kShowEquation, kName})
        dialog.Enable(id, any);
    // A cobweb draws one orbit: a family of it would draw nothing more.
    dialog.Enable(kFamily, any && !IsWeb(window_.Examples()[index]));
    dialog.Enable(kDerive, any && window_.CanDerive(window_.Examples()[index]));
    dialog.Enable(kTable, any && HasTableOfValues(window_.Examples()[index]));
    dialog.Enable(kWeb, any && CanMakeWeb(window_.Examples()[index]));
}

bool TInventDlg::OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) {
    using platform::ControlEvent;
    if (id == kList) {
        const int index = Selected();
        if (event == ControlEvent::SelectionChanged) {
            dialog.SetText(kField, index >= 0 ? window_.Examples().Name(index) : "");
            UpdateButtons(dialog);
            return true;
        }
        if (event == ControlEvent::DoubleClicked && index >= 0) {
            window_.EditExample(index, false);
            return true;
        }
        return false;
    }
    if (event != ControlEvent::Clicked)
        return false;
    const int index = Selected();
    if (index < 0)
        return id != platform::ResultCancel && id != platform::ResultOk;
    return Act(dialog, id, index);
}

bool TInventDlg::Act(platform::Dialog& dialog, int id, int index) {
    switch (id) {
    case kEdit: window_.EditExample(index, false); return true;
    case kDelete: Delete(index); return true;
    case kDuplicate: window_.DuplicateExample(index); return true;
    case kCopy: CopyText(index); return true;
    case kShowGraph: ToggleShown(index); return true;
    case kShowEquation: ToggleEquation(index); return true;
    case kName: SetName(dialog, index); return true;
    case kFamily: ToggleFamily(index); return true;
    case kDerive: window_.DeriveExample(index); return true;
    case kWeb: window_.MakeWeb(index); return true;
    case kTable: window_.ShowTable(index); return true;
    default: return false;
    }
}

void TInventDlg::Delete(int index) { window_.DeleteExample(index); }

void TInventDlg::CopyText(int index) {
    window_.GetPlatform().GetClipboard().SetText(window_.Examples()[index].texts[4]);
}

void TInventDlg::ToggleShown(int index) {
    ExampleRecord& e = window_.Examples()[index];
    e.SetShown(!e.Shown());
    window_.ExampleStyleChanged();
}

void TInventDlg::ToggleEquation(int index) {
    ExampleRecord& e = window_.Examples()[index];
    e.SetFlag(exo::kShowEquation, !e.Flag(exo::kShowEquation));
    window_.ExampleStyleChanged();
}

void TInventDlg::SetName(platform::Dialog& dialog, int index) {
    const std::string name = Trim(dialog.GetText(kField));
    if (!StorableText(name)) {
        window_.ShowMessage(kCharacterNotStored);
        return;
    }
    window_.Examples().SetName(index, name);
    window_.ExampleStyleChanged();
}

int TInventDlg::ParseFamily(const std::string& text, int& letter, int& steps, std::string& first, std::string& last) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, ',');)
        parts.push_back(Trim(part));
    if (parts.size() != 4 || parts[0].size() != 1 || parts[1].empty() || parts[2].empty() || parts[3].empty())
        return 17;
    const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(parts[0][0])));
    // X and Y are the plane's variables and T the curves' parameter.
    if (c < 'A' || c > 'Z' || c == 'X' || c == 'Y' || c == 'T')
        return 17;
    int count = 0;
    const char* end = parts[1].data() + parts[1].size();
    const auto [stop, error] = std::from_chars(parts[1].data(), end, count);
    if (error != std::errc() || stop != end || count == 0 || std::abs(count) > kMaxFamilySteps)
        return 17;
    letter = c - '@';
    steps = count;
    first = parts[2];
    last = parts[3];
    return 0;
}

void TInventDlg::ToggleFamily(int index) {
    ExampleRecord& e = window_.Examples()[index];
    // The pieces of an implicit curve belong to the members they were found for.
    const auto searchAgain = [&e] {
        if (e.Kind() != kImplicit)
            return;
        e.trajectories.clear();
        e.SetFlag(exo::kFlag56, true);
    };
    if (e.IsFamily()) {
        e.SetFlag(exo::kIsFamily, false);
        searchAgain();
        window_.ExampleStyleChanged();
        return;
    }
    const auto answer = window_.GetPlatform().InputBox("família", "letra, passos, primeiro, último", FamilyText(e),
                                                       window_.GetWindow());
    if (!answer)
        return;
    int letter = 0, steps = 0;
    std::string firstText, lastText;
    long double first = 0, last = 0;
    int code = ParseFamily(*answer, letter, steps, firstText, lastText);
    if (code == 0)
        code = window_.EvaluateNumber(firstText, first);
    if (code == 0)
        code = window_.EvaluateNumber(lastText, last);
    if (code == 0 && !(std::isfinite(first) && std::isfinite(last)))
        code = 17;
    if (code == 0 && first == last)
        code = 6;
    if (code != 0) {
        window_.ShowMessage(code);
        return;
    }
    e.SetI16(exo::kFamilyLetter, static_cast<std::int16_t>(letter));
    e.SetI16(exo::kFamilySteps, static_cast<std::int16_t>(steps));
    e.SetReal(exo::kFamilyFirst, first);
    e.SetReal(exo::kFamilyLast, last);
    e.SetFlag(exo::kIsFamily, true);
    searchAgain();
    window_.ExampleStyleChanged();
}

} // namespace korvane
