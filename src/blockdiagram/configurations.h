// Configurations: named sets of bindings that the "Configurations" dialog creates, deletes and
// makes current, saving the design's bindings into one or setting them from one.
#pragma once

#include "design/design.h"
#include "ui/platform.h"

#include <optional>
#include <string>
#include <vector>

namespace zeph {

// The top-level component's "ENTITY_ARCHITECTURE_cf" when the top level holds exactly one
// component, else "cf", numbered with the first free "%s%d" among the configurations.
std::string default_configuration_name(Design& design);

// "Enter %s name:" with "configuration" and the default name, asked again after a refused name
// (an illegal identifier, or message 48 for a name equal, ignoring case, to another
// configuration's); a given name is checked once. The configuration is added to the design;
// null when cancelled or refused.
Configuration* new_configuration(ui::Platform& platform, Design& design, int rules,
                                 const std::optional<std::string>& name = std::nullopt);
Configuration* find_configuration(Design& design, const std::string& name);
// Removes it (no longer current when it was).
void delete_configuration(Design& design, Configuration& configuration);

// The dialog's list: the names, the current one followed by "*".
std::vector<std::string> configuration_list(const Design& design);

// Replaces the configuration's bindings by one per component of every block diagram of every
// entity, in entity, architecture and component order.
void save_bindings(Design& design, Configuration& configuration);

// Binds every component named by the configuration to its architecture, reporting what it
// cannot bind and every change; with `verbose` the lines go to the report window, headed
// "Loading '%s'...: " and the info text, ending with "Current bindings are equal for this
// configuration." when nothing changed. Returns the number of bindings changed. Never stops at
// a bad binding.
int set_bindings(ui::Platform& platform, Design& design, const Configuration& configuration,
                 bool verbose);

} // namespace zeph
