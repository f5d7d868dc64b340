#pragma once
// Document level: new, open, save and save as of the window's document file, the
// question before a changed document goes, and the start-up document.
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "plane/DocumentProtection.h"
#include "plane/DocumentState.h"
#include "plane/TPlot1Win.h"
#include "text/TNoteWin.h"

namespace korvane {

class TPlot11Win : public TPlot1Win {
public:
    TPlot11Win(platform::Platform& platform, const WindowOptions& options, platform::Window* owner);

    void OnCommand(int id) override;
    bool OnClose() override;
    // At set-up: the start file when the frame gave one, else the last document when
    // the frame asks for it. A failure leaves the window empty and shows nothing: the
    // window is being set up, nobody has asked it anything yet.
    void OpenStartDocument();

    // 0, or code 11 with the window exactly as it was. Shows nothing.
    int OpenDocument(const std::string& path);
    // 0, or 11 when the file cannot be written; the old file is then intact.
    int SaveDocument(const std::string& path);
    // Empties the window and names its document "semnome" + extension.
    void NewDocument();

    // The window as a document, and a document read into the window.
    DocumentState CaptureDocument();
    void ApplyDocument(DocumentState&& state);

    // The notebook window, made on first use once the window exists; null in a window
    // without a notebook (or without a platform window).
    TNoteWin* Notebook();

    // Asks for the password when the document protects an operation of `mask` and the
    // password was not given yet in this window.
    bool Authorize(int mask) override;
    const DocumentProtection& Protection() const { return protection_; }

    virtual std::string DocumentExtension() const { return "kv2"; }
    virtual std::string DocumentFilter() const { return "Arquivos Rovu2Z (*.KV2)|*.kv2"; }

protected:
    // A window kind that lays its own view into the reals of the body (the space window)
    // takes the plane's bindings of the reals away and adds its own slots after the
    // common ones.
    virtual bool BindsPlaneReals() const { return true; }
    virtual void CaptureKindSettings(DocumentState& s) { (void)s; }
    virtual void ApplyKindSettings(const DocumentState& s) { (void)s; }
    // After a document was read or the window emptied: the kind rebuilds what the file
    // does not hold.
    virtual void AfterDocumentChanged() {}

    // Yes saves first, No discards, Cancel keeps the document: false means stop.
    bool ConfirmDiscard();

private:
    bool WorthAsking() const;
    bool AskSavePath(std::string& path);
    void CommandOpen();
    bool CommandSave(bool askPath);
    void ShowDocumentName();
    void CommandPassword();
    void CommandAuthor();
    struct SettingBindings;
    SettingBindings Bindings();
    void CaptureSettingBlocks(DocumentState& s);
    void ApplySettingBlocks(const DocumentState& s);
    void ApplyLists(DocumentState& s);
    void CaptureHeader(DocumentState& s);
    void ApplyHeader(const DocumentState& s);

    // What documents carry that no level of this window interprets yet: kept from the
    // last document so that saving again gives it back.
    struct Carried {
        std::array<std::int16_t, kDocumentWords> words{};
        std::array<std::uint8_t, kDocumentFlags> flags{};
        std::array<long double, kDocumentReals> reals{};
        std::vector<std::array<std::uint8_t, kShortListRecordSize>> shortList;
        std::optional<std::string> notebook;
        int lastSystem = -1, lastSlopeField = -1, lastRecursion = -1;
    };
    Carried carried_;
    std::unique_ptr<TNoteWin> notebook_;
    DocumentProtection protection_;
    std::string previous_; // the document that simultaneous printing puts back
    bool hasFile_ = false; // read from or written to a file since the last Novo
};

} // namespace korvane
