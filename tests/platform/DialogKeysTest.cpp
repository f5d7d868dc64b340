// Enter presses the default button of every dialog template and Escape its "cancelar" or
// "fechar": a key must never reach a dialog as a command that its handler does not know.
#include "platform/memory/MemoryDialog.h"
#include "platform/memory/MemoryPlatform.h"
#include "resources/ResourceTables.h"

#include <gtest/gtest.h>

#include <vector>

namespace korvane::platform {
namespace {

struct Recorder : DialogHandler {
    std::vector<int> clicked;
    bool OnCommand(Dialog&, int id, ControlEvent event) override {
        if (event == ControlEvent::Clicked)
            clicked.push_back(id);
        return true;
    }
};

bool HasButton(const res::DialogTemplate& t, int id) {
    for (const res::ControlTemplate& c : t.controls)
        if (c.kind == res::ControlTemplate::Button && c.id == id)
            return true;
    return false;
}

TEST(DialogKeys, EnterAndEscapePressButtonsOfTheTemplate) {
    MemoryPlatform platform;
    int templates = 0;
    for (const res::ResourceTable& table : {res::ShellResources(), res::GraphResources(), res::LanguageResources(),
                                            res::EquationResources(), res::TrajectoryResources()}) {
        for (const res::DialogTemplate& t : table.dialogs) {
            SCOPED_TRACE(t.name);
            ++templates;
            Recorder handler;
            MemoryDialog dialog(&platform, t, handler, false);
            ASSERT_TRUE(dialog.Enter());
            ASSERT_TRUE(dialog.Escape());
            ASSERT_EQ(handler.clicked.size(), 2u);
            EXPECT_TRUE(HasButton(t, handler.clicked[0])) << "Enter sent " << handler.clicked[0];
            EXPECT_NE(handler.clicked[0], ResultCancel) << "Enter must not cancel";
            EXPECT_TRUE(HasButton(t, handler.clicked[1])) << "Escape sent " << handler.clicked[1];
        }
    }
    EXPECT_GT(templates, 20);
}

} // namespace
} // namespace korvane::platform
