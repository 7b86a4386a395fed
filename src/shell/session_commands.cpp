// The commands of every area, registered in the order help lists them.
#include "shell/architecture_commands.h"
#include "shell/blockdiagram_commands.h"
#include "shell/command_table.h"
#include "shell/file_commands.h"
#include "shell/generate_commands.h"
#include "shell/hdl_file_commands.h"
#include "shell/hierarchy_commands.h"
#include "shell/import_commands.h"
#include "shell/label_list_commands.h"
#include "shell/machine_commands.h"
#include "shell/picture_commands.h"
#include "shell/setup_commands.h"
#include "shell/testbench_commands.h"
#include "shell/verify_commands.h"
#include "shell/window_commands.h"

namespace zeph {

void add_session_commands(CommandTable& table) {
    add_file_commands(table);
    add_setup_commands(table);
    add_hdl_file_commands(table);
    add_blockdiagram_commands(table);
    add_machine_commands(table);
    add_architecture_commands(table);
    add_hierarchy_commands(table);
    add_generate_commands(table);
    add_import_commands(table);
    add_verify_commands(table);
    add_label_list_commands(table);
    add_picture_commands(table);
    add_window_commands(table);
    add_settings_commands(table);
    add_testbench_commands(table);
}

} // namespace zeph
