// An accelerator pressed while a curve is traced stops the drawing, and its command runs
// after the drawing has returned: the tracer puts its saved letters back into the
// document it drew, never into the one the command opened.
#include "tests/support/PlaneWindowTestSupport.h"

#include "plane/PlaneCommands.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace korvane {
namespace {

using platform::MemoryWindow;
constexpr int kLetterA = 'A' - 64;

class DrawingCommand : public planetest::PlaneWindowTest {
protected:
    // A new window drawing `formula`, painted once; its front window.
    MemoryWindow* Start(const char* formula) {
        window = MakeWindow();
        window->Examples()[window->Examples().Append(kExplicit, 3)].texts[1] = formula;
        EXPECT_EQ(window->RecompileAll(), 0);
        platform.Windows().back()->RunPendingRepaint();
        return platform.Windows().back();
    }
    // Paints the picture again with `peek` at every poll of the keyboard.
    void PaintWith(MemoryWindow* front, std::function<void(MemoryWindow&)> peek) {
        front->onPeek = std::move(peek);
        window->InvalidatePicture();
        window->Redraw(1);
        ASSERT_TRUE(front->RunPendingRepaint());
        front->onPeek = nullptr;
    }
};

TEST_F(DrawingCommand, RunsAfterTheDrawingWithTheNewDocumentsLetters) {
    const struct {
        const char* what;
        int key;
        long double letterA; // after the command: the value the opened document holds
    } rows[] = {
        {"Ctrl+A opens the document holding A = 5", 'A', 5},
        {"Ctrl+N empties the window: no letter is set", 'N', 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        MemoryWindow* front = Start("a*sin(x)");
        const std::string stored = folder.WithSlash() + "b.kv2";
        window->Context().letterValues[kLetterA] = {5, 0};
        ASSERT_EQ(window->SaveDocument(stored), 0);
        window->Context().letterValues[kLetterA] = {3, 0};
        ASSERT_EQ(window->SaveDocument(folder.WithSlash() + "a.kv2"), 0);
        platform.AnswerFileDialog(stored);
        int probes = 0;
        PaintWith(front, [&](MemoryWindow& w) {
            if (w.Painting() && ++probes == 3)
                w.QueueKey(row.key, res::ModCtrl);
        });
        ASSERT_GE(probes, 3) << "the curve polls the keyboard while it is traced";
        EXPECT_EQ(window->Context().letterValues[kLetterA].re, row.letterA);
    }
}

// While a curve is traced the title says how to stop it; afterwards it is the document's
// name again, whether the drawing ended or was stopped.
TEST_F(DrawingCommand, TitleShowsHowToStopWhileACurveIsTraced) {
    for (int key : {0, int('S')}) {
        SCOPED_TRACE(key ? "stopped with S" : "drawn to the end");
        MemoryWindow* front = Start("sin(x)");
        const std::string title = front->GetTitle();
        std::vector<std::string> seen;
        PaintWith(front, [&](MemoryWindow& w) {
            if (w.Painting() && seen.size() < 3) {
                seen.push_back(w.GetTitle());
                if (key && seen.size() == 2)
                    w.QueueKey(key);
            }
        });
        ASSERT_FALSE(seen.empty());
        for (const std::string& during : seen)
            EXPECT_EQ(during, "pressione S para sair");
        EXPECT_EQ(front->GetTitle(), title);
        EXPECT_NE(title, "pressione S para sair");
    }
}

} // namespace
} // namespace korvane
