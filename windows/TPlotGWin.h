#pragma once
// The guessing game: a reduced plane window that draws the graph of a random formula and
// asks the student to type that formula. It holds exactly two explicit examples, the
// target (0) and the last wrong guess (1), and opens and saves no documents.
#include "graph/PlaneSlotMap.h"
#include "plane/TPlot11Win.h"
#include "windows/GuessSettings.h"
#include "windows/GuessTarget.h"

#include <string>

namespace korvane {

class RandomGenerator;

namespace cmd {
inline constexpr int kNewTarget = 791;
inline constexpr int kGuess = 404;
inline constexpr int kAnswer = 806;
inline constexpr int kSelectTypes = 870;
inline constexpr int kSelectAllTypes = 119;
inline constexpr int kRestoreTypes = 871;
inline constexpr int kGuessHelpFirst = 361; // 361..366: the help texts KVGHELP .. KVGMISCH
inline constexpr int kGuessClose = 24310;
} // namespace cmd

// Colour slots of the target (the window's pen), the wrong guess and the asymptotes.
inline constexpr int kSlotTarget = 9;
inline constexpr int kSlotGuess = 12;
inline constexpr int kSlotAsymptotes = 13;

// The score the status line shows beside the game's messages.
struct GuessScore {
    int guesses = 0; // judged guesses at the current target
    int solved = 0;  // targets solved before their answer was shown
    int shown = 0;   // targets made
    bool targetSolved = false;
    bool answerShown = false;
};

class TPlotGWin : public TPlot11Win {
public:
    // Every draw of the game comes from `random`, the program's generator.
    TPlotGWin(platform::Platform& platform, const WindowOptions& options, platform::Window* owner,
              RandomGenerator& random);
    ~TPlotGWin() override;

    std::string SettingsFileName() const override { return "guess.ini"; }
    std::int32_t SettingsIdentifier() const override { return kGuessIdentifier; }

    GuessSettings& Settings() { return settings_; }
    const GuessTarget& Target() const { return target_; }
    const GuessScore& Score() const { return score_; }
    const std::string& LastWrongGuess() const { return lastWrongGuess_; }
    // The game's message under the score, as the title bar shows it.
    std::string StatusLine() const;

    // F2: a new target replaces the old one and forgets the wrong guess.
    void NewTarget();
    // F4: asks for a guess and judges it.
    void AskGuess();
    void JudgeGuessText(const std::string& text);
    // F5: the target's formula in a message box.
    void ShowAnswer();
    // F6: the dialog "SWITCH".
    void SelectTypes();

    void OnCommand(int id) override;
    // Nothing to save: the game closes without a question.
    bool OnClose() override { return true; }
    void OnDestroy() override;
    void DrawBase(platform::Surface& surface) override;

protected:
    void PackSlots(SettingsRecord& record) override;
    void UnpackSlots(const SettingsRecord& record) override;

private:
    void SetUpDefaults();
    void CreateWindowFromSettings();
    void SetUpRecord(int index, const std::string& text);
    void SetGameStatus(const std::string& message);
    void DrawAsymptotes(platform::Surface& surface);
    void ShowGameHelp(int index);
    std::string HelpName() const override { return "KVGHELP"; }

    RandomGenerator& random_;
    GuessSettings settings_;
    GuessTarget target_;
    GuessScore score_;
    PlaneValues plane_;
    std::string lastWrongGuess_;
    std::string message_;
    bool generating_ = false; // a command that arrives while a target is made waits
};

} // namespace korvane
