// The definition files and the start-up error report: every error text, the reserved key
// combinations, the Help popup, the built-in tables and a start with no settings file at all.
#include "editor/accelerators.h"
#include "editor/buttons.h"
#include "editor/command_table.h"
#include "editor/editor_session.h"
#include "editor/menu_definitions.h"
#include "editor/scripted_editor_ui.h"
#include "editor/startup_errors.h"
#include "editor_test_support.h"

#include <gtest/gtest.h>

namespace zped {
namespace {

using Lines = std::vector<std::string>;

// The report lines after the three header lines.
Lines report_body(const StartupErrors& errors) {
    if (errors.lines().size() < 3) return {};
    return Lines(errors.lines().begin() + 3, errors.lines().end());
}

// The expected text of a golden file; with ZPED_UPDATE_GOLDEN set the file is rewritten first.
std::string golden(const std::string& name, const std::string& actual) {
    std::string path = std::string(ZEPH_SOURCE_DIR) + "/tests/golden/editor/" + name;
    if (std::getenv("ZPED_UPDATE_GOLDEN")) test::write_file(path, actual);
    return test::read_whole(path);
}

std::string joined(const Lines& lines) {
    std::string text;
    for (const std::string& l : lines)
        text += l + "\n";
    return text;
}

TEST(ZpedStartupReport, HeaderAndEveryErrorCode) {
    StartupErrors errors;
    errors.add(kErrorCannotOpen, "Menu definition", "menu.ini");
    errors.add(kErrorNoFunction, "Button", "Frobnicate");
    errors.add(kErrorNoBitmap, "save.bmp", "SaveFile");
    errors.add(kErrorSyntax, "Keyboard mapper", "\"X\": invalid key name.");
    errors.add(kErrorOther, "Too long template name: ", "abc");
    errors.add(3, "what", "");
    std::string text = joined(errors.lines());
    EXPECT_EQ(text, golden("startup_report.txt", text));
}

class ZpedAccelerators : public ::testing::Test {
  protected:
    std::vector<Accelerator> read(const std::string& text) {
        return read_accelerators(text, table, errors);
    }
    CommandTable table;
    StartupErrors errors;
};

TEST_F(ZpedAccelerators, EveryErrorOfTheKeyboardMapper) {
    auto list = read("KEY CTRL+F4 SaveFile\n"
                     "KEY CTRL+SHIFT SaveFile\n"
                     "KEY CTRL+Q+W SaveFile\n"
                     "KEY Q+Foo SaveFile\n"
                     "KEY CTRL+Bogus SaveFile\n"
                     "MAP CTRL+Q SaveFile\n"
                     "KEY\n"
                     "KEY ALT+Q\n"
                     "KEY ALT+Q NoSuchCommand\n"
                     "# comment\n"
                     "; comment\n"
                     "\n"
                     "KEY CTRL+SHIFT+F12 SaveFile\r\n");
    EXPECT_EQ(report_body(errors),
              (Lines{
                  "Error 7: Keyboard mapper syntax error:",
                  "\t\"CTRL+F4\": reserved key combination",
                  "Error 7: Keyboard mapper syntax error:",
                  "\t\"CTRL+SHIFT\": empty keyboard mapping.",
                  "Error 7: Keyboard mapper syntax error:",
                  "\t\"CTRL+Q+W\": double use of a key name.",
                  "Error 7: Keyboard mapper syntax error:",
                  "\t\"Foo\": unrecognized modifier.",
                  "Error 7: Keyboard mapper syntax error:",
                  "\t\"Bogus\": invalid key name.",
                  "Error 7: Keyboard mapper syntax error:",
                  "\t\"MAP CTRL+Q SaveFile\": definition must start with \"KEY\"",
                  "Error 7: Keyboard mapper syntax error:",
                  "\t\"KEY\": empty keyboard mapping.",
                  "Error 7: Keyboard mapper syntax error:",
                  "\t\"KEY ALT+Q\": missing function.",
                  "Error 4: Cannot find Keyboard mapper function 'NoSuchCommand'.",
              }));
    // The one good line, then the six window mappings.
    ASSERT_EQ(list.size(), 7u);
    EXPECT_EQ(list[0].combo, (KeyCombo{vk::F1 + 11, true, true, false}));
    EXPECT_EQ(list[0].command, table.find("SaveFile"));
    EXPECT_EQ(combo_text(list[1].combo), "Ctrl+F4");
    EXPECT_EQ(list[1].command, table.find("WindowClose"));
    EXPECT_EQ(combo_text(list[6].combo), "Ctrl+Shift+F6");
    EXPECT_EQ(list[6].command, table.find("WindowPrevious"));
}

TEST_F(ZpedAccelerators, EachReservedCombinationIsRefused) {
    for (const char* spec :
         {"CTRL+F4", "SHIFT+F4", "ALT+F4", "SHIFT+F5", "CTRL+F6", "CTRL+SHIFT+F6", "SHIFT+CTRL+F6"})
        read(std::string("KEY ") + spec + " SaveFile\n");
    int reserved = 0;
    for (const std::string& line : errors.lines())
        reserved += line.find("reserved key combination") != std::string::npos;
    EXPECT_EQ(reserved, 7);
    errors = {};
    auto list = read("KEY ALT+F6 SaveFile\nKEY CTRL+F5 SaveFile\n");
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(list.size(), 8u);
}

TEST_F(ZpedAccelerators, CharactersAndKeyNames) {
    auto list =
        read("KEY CTRL+a EditUndo\nKEY CTRL+! EditRedo\nKEY ALT+; GotoLine\nKEY CTRL++ About\n"
             "KEY GrayPlus About\nKEY SHIFT+Num7 About\nKEY CTRL+BackSpace About\n");
    ASSERT_TRUE(errors.empty()) << joined(errors.lines());
    EXPECT_EQ(combo_text(list[0].combo), "Ctrl+A");
    EXPECT_EQ(combo_text(list[1].combo), "Ctrl+Shift+1");
    EXPECT_EQ(combo_text(list[2].combo), "Alt+;");
    EXPECT_EQ(combo_text(list[3].combo), "Ctrl+Shift+=");
    EXPECT_EQ(combo_text(list[4].combo), "GrayPlus");
    EXPECT_EQ(combo_text(list[5].combo, true), "Shift Num7");
    EXPECT_EQ(combo_text(list[6].combo), "Ctrl+BkSp");
}

TEST(ZpedTerminalKeys, StandInsForWhatATerminalCannotDeliver) {
    auto combo = [](int key, bool shift, bool ctrl, bool alt) {
        return KeyCombo{key, shift, ctrl, alt};
    };
    EXPECT_EQ(terminal_stand_in(combo('3', false, false, true)), combo('3', false, true, false));
    EXPECT_EQ(terminal_stand_in(combo('3', true, false, true)), combo('3', true, true, false));
    EXPECT_EQ(terminal_stand_in(combo('S', false, true, true)), combo('S', true, true, false));
    EXPECT_FALSE(terminal_stand_in(combo('S', false, true, false)));
    EXPECT_FALSE(terminal_stand_in(combo('S', false, false, true)));
    EXPECT_FALSE(terminal_stand_in(combo(vk::F1, false, false, true)));
    // Alt+Shift+digit arrives as Alt with the shifted character.
    EXPECT_EQ(key_of_character('#'), combo('3', true, false, false));
}

TEST_F(ZpedAccelerators, TooManyMappingsIsReportedOnce) {
    std::string text;
    for (int i = 0; i < 130; ++i)
        text += "KEY ALT+SHIFT+F" + std::to_string(1 + i % 24) + " About\n";
    auto list = read(text);
    EXPECT_EQ(list.size(), kMaxAccelerators);
    EXPECT_EQ(report_body(errors),
              (Lines{"Error 7: Keyboard mapper syntax error:", "\ttoo many mappings"}));
}

class ZpedMenus : public ::testing::Test {
  protected:
    std::vector<MenuEntry> read(const std::string& text) {
        auto menu = read_menu(text, table, errors);
        append_help_menu(menu, table, {});
        return menu;
    }
    CommandTable table;
    StartupErrors errors;
};

TEST_F(ZpedMenus, HelpMenuNameStopsReadingAndTheHelpPopupIsStillAppended) {
    auto menu = read("MENU &File\nITEM &Save SaveFile\nEND\nMENU &Help\nMENU &Later\nEND\n");
    EXPECT_EQ(report_body(errors),
              (Lines{"Error 7: Menu Builder syntax error:", "\tMenu name 'Help' not allowed."}));
    ASSERT_EQ(menu.size(), 6u);
    EXPECT_EQ(menu[3].label, "&Help");
    EXPECT_EQ(menu[4].label, "&About the editor...");
    EXPECT_EQ(menu[4].command, table.find("About"));
    EXPECT_EQ(menu[5].kind, MenuKind::PopupEnd);
}

TEST_F(ZpedMenus, MenuEndMismatchAndTheOtherErrors) {
    read("MENU &File\nMENU &Sub\nITEM \"Save &all\" SaveAll\nEND\n"
         "MENU\nITEM &Open\nITEM &Open Nothing\nFROB x\nSEPARATOR\n");
    EXPECT_EQ(report_body(errors), (Lines{
                                       "Error 7: Menu Builder syntax error:",
                                       "\tMENU",
                                       "Error 7: Menu Builder syntax error:",
                                       "\tITEM &Open",
                                       "Error 4: Cannot find Menu Builder function 'Nothing'.",
                                       "Error 7: Menu Builder syntax error:",
                                       "\tFROB x",
                                       "Error 7: Menu Builder syntax error:",
                                       "\tMENU/END mismatch",
                                   }));
}

TEST_F(ZpedMenus, TooManyItemsAndLongLabels) {
    std::string text = "MENU &Big\n";
    for (int i = 0; i < 140; ++i)
        text += "ITEM Item" + std::to_string(i) + " About\n";
    text += "END\nMENU " + std::string(60, 'L') + "\nEND\n";
    auto menu = read(text);
    EXPECT_EQ(report_body(errors),
              (Lines{"Error 7: Menu Builder syntax error:", "\tToo many menu items"}));
    EXPECT_EQ(menu.size(), kMaxMenuEntries + 3);
}

TEST_F(ZpedMenus, BuiltInMenuWithAcceleratorTexts) {
    auto menu = builtin_menu(table);
    append_help_menu(menu, table, {"vhdl.hlp", "verilog.hlp"});
    auto accelerators = builtin_accelerators(table);
    std::string text;
    for (const MenuEntry& e : menu) {
        switch (e.kind) {
        case MenuKind::PopupStart:
            text += "MENU " + e.label + "\n";
            break;
        case MenuKind::PopupEnd:
            text += "END\n";
            break;
        case MenuKind::Separator:
            text += "  SEPARATOR\n";
            break;
        case MenuKind::Item: {
            text += "  ITEM " + e.label;
            if (const Accelerator* a = accelerator_of(accelerators, e.command))
                text += "\t" + combo_text(a->combo);
            text += std::string(" -> ") + table.row(e.command).name + "\n";
        }
        }
    }
    EXPECT_EQ(text, golden("builtin_menu.txt", text));
}

TEST(ZpedButtons, SeparatorsUnknownCommandsAndMissingBitmaps) {
    CommandTable table;
    StartupErrors errors;
    auto buttons = read_buttons(
        "LoadFile open.bmp\nseparator\nSaveFile save.bmp\nFrob x.bmp\nEditUndo\n", table, errors);
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_FALSE(buttons[0].gap_before);
    EXPECT_TRUE(buttons[1].gap_before);
    EXPECT_EQ(buttons[1].bitmap, "save.bmp");
    EXPECT_EQ(report_body(errors),
              (Lines{"Error 4: Cannot find Button function 'Frob'.",
                     "Error 6: Cannot find bitmap '' for function 'EditUndo'."}));
}

TEST(ZpedStartUp, NoSettingsFileAtAll) {
    ScopedScriptedUi scripted;
    test::TempDir dir;
    Settings settings(dir.file("zped.ini"), dir.path());
    ASSERT_TRUE(settings.load());
    EditorSession session(settings);
    session.start();
    EXPECT_TRUE(session.options.auto_indent);
    EXPECT_TRUE(session.options.save_on_exit);
    EXPECT_FALSE(session.options.backup_file);
    EXPECT_TRUE(session.options.buttons_left);
    EXPECT_EQ(session.options.font, "Courier New");
    EXPECT_EQ(session.options.font_size, "10");
    EXPECT_EQ(session.options.tab_size, 4);
    EXPECT_EQ(report_body(session.startup_errors),
              (Lines{
                  "Error 2: Cannot open Button definition file '" + dir.file("buttons.ini") + "'.",
                  "Error 2: Cannot open Keyboard definition file '" + dir.file("accel.ini") + "'.",
                  "Error 2: Cannot open Menu definition file '" + dir.file("menu.ini") + "'.",
              }));
    EXPECT_TRUE(session.buttons.empty());
    EXPECT_EQ(session.accelerators.size(), builtin_accelerators(session.commands).size());
    EXPECT_EQ(session.menu.front().label, "&File");
    EXPECT_EQ(session.menu[session.menu.size() - 3].label, "&Help");
    // The report is shown in a read-only result window.
    EditBuffer* window = session.active();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->file_name, "startup.err");
    EXPECT_EQ(window->window_kind, kResultWindow);
    EXPECT_TRUE(window->read_only);
    EXPECT_EQ(window->line(3), session.startup_errors.lines()[3]);
}

TEST(ZpedStartUp, DefinitionFilesNamedInTheSettingsWithVariables) {
    ScopedScriptedUi scripted;
    test::TempDir dir;
    std::filesystem::create_directory(dir.file("defs"));
    test::write_file(
        dir.file("zped.ini"),
        "[Directories]\nDEFS=" + dir.file("defs") +
            "\n[GUI]\nMenu=$DEFS/my.menu\nButtons=$DEFS/b.ini\nAccellerators=$NOPE/a.ini\n");
    test::write_file(dir.file("defs/my.menu"), "MENU &Only\nITEM &Undo EditUndo\nEND\n");
    test::write_file(dir.file("defs/b.ini"), "SaveFile save.bmp\n");
    test::write_file(dir.file("accel.ini"), "KEY F5 About\n");
    Settings settings(dir.file("zped.ini"), dir.path(),
                      [](const std::string&) { return std::string(); });
    ASSERT_TRUE(settings.load());
    EditorSession session(settings);
    session.start();
    EXPECT_TRUE(session.startup_errors.empty()) << joined(session.startup_errors.lines());
    EXPECT_EQ(session.menu[0].label, "&Only");
    EXPECT_EQ(session.buttons.size(), 1u);
    // $NOPE has no value: the default name is used.
    EXPECT_EQ(command_of_combo(session.accelerators, {vk::F1 + 4}), session.commands.find("About"));
    EXPECT_EQ(session.active(), nullptr);
}

} // namespace
} // namespace zped
