#pragma once
// Root of the graph-window chain: the platform window, its title and file name, the
// modified flag, and messages by result code.
#include "graph/WindowOptions.h"
#include "platform/Platform.h"
#include "platform/WindowHandler.h"

#include <memory>
#include <optional>
#include <string>

namespace korvane {

class TFileMsgWin : public platform::WindowHandler {
public:
    TFileMsgWin(platform::Platform& platform, const WindowOptions& options, platform::Window* owner);
    ~TFileMsgWin() override;
    TFileMsgWin(const TFileMsgWin&) = delete;
    TFileMsgWin& operator=(const TFileMsgWin&) = delete;

    platform::Platform& GetPlatform() { return platform_; }
    platform::Window* GetWindow() { return window_.get(); }
    const WindowOptions& Options() const { return options_; }

    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& name) { fileName_ = name; }
    bool Modified() const { return modified_; }
    void SetModified(bool modified = true) { modified_ = modified; }

    // Message box with string 400 + code.
    void ShowMessage(int code, const std::string& caption = "hmm...");
    // 0 and the value, or the code of the failure. This level reads plain numbers only;
    // the expression level reads any constant expression.
    virtual int EvaluateNumber(const std::string& text, long double& value);
    // One-line input of a number: empty when cancelled; a text that does not evaluate
    // gives its code in `code`.
    std::optional<long double> AskNumber(int captionId, int labelId, const std::string& initial, int maxLength,
                                         int& code);

    // Title without a status text.
    const std::string& BaseTitle() const { return title_; }
    void SetBaseTitle(const std::string& title);

protected:
    void CreatePlatformWindow(const platform::WindowSpec& request);
    platform::Window* Owner() const { return owner_; }

    platform::Platform& platform_;
    WindowOptions options_;
    std::unique_ptr<platform::Window> window_;

private:
    platform::Window* owner_;
    std::string fileName_;
    std::string title_;
    bool modified_ = false;
};

// The string of an id, or empty.
std::string StringOf(int id);

} // namespace korvane
