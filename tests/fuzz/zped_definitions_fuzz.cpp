// Feeds the input to the menu, accelerator and button readers; every table they give must be
// within its limits and refer to existing commands, and an accelerator table written by the
// accelerator dialog must read back as the same table.
#include "editor/accelerators.h"
#include "editor/buttons.h"
#include "editor/command_table.h"
#include "editor/menu_definitions.h"
#include "editor/startup_errors.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {
void check(bool ok) {
    if (!ok) std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    zped::CommandTable table;
    zped::StartupErrors errors;
    auto menu = zped::read_menu(text, table, errors);
    check(menu.size() <= zped::kMaxMenuEntries);
    for (const zped::MenuEntry& e : menu) {
        check(e.label.size() <= zped::kMaxMenuLabel);
        if (e.kind == zped::MenuKind::Item)
            check(e.command >= 0 && e.command < zped::kCommandCount);
    }
    auto accelerators = zped::read_accelerators(text, table, errors);
    check(accelerators.size() <= zped::kMaxAccelerators);
    for (const zped::Accelerator& a : accelerators)
        check(a.command >= 0 && a.command < zped::kCommandCount);
    for (std::size_t i = 0; i + 6 < accelerators.size(); ++i)
        check(!zped::is_reserved_combo(accelerators[i].combo));
    zped::StartupErrors again_errors;
    auto again = zped::read_accelerators(zped::accelerator_file_text(accelerators, table), table,
                                         again_errors);
    check(again_errors.empty());
    check(again.size() == accelerators.size());
    for (std::size_t i = 0; i < again.size(); ++i)
        check(again[i].combo == accelerators[i].combo &&
              again[i].command == accelerators[i].command);
    for (const zped::Button& b : zped::read_buttons(text, table, errors))
        check(b.command >= 0 && b.command < zped::kCommandCount);
    return 0;
}
