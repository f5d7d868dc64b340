#include "plane/TPlot11Win.h"

#include <cmath>
#include <utility>
#include <vector>

#include "expr/LetterParameters.h"
#include "graph/ColourTable.h"
#include "plane/DocumentFile.h"
#include "plane/DocumentText.h"
#include "plane/EquationLabel.h"
#include "plane/PlaneCommands.h"
#include "plane/TAskPwDlg.h"
#include "plane/TSetPwDlg.h"
#include "platform/Cp1252.h"
#include "platform/FileIO.h"
#include "resources/Resources.h"

namespace korvane {

namespace {

// The labels and pictures of a document; false when one of them is damaged.
bool LoadGraphItems(const DocumentState& s, std::vector<GraphText>& texts, std::vector<PastedPicture>& pictures) {
    texts.clear();
    pictures.clear();
    for (const auto& record : s.textItems) {
        std::optional<GraphText> text = LoadGraphText(record);
        if (!text)
            return false;
        texts.push_back(std::move(*text));
    }
    for (const StoredPicture& stored : s.pictures) {
        std::optional<PastedPicture> picture = LoadPastedPicture(stored.placement, stored.mode, stored.data);
        if (!picture)
            return false;
        pictures.push_back(std::move(*picture));
    }
    return true;
}

} // namespace

namespace {

constexpr const char* kUntitled = "semnome";
constexpr int kNotAuthorized = 27;   // "não autorizado"
constexpr int kNotProtected = 28;    // "não protegido"
constexpr int kProtectedMessage = 29; // "protegido"
constexpr int kAuthorCaption = 95;   // "autor"
constexpr int kCannotSaveFile = 12; // "não é possível salvar arquivo"
constexpr const char* kDiscardCaption = "cuidado!";
constexpr const char* kDiscardQuestion = "o documento foi alterado. salvar as alterações?";

std::string BaseName(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool IsUntitled(const std::string& path) { return BaseName(path).starts_with(kUntitled); }

template <typename T>
struct Binding {
    int index;
    T* value;
};

std::string UntitledName(const std::string& extension) { return std::string(kUntitled) + "." + extension; }

int InRange(int v, int low, int high, int fallback) { return v < low || v > high ? fallback : v; }

} // namespace

struct TPlot11Win::SettingBindings {
    std::vector<Binding<int>> words;
    std::vector<Binding<bool>> flags;
    std::vector<Binding<long double>> reals;
};

TPlot11Win::TPlot11Win(platform::Platform& platform, const WindowOptions& options, platform::Window* owner)
    : TPlot1Win(platform, options, owner) {
    SetFileName(options.title.empty() ? UntitledName(DocumentExtension()) : options.title);
    DocumentState defaults;
    CorrectDocumentSettings(defaults);
    carried_.words = defaults.words;
    carried_.reals = defaults.reals;
    // Virtual: asked when used, once the window kind is complete.
    output_.documents.filter = [this] { return DocumentFilter(); };
    output_.documents.mayReplace = [this] {
        previous_ = hasFile_ && !IsUntitled(FileName()) ? FileName() : std::string();
        return ConfirmDiscard();
    };
    output_.documents.load = [this](const std::string& path) { return OpenDocument(path) == 0; };
    output_.documents.restore = [this] {
        if (previous_.empty() || OpenDocument(previous_) != 0)
            NewDocument();
    };
}

// Where each setting of the window's levels lives in the body's blocks. Every row is
// both written and read, so a setting comes back one to one. Slots not listed are fixed
// by the format (words 9, 41, 42; flags 12, 17; the blocks written as zero or one) or
// kept as the last document had them.
//
//   words (int16)                     flags (bytes)                reals (80-bit)
//    0 decimals                        0 axes shown                 0 cx        1 cy
//    1 field width                     2 ticks                      2 rx        3 ry
//    4 axes kind                       3 arrows                     4 xmin      5 xmax
//    5 scale-label bits                4 solid arrows               6 ymin      7 ymax
//    6 grid bits                       5 dots                       8 aspect
//    7 y tick decimals                 6 labels                     9 zoom factor
//   10 tick length                     7 pi on x    8 pi on y      11 move step
//   11 arrow length                    9 custom minus sign         12 x tick   13 y tick
//   12 mark size                      10 dotted lines              14 x origin 15 y origin
//   13 minus character                11 independent axes          16 null-vector tolerance
//   14 text background                13 scientific numbers        17 loop tolerance
//   16 dotted-line colour             14 second number option      18 minimum travel (pixels)
//   17/18 axes width screen/printer   15 connect points (702)      41 trajectory step (pixels)
//   19/20 grid width screen/printer   16 sharp angles (734)
//   21 tick interval state            18 infinite slope (790)
//   22 watch delay                    19 search implicit again (810)
//   26 x tick decimals                20 symbolic derivatives
//   27 x label frequency              21 black graphs
//   38 y label frequency
//   39 pi character
//   40 polar grid sectors
//
// Header: position and size (words 2..6), the display toggle (7), the four print scale
// factors (9..12) and two print flags (13, 14) of the settings level, the ten font slots,
// and the fifteen colour slots as the header's int16 settings. The three window texts are
// the axis names.
TPlot11Win::SettingBindings TPlot11Win::Bindings() {
    PlaneDrawSettings& d = drawSettings_;
    return SettingBindings{
        {{0, &format_.decimals},      {1, &format_.fieldWidth},   {4, &axes_.axesKind},
         {5, &axes_.scaleBits},       {6, &axes_.gridBits},       {7, &axes_.decimalsY},
         {10, &axes_.tickLen},        {11, &axes_.arrowLen},      {12, &axes_.markSize},
         {13, &axes_.minusChar},      {14, &axes_.textBackground}, {16, &axes_.dottedColour},
         {17, &widths_.axesScreen},   {18, &widths_.axesPrinter}, {19, &widths_.gridScreen},
         {20, &widths_.gridPrinter},  {21, &axes_.intervalState}, {22, &d.watchDelay},
         {26, &axes_.decimalsX},      {27, &axes_.freqX},         {38, &axes_.freqY},
         {39, &axes_.piChar},         {40, &axes_.polarSectors}},
        {{0, &axes_.axesShown},       {2, &axes_.ticks},          {3, &axes_.arrows},
         {4, &axes_.solidArrows},     {5, &axes_.dots},           {6, &axes_.labels},
         {7, &axes_.piX},             {8, &axes_.piY},            {9, &axes_.minusCustom},
         {10, &axes_.dottedLines},    {11, &view_.independent},   {13, &format_.scientific},
         {14, &format_.secondOption}, {15, &d.connectPoints},     {16, &d.sharpAngles},
         {18, &d.infiniteSlope},      {19, &d.researchImplicit},  {20, &d.symbolicDerivatives},
         {21, &d.blackGraphs}},
        {{0, &view_.cx},   {1, &view_.cy},   {2, &view_.rx},    {3, &view_.ry},
         {4, &view_.xmin}, {5, &view_.xmax}, {6, &view_.ymin},  {7, &view_.ymax},
         {8, &view_.aspect}, {9, &view_.zoomFactor}, {11, &view_.step},
         {12, &axes_.tickX}, {13, &axes_.tickY}, {14, &axes_.originX}, {15, &axes_.originY},
         {16, &d.nullVectorTolerance}, {17, &d.loopTolerance}, {18, &d.minimumTravel},
         {docr::kTrajectoryStep, &d.trajectoryStep}},
    };
}

void TPlot11Win::CaptureSettingBlocks(DocumentState& s) {
    s.words = carried_.words;
    s.flags = carried_.flags;
    s.reals = carried_.reals;
    const SettingBindings b = Bindings();
    for (const auto& w : b.words)
        s.words[static_cast<std::size_t>(w.index)] = static_cast<std::int16_t>(*w.value);
    for (const auto& f : b.flags)
        s.flags[static_cast<std::size_t>(f.index)] = *f.value ? 1 : 0;
    if (BindsPlaneReals())
        for (const auto& r : b.reals)
            s.reals[static_cast<std::size_t>(r.index)] = *r.value;
    s.SetComplexMode(context_.complexMode);
    CaptureKindSettings(s);
}

namespace {

// Values no window could have written are put back in range, so that a damaged or hand
// made file cannot leave the drawing with a zero or negative size.
void SanitiseLook(AxisSettings& a, NumberFormat& f, LineWidths& w, View& v) {
    f.decimals = InRange(f.decimals, 0, 19, 5);
    f.fieldWidth = InRange(f.fieldWidth, 0, 100, f.decimals + 2);
    a.axesKind = InRange(a.axesKind, AxesNone, AxesPolar, AxesBoth);
    a.tickLen = InRange(a.tickLen, 1, 100, 10);
    a.arrowLen = InRange(a.arrowLen, 0, 100, 7);
    a.markSize = InRange(a.markSize, 0, 100, 5);
    a.decimalsX = InRange(a.decimalsX, 0, 19, 1);
    a.decimalsY = InRange(a.decimalsY, 0, 19, 1);
    a.freqX = InRange(a.freqX, 1, 1000, 1);
    a.freqY = InRange(a.freqY, 1, 1000, 1);
    a.polarSectors = InRange(a.polarSectors, 2, 360, 12);
    a.piChar = InRange(a.piChar, 32, 255, 112);
    a.minusChar = InRange(a.minusChar, 32, 255, 150);
    a.dottedColour = InRange(a.dottedColour, 0, kColourCount - 1, 20);
    for (int* width : {&w.axesScreen, &w.axesPrinter, &w.gridScreen, &w.gridPrinter})
        *width = InRange(*width, 1, 100, 1);
    if (!(a.tickX > 1e-18L) || !(a.tickY > 1e-18L))
        a.tickX = a.tickY = 1;
    if (!(v.zoomFactor > 1e-18L) || !(v.step > 1e-18L)) {
        v.zoomFactor = 1.1L;
        v.step = 0.05L;
    }
    const bool sized = v.independent ? v.xmax - v.xmin > 1e-18L && v.ymax - v.ymin > 1e-18L
                                     : v.rx > 1e-18L && v.aspect > 1e-18L;
    if (!sized || !std::isfinite(v.rx) || !std::isfinite(v.cx) || !std::isfinite(v.cy) ||
        !std::isfinite(v.xmin + v.xmax + v.ymin + v.ymax + v.aspect)) {
        v.independent = false;
        v.cx = v.cy = 0;
        v.rx = 5;
        v.aspect = 1;
    }
}

} // namespace

void TPlot11Win::ApplySettingBlocks(const DocumentState& s) {
    carried_.words = s.words;
    carried_.flags = s.flags;
    carried_.reals = s.reals;
    const SettingBindings b = Bindings();
    for (const auto& w : b.words)
        *w.value = s.words[static_cast<std::size_t>(w.index)];
    for (const auto& f : b.flags)
        *f.value = s.flags[static_cast<std::size_t>(f.index)] != 0;
    if (BindsPlaneReals())
        for (const auto& r : b.reals)
            *r.value = s.reals[static_cast<std::size_t>(r.index)];
    SanitiseLook(axes_, format_, widths_, view_);
    if (!(drawSettings_.trajectoryStep > 1e-18L) || !std::isfinite(drawSettings_.trajectoryStep))
        drawSettings_.trajectoryStep = 1;
    context_.SetComplexMode(s.ComplexMode());
    ApplyKindSettings(s);
}

void TPlot11Win::CaptureHeader(DocumentState& s) {
    s.tag = SettingsIdentifier();
    if (window_) {
        const platform::Placement p = window_->GetPlacement();
        s.x = p.x;
        s.y = p.y;
        s.width = p.width;
        s.height = p.height;
        s.maximized = window_->IsMaximized();
    }
    s.displayToggle = stored_.headerFlag ? 1 : 0;
    for (std::size_t i = 0; i < s.scaleFactors.size(); ++i)
        s.scaleFactors[i] = stored_.printValues[i];
    s.windowFlags = {stored_.printFlags[0] ? 1 : 0, stored_.printFlags[1] ? 1 : 0};
    s.fonts.assign(Fonts().begin(), Fonts().end());
    s.headerSettings.clear();
    for (const ColourSlot& slot : colours_.slots)
        s.headerSettings.push_back(static_cast<std::int16_t>(slot.index));
}

void TPlot11Win::ApplyHeader(const DocumentState& s) {
    if (window_ && s.width > 0 && s.height > 0)
        PlaceOnScreen({s.x, s.y, s.width, s.height, s.maximized});
    stored_.headerFlag = s.displayToggle != 0;
    for (std::size_t i = 0; i < s.scaleFactors.size(); ++i)
        stored_.printValues[i] = s.scaleFactors[i];
    BoundPrintValues(stored_.printValues);
    stored_.printFlags[0] = s.windowFlags[0] != 0;
    stored_.printFlags[1] = s.windowFlags[1] != 0;
    for (std::size_t i = 0; i < s.fonts.size() && i < Fonts().size(); ++i)
        Fonts()[i] = s.fonts[i];
    for (std::size_t i = 0; i < s.headerSettings.size() && i < colours_.slots.size(); ++i)
        colours_.slots[i].index = InRange(s.headerSettings[i], 0, kColourCount - 1, colours_.slots[i].index);
    ColourTable& table = ProgramColours();
    std::uint8_t* rows[3] = {table.red, table.green, table.blue};
    for (std::size_t t = 0; t < 3; ++t)
        for (std::size_t i = 0; i < s.colourTables[t].size() && i < kColourCount; ++i)
            rows[t][i] = s.colourTables[t][i];
}

DocumentState TPlot11Win::CaptureDocument() {
    DocumentState s;
    CaptureHeader(s);
    CaptureSettingBlocks(s);
    for (int i = 0; i <= examples_.LastExample(); ++i) {
        s.examples[i] = examples_[i].CopyWithoutTrees();
        s.examples.SetName(i, examples_.Name(i));
    }
    s.examples.SetLastExample(examples_.LastExample());
    ExampleTextsToDocument(s.examples);
    for (std::size_t i = 0; i < s.windowTexts.size(); ++i)
        s.windowTexts[i] = platform::Utf8ToCp1252(axes_.axisNames[i]);
    protection_.Store(s);
    s.letters = CopyLetterTables(context_);
    s.functions = functions_;
    for (const GraphText& t : texts_)
        s.textItems.push_back(StoreGraphText(t));
    for (const PastedPicture& p : pictures_)
        s.pictures.push_back({StorePicturePlacement(p), static_cast<std::uint8_t>(p.format), p.data});
    s.equationLabels = TakeEquationLabels(s.examples);
    s.shortList = carried_.shortList;
    s.notebook = notebook_ ? platform::Utf8ToCp1252(notebook_->GetText()) : carried_.notebook;
    if (!s.notebook && options_.hasNotebook)
        s.notebook.emplace();
    return s;
}

void TPlot11Win::ApplyLists(DocumentState& s) {
    for (std::size_t i = 0; i < s.windowTexts.size(); ++i)
        axes_.axisNames[i] = platform::Cp1252ToUtf8(s.windowTexts[i]);
    if (!LoadGraphItems(s, texts_, pictures_)) {
        texts_.clear();
        pictures_.clear();
    }
    carried_.shortList = std::move(s.shortList);
    carried_.notebook = std::move(s.notebook);
    if (notebook_)
        notebook_->SetText(platform::Cp1252ToUtf8(carried_.notebook.value_or("")));
    carried_.lastSystem = s.lastSystem;
    carried_.lastSlopeField = s.lastSlopeField;
    carried_.lastRecursion = s.lastRecursion;
}

void TPlot11Win::ApplyDocument(DocumentState&& s) {
    ApplyHeader(s);
    ApplySettingBlocks(s);
    RestoreLetterTables(context_, s.letters);
    functions_ = std::move(s.functions);
    ExampleTextsFromDocument(s.examples);
    ShowListedEquations(s.equationLabels, s.examples);
    examples_ = std::move(s.examples);
    ApplyLists(s);
    SyncPixelSizes();
    Recompute();
}

int TPlot11Win::OpenDocument(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    if (!ReadWholeFile(path, bytes))
        return kCannotOpenFile;
    DocumentState state;
    const int code = ReadDocument(bytes, SettingsIdentifier(), state);
    if (code != 0)
        return code;
    std::vector<GraphText> texts;
    std::vector<PastedPicture> pictures;
    if (!LoadGraphItems(state, texts, pictures))
        return kCannotOpenFile;
    DocumentProtection protection;
    if (const int refused = DocumentProtection::Load(state, protection); refused != 0)
        return refused;
    ApplyDocument(std::move(state));
    protection_ = std::move(protection);
    hasFile_ = true;
    SetFileName(path);
    SetLastDocument(path);
    SetModified(false);
    ShowDocumentName();
    RecompileAll();
    AfterDocumentChanged();
    RefreshMenuChecks();
    InvalidatePicture();
    Redraw(0);
    ExamplesChanged();
    return 0;
}

int TPlot11Win::SaveDocument(const std::string& path) {
    if (!WriteFileAtomically(path, WriteDocument(CaptureDocument())))
        return kCannotSaveFile;
    hasFile_ = true;
    SetFileName(path);
    SetLastDocument(path);
    SetModified(false);
    if (notebook_)
        notebook_->Edit().SetModified(false);
    ShowDocumentName();
    return 0;
}

void TPlot11Win::NewDocument() {
    examples_.Clear();
    functions_.Clear();
    ResetLetterParameters(context_);
    carried_ = Carried{};
    texts_.clear();
    pictures_.clear();
    protection_ = DocumentProtection{};
    DocumentState defaults;
    CorrectDocumentSettings(defaults);
    carried_.words = defaults.words;
    carried_.reals = defaults.reals;
    if (notebook_)
        notebook_->Clear();
    RecomputeLettersInUse();
    hasFile_ = false;
    SetFileName(UntitledName(DocumentExtension()));
    AfterDocumentChanged();
    SetModified(false);
    ShowDocumentName();
    InvalidatePicture();
    Redraw(0);
    ExamplesChanged();
}

void TPlot11Win::ShowDocumentName() {
    SetBaseTitle(BaseName(FileName()) + (protection_.Protected() ? "+" : ""));
    if (window_)
        window_->EnableMenuItem(cmd::kAuthor, (protection_.protection & kShowAuthor) != 0);
    if (notebook_)
        notebook_->DocumentNamed(FileName());
}

TNoteWin* TPlot11Win::Notebook() {
    if (!notebook_ && options_.hasNotebook && window_) {
        notebook_ = std::make_unique<TNoteWin>(platform_, window_.get());
        notebook_->SetText(platform::Cp1252ToUtf8(carried_.notebook.value_or("")));
        notebook_->DocumentNamed(FileName());
    }
    return notebook_.get();
}

// A window that never had a file and holds no example loses nothing on closing: its
// look goes to the settings file anyway.
bool TPlot11Win::WorthAsking() const {
    const bool notes = notebook_ && notebook_->Edit().IsModified();
    return notes || (Modified() && (hasFile_ || examples_.LastExample() >= 0));
}

bool TPlot11Win::ConfirmDiscard() {
    if (!WorthAsking())
        return true;
    const auto answer = platform_.MessageBox(kDiscardQuestion, kDiscardCaption, platform::MessageButtons::YesNoCancel,
                                             platform::MessageIcon::Question, window_.get());
    if (answer == platform::AnswerYes)
        return CommandSave(false);
    return answer == platform::AnswerNo;
}

bool TPlot11Win::AskSavePath(std::string& path) {
    platform::FileDialogSpec request;
    request.title = "salvar como";
    request.filter = DocumentFilter();
    request.initialPath = FileName();
    request.defaultExtension = DocumentExtension();
    request.owner = window_.get();
    const auto chosen = platform_.SaveFileDialog(request);
    if (!chosen || chosen->empty())
        return false;
    path = *chosen;
    return true;
}

bool TPlot11Win::CommandSave(bool askPath) {
    if (!Authorize(kProtectSave))
        return false;
    std::string path = FileName();
    if ((askPath || !hasFile_ || IsUntitled(path)) && !AskSavePath(path))
        return false;
    if (SaveDocument(path) != 0) {
        ShowMessage(kCannotSaveFile);
        return false;
    }
    return true;
}

void TPlot11Win::CommandOpen() {
    if (!ConfirmDiscard())
        return;
    platform::FileDialogSpec request;
    request.title = "abrir";
    request.filter = DocumentFilter();
    request.initialPath = LastDocument();
    request.defaultExtension = DocumentExtension();
    request.owner = window_.get();
    const auto chosen = platform_.OpenFileDialog(request);
    if (!chosen || chosen->empty())
        return;
    if (OpenDocument(*chosen) != 0)
        ShowMessage(kCannotOpenFile);
}

void TPlot11Win::OnCommand(int id) {
    switch (id) {
    case cmd::kNew:
        if (ConfirmDiscard())
            NewDocument();
        return;
    case cmd::kOpen: CommandOpen(); return;
    case cmd::kSave: CommandSave(false); return;
    case cmd::kSaveAs: CommandSave(true); return;
    case cmd::kPassword: CommandPassword(); return;
    case cmd::kAuthor: CommandAuthor(); return;
    case cmd::kNotebook:
        if (Notebook() && Authorize(kProtectNotebook))
            notebook_->ShowWindow();
        return;
    default: TPlot1Win::OnCommand(id); return;
    }
}

bool TPlot11Win::OnClose() { return ConfirmDiscard(); }

bool TPlot11Win::Authorize(int mask) {
    if (protection_.unlocked || !protection_.Protected() || (protection_.protection & mask) == 0)
        return true;
    TAskPwDlg dialog;
    if (platform_.RunModal("ASKPW", dialog, window_.get()) != platform::ResultOk)
        return false;
    if (!PasswordMatches(protection_.passwordHash, dialog.Typed())) {
        ShowMessage(kNotAuthorized);
        return false;
    }
    protection_.unlocked = true;
    return true;
}

void TPlot11Win::CommandPassword() {
    if (!Authorize(1023))
        return;
    TSetPwDlg dialog(*this, protection_);
    if (platform_.RunModal("SETPW", dialog, window_.get()) == TSetPwDlg::kCancelled)
        return;
    ShowMessage(protection_.Protected() ? kProtectedMessage : kNotProtected);
    protection_.unlocked = true;
    SetModified();
    ShowDocumentName();
}

void TPlot11Win::CommandAuthor() {
    if ((protection_.protection & kShowAuthor) == 0)
        return;
    const auto& a = protection_.author;
    platform_.MessageBox(a[0] + "\n" + a[1] + "\n" + a[2] + "\n" + a[3], StringOf(kAuthorCaption),
                         platform::MessageButtons::Ok, platform::MessageIcon::Information, window_.get());
}

void TPlot11Win::OpenStartDocument() {
    ShowDocumentName();
    if (!options_.startFile.empty())
        OpenDocument(options_.startFile);
    else if (options_.openLast && !LastDocument().empty())
        OpenDocument(LastDocument());
    EnableOutputCommands();
}

} // namespace korvane
