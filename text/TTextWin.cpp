#include "text/TTextWin.h"

#include "platform/Cp1252.h"
#include "platform/Utf8.h"
#include "text/TextCommands.h"
#include "text/TextFile.h"
#include "text/TextPrinting.h"
#include "text/TextSearch.h"

#include <algorithm>
#include <cmath>

namespace korvane {
namespace {

constexpr int kCannotUnderstand = 1; // "não foi possível compreender"
constexpr int kNotFoundCaption = 402; // "não foi possível achar"
constexpr int kTextFilter = 64;
constexpr int kMaxSearchWord = 256;
constexpr const char* kDiscardCaption = "cuidado!";
constexpr const char* kSaveQuestion = "o texto foi alterado. salvar as alterações?";

WindowOptions OptionsOf(const TextWinSetup& setup) {
    WindowOptions options;
    options.title = setup.title;
    options.readSettings = false;
    return options;
}

// The two offsets of "PRNSPX0"; a field that is not a number keeps the dialog open.
class OffsetsDialog : public platform::DialogHandler {
public:
    OffsetsDialog(TTextWin& window, TTextWin::PrintOffsets& offsets) : window_(window), offsets_(offsets) {}

    void OnInit(platform::Dialog& dialog) override {
        dialog.SetText(211, Text(offsets_.left));
        dialog.SetText(212, Text(offsets_.top));
    }
    bool OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) override {
        if (id != 1 || event != platform::ControlEvent::Clicked)
            return false;
        long double left = 0, top = 0;
        for (auto [field, value] : {std::pair{211, &left}, std::pair{212, &top}}) {
            if (const int code = window_.EvaluateNumber(dialog.GetText(field), *value); code != 0 || *value < 0) {
                window_.ShowMessage(code != 0 ? code : kCannotUnderstand);
                dialog.Focus(field);
                return true;
            }
        }
        offsets_ = {double(left), double(top)};
        dialog.End(1);
        return true;
    }

private:
    static std::string Text(double inches) {
        std::string s = std::to_string(std::lround(inches * 100) / 100.0);
        s.erase(s.find_last_not_of('0') + 1);
        if (!s.empty() && s.back() == '.')
            s.pop_back();
        return s;
    }

    TTextWin& window_;
    TTextWin::PrintOffsets& offsets_;
};

} // namespace

TTextWin::TTextWin(platform::Platform& platform, const TextWinSetup& setup, platform::Window* owner)
    : TFontWin(platform, OptionsOf(setup), owner), setup_(setup) {
    SetFileName(setup.fileName);
    platform::WindowSpec request;
    request.title = setup.title;
    request.menu = setup.menu;
    request.accelerators = setup.menu;
    request.owner = owner;
    request.kind = platform::WindowKind::Text;
    request.clientSize = {560, 420};
    CreatePlatformWindow(request);
    edit_ = window_->GetTextEdit();
    edit_->SetReadOnly(setup.readOnly);
    edit_->SetMaxLength(kMaxTextLength);
    if (setup.fixedPitch)
        Fonts()[std::clamp(setup.fontSlot, 0, kFontSlots - 1)].font.SetFaceName("Monospace");
    edit_->SetFont(FontSpecOf(setup.fontSlot));
    // Half the screen width from the left, a little lower or higher each time.
    const platform::Size screen = platform_.ScreenSize();
    platform::Placement place{screen.width / 2, 40 + int(platform_.TickCount() % 50), 560, 460, false};
    place.x = std::max(0, std::min(place.x, screen.width - place.width));
    window_->SetPlacement(place);
    window_->Hide();
    OnTextState();
}

TTextWin::~TTextWin() = default;

void TTextWin::SetText(const std::string& utf8) {
    edit_->SetText(CutText(utf8, kMaxTextLength));
    OnTextState();
}

std::string TTextWin::GetText() const { return CutText(edit_->GetText(), kMaxTextLength); }

void TTextWin::ShowWindow() {
    window_->Show();
    window_->BringToTop();
}

void TTextWin::HideWindow() { window_->Hide(); }
bool TTextWin::Hidden() const { return !window_->IsVisible(); }

bool TTextWin::Search(const std::string& word) {
    const std::u32string text = platform::Utf8ToU32(edit_->GetText());
    const std::u32string wanted = platform::Utf8ToU32(word);
    const platform::TextRange at = edit_->Selection();
    const int found = FindWithoutCase(text, wanted, std::max(at.start, at.end));
    if (found < 0)
        return false;
    edit_->Select({found, found + int(wanted.size())});
    return true;
}

void TTextWin::OnTextState() {
    const platform::TextRange s = edit_->Selection();
    const auto clip = platform_.GetClipboard().GetText();
    window_->EnableMenuItem(cmd::kTextCopy, !s.Empty());
    window_->EnableMenuItem(cmd::kTextCut, !s.Empty() && !setup_.readOnly);
    window_->EnableMenuItem(cmd::kTextPaste, !setup_.readOnly && clip && !clip->empty());
    window_->EnableMenuItem(cmd::kTextSelectAll, !edit_->GetText().empty());
    window_->EnableMenuItem(cmd::kTextSearchAgain, !searchWord_.empty());
    window_->EnableMenuItem(cmd::kTextMinusSign, !setup_.readOnly);
}

void TTextWin::OnFontChanged(int slot) {
    if (slot == setup_.fontSlot)
        edit_->SetFont(FontSpecOf(slot));
}

void TTextWin::Status(const std::string& text) {
    window_->SetTitle(text.empty() ? BaseTitle() : BaseTitle() + " - " + text);
}

void TTextWin::OnCommand(int id) {
    switch (id) {
    case cmd::kTextOpen: CommandOpen(); break;
    case cmd::kTextSave: CommandSave(!hasFile_); break;
    case cmd::kTextSaveAs: CommandSave(true); break;
    case cmd::kTextPrint: CommandPrint(); break;
    case cmd::kTextOffsets: CommandOffsets(); break;
    case cmd::kTextPrinterSetup: CommandPrinterSetup(); break;
    case cmd::kTextCopy: edit_->Copy(); break;
    case cmd::kTextCut: edit_->Cut(); break;
    case cmd::kTextPaste: edit_->Paste(); break;
    case cmd::kTextSelectAll: edit_->SelectAll(); break;
    case cmd::kTextSearch: CommandSearch(); break;
    case cmd::kTextSearchAgain: CommandSearchAgain(); break;
    case cmd::kTextStartAgain:
        edit_->ScrollToTop();
        edit_->Select({0, 0});
        break;
    case cmd::kTextFont: ChooseFontSlot(setup_.fontSlot); break;
    case cmd::kTextMinusSign: CommandMinusSign(); break;
    case cmd::kTextSearchHelp: CommandSearchHelp(); break;
    case cmd::kTextClose: window_->Close(); break;
    default: return;
    }
    OnTextState();
}

// Closing only hides; a changed text is offered for saving first.
bool TTextWin::OnClose() {
    if (AsksToSave() && !setup_.readOnly && edit_->IsModified()) {
        const auto answer = platform_.MessageBox(kSaveQuestion, kDiscardCaption, platform::MessageButtons::YesNoCancel,
                                                 platform::MessageIcon::Question, window_.get());
        if (answer == platform::AnswerCancel || (answer == platform::AnswerYes && !CommandSave(!hasFile_)))
            return false;
        edit_->SetModified(false);
    }
    window_->Hide();
    return false;
}

void TTextWin::CommandOpen() {
    const auto path = platform_.OpenFileDialog({"", StringOf(kTextFilter), FileName(), "txt", window_.get()});
    if (!path)
        return;
    std::string text;
    bool cut = false;
    if (const int code = ReadTextFile(*path, text, &cut); code != 0) {
        ShowMessage(code);
        return;
    }
    edit_->SetText(text);
    SetFileName(*path);
    hasFile_ = true;
    Status(cut ? "arquivo cortado em 64000 caracteres" : "");
}

bool TTextWin::CommandSave(bool askPath) {
    std::string path = FileName();
    if (askPath) {
        const auto chosen = platform_.SaveFileDialog({"", StringOf(kTextFilter), FileName(), "txt", window_.get()});
        if (!chosen)
            return false;
        path = *chosen;
    }
    if (const int code = WriteTextFile(path, GetText()); code != 0) {
        ShowMessage(code);
        return false;
    }
    SetFileName(path);
    hasFile_ = true;
    edit_->SetModified(false);
    return true;
}

void TTextWin::CommandSearch() {
    const auto word = platform_.InputBox(StringOf(5), StringOf(6), searchWord_, window_.get(), kMaxSearchWord);
    if (!word || word->empty())
        return;
    searchWord_ = CutText(*word, 255);
    if (!Search(searchWord_))
        platform_.MessageBox(searchWord_, StringOf(kNotFoundCaption), platform::MessageButtons::Ok,
                             platform::MessageIcon::None, window_.get());
}

void TTextWin::CommandSearchAgain() {
    if (searchWord_.empty())
        return;
    if (!Search(searchWord_))
        platform_.MessageBox(searchWord_, StringOf(kNotFoundCaption), platform::MessageButtons::Ok,
                             platform::MessageIcon::None, window_.get());
}

void TTextWin::CommandMinusSign() {
    if (setup_.readOnly)
        return;
    const auto answer = platform_.InputBox(StringOf(3), StringOf(4), "150", window_.get(), 10);
    if (!answer)
        return;
    long double code = 0;
    if (EvaluateNumber(*answer, code) != 0 || code != std::floor(code) || code < 2 || code > 255) {
        ShowMessage(kCannotUnderstand);
        return;
    }
    const std::string sign = platform::Cp1252ToUtf8(std::string(1, char(int(code))));
    std::string text = edit_->GetText(), out;
    out.reserve(text.size());
    for (char c : text)
        out += c == '-' ? sign : std::string(1, c);
    const bool modified = edit_->IsModified() || out != text;
    edit_->SetText(out);
    edit_->SetModified(modified);
}

void TTextWin::CommandSearchHelp() {
    platform_.MessageBox(StringOf(8) + "\n" + StringOf(9) + "\n" + StringOf(10) + "\n" + StringOf(11), StringOf(12),
                         platform::MessageButtons::Ok, platform::MessageIcon::Information, window_.get());
}

void TTextWin::CommandOffsets() {
    OffsetsDialog dialog(*this, offsets_);
    platform_.RunModal("PRNSPX0", dialog, window_.get());
}

void TTextWin::CommandPrinterSetup() {
    if (!printer_)
        printer_ = platform_.CreatePrinter();
    if (printer_)
        printer_->Choose(window_.get());
}

void TTextWin::CommandPrint() {
    if (!printer_)
        printer_ = platform_.CreatePrinter();
    if (!printer_ || !printer_->Choose(window_.get()))
        return;
    const std::string name = FileName().substr(FileName().find_last_of('/') + 1);
    TextPrintJob job{name, GetText(), FontSpecOf(setup_.fontSlot), Font(setup_.fontSlot).pointSize, offsets_.left,
                     offsets_.top};
    if (const int code = PrintText(*printer_, job); code != 0)
        ShowMessage(code);
}

} // namespace korvane
