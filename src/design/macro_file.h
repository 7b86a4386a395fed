// The macro file (macro.vmf): a subtree of entities saved for reuse in other designs.
#pragma once

#include "ui/platform.h"

#include "design/design.h"
#include "design/design_file.h"

#include <string>
#include <string_view>
#include <vector>

namespace zeph {

struct MacroHeader {
    std::string information; // up to 100 characters
    std::string root_name;
    std::vector<std::string> entity_names;
};

// `entities` are the subtree's entities in the order they are to be saved.
std::string macro_file_text(std::string_view information, const Entity& root,
                            const std::vector<const Entity*>& entities);
int write_macro_file(const std::string& path, std::string_view information, const Entity& root,
                     const std::vector<const Entity*>& entities);

// The version check and the name list.
int read_macro_header(std::string_view text, MacroHeader& header);

// Entities added to the design by a macro load.
struct MacroLoad {
    MacroHeader header;
    std::vector<Entity*> entities;
};

// Reads the macro into the design. A listed name that is already an entity of the design
// stops the load with "Entity '%s' already exists. Loading aborted." in the status line and
// kReadNameConflict; any failure leaves the design as it was (entities and counter).
int read_macro_text(ui::Platform& platform, std::string_view text, Design& design, MacroLoad& load,
                    const ReadHooks& hooks = {});
int read_macro_file(ui::Platform& platform, const std::string& path, Design& design,
                    MacroLoad& load, const ReadHooks& hooks = {});

} // namespace zeph
