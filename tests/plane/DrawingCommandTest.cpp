// An accelerator pressed while a curve is traced stops the drawing, and its command runs
// after the drawing has returned: the tracer puts its saved letters back into the
// document it drew, never into the one the command opened.
#include "tests/support/PlaneWindowTestSupport.h"

#include "plane/PlaneCommands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvane {
namespace {

using platform::MemoryWindow;
constexpr int kLetterA = 'A' - 64;

struct Row {
    const char* what;
    int key;
    long double letterA; // after the command: the value the opened document holds
};

using DrawingCommand = planetest::PlaneWindowTest;

TEST_F(DrawingCommand, RunsAfterTheDrawingWithTheNewDocumentsLetters) {
    const Row rows[] = {
        {"Ctrl+A opens the document holding A = 5", 'A', 5},
        {"Ctrl+N empties the window: no letter is set", 'N', 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        window = MakeWindow();
        MemoryWindow* front = platform.Windows().back();
        {
            ExampleRecord& e = window->Examples()[window->Examples().Append(kExplicit, 3)];
            e.texts[1] = "a*sin(x)";
        }
        ASSERT_EQ(window->RecompileAll(), 0);
        const std::string stored = folder.WithSlash() + "b.kv2";
        window->Context().letterValues[kLetterA] = {5, 0};
        ASSERT_EQ(window->SaveDocument(stored), 0);
        window->Context().letterValues[kLetterA] = {3, 0};
        ASSERT_EQ(window->SaveDocument(folder.WithSlash() + "a.kv2"), 0);
        front->RunPendingRepaint();

        platform.AnswerFileDialog(stored);
        int probes = 0;
        front->onPeek = [&](MemoryWindow& w) {
            if (w.Painting() && ++probes == 3)
                w.QueueKey(row.key, res::ModCtrl);
        };
        window->InvalidatePicture();
        window->Redraw(1);
        ASSERT_TRUE(front->RunPendingRepaint());
        front->onPeek = nullptr;
        ASSERT_GE(probes, 3) << "the curve polls the keyboard while it is traced";
        EXPECT_EQ(window->Context().letterValues[kLetterA].re, row.letterA);
    }
}

// While a curve is traced the title says how to stop it; afterwards it is the document's
// name again, whether the drawing ended or was stopped.
TEST_F(DrawingCommand, TitleShowsHowToStopWhileACurveIsTraced) {
    for (int key : {0, int('S')}) {
        SCOPED_TRACE(key ? "stopped with S" : "drawn to the end");
        window = MakeWindow();
        MemoryWindow* front = platform.Windows().back();
        window->Examples()[window->Examples().Append(kExplicit, 3)].texts[1] = "sin(x)";
        ASSERT_EQ(window->RecompileAll(), 0);
        front->RunPendingRepaint();
        const std::string title = front->GetTitle();
        std::vector<std::string> seen;
        front->onPeek = [&](MemoryWindow& w) {
            if (w.Painting() && seen.size() < 3) {
                seen.push_back(w.GetTitle());
                if (key && seen.size() == 2)
                    w.QueueKey(key);
            }
        };
        window->InvalidatePicture();
        window->Redraw(1);
        ASSERT_TRUE(front->RunPendingRepaint());
        front->onPeek = nullptr;
        ASSERT_FALSE(seen.empty());
        for (const std::string& during : seen)
            EXPECT_EQ(during, "pressione S para sair");
        EXPECT_EQ(front->GetTitle(), title);
        EXPECT_NE(title, "pressione S para sair");
    }
}

} // namespace
} // namespace korvane
