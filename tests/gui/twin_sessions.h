// Two sessions on the same script, one driven through a dialog ("gui") and one through the
// shell's command ("shell"), each in its own scratch directory with its own settings file; a
// fixed time stamp keeps their saved files comparable byte for byte.
#pragma once

#include "console_session.h"
#include "dialog_driver.h"
#include "shell/test_files.h"

#include "dialogs/command_dialogs.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace gui_test {

class TwinSessions : public ::testing::Test {
  protected:
    explicit TwinSessions(const std::vector<std::string>& script) : script_(script) {}

    void SetUp() override {
        setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
        for (zeph::testing_support::ConsoleSession* s : {&shell, &gui}) {
            s->session().start_untitled();
            for (const std::string& line : script_)
                ASSERT_TRUE(s->run(line)) << line << "\n" << s->take_output();
            s->take_output();
        }
    }

    // Runs the menu command's dialog on the gui session, with `act` answering it.
    zeph::DialogOutcome dialog(zeph::CommandId id, std::function<void(zeph::FormDialog&)> act) {
        when_form_shown(std::move(act));
        return zeph::run_command_dialog(nullptr, gui.session(), id);
    }

    shell_test::ScratchDir root;

  private:
    const std::vector<std::string>& script_;
    bool settings_written_ =
        (shell_test::write_file(root / "shell/zeph.ini", "[GUI]\nSaveSettingsOnExit=no\n"),
         shell_test::write_file(root / "gui/zeph.ini", "[GUI]\nSaveSettingsOnExit=no\n"), true);

  protected:
    zeph::testing_support::ConsoleSession shell{root / "shell", root / "shell/zeph.ini"};
    zeph::testing_support::ConsoleSession gui{root / "gui", root / "gui/zeph.ini"};
};

} // namespace gui_test
