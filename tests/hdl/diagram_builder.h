// Builds block diagrams in code together with the connection records that verification leaves
// on them (attachments, bus-entry links, signal classes, bus-entry directions), so that the
// generator can be tested on exactly the situations it has to write.
#pragma once

#include "text_test_support.h"

#include <string>

namespace hdl_text_test {

// A net at the end of the net list, numbered by its position, with empty connection records;
// a range makes it a bus.
Net& add_net(Architecture& owner, const std::string& name, Range range = {});
// A connect-by-name signal: a scratch net outside the net list, listed in the context.
Net& add_named_signal(Architecture& owner, std::vector<std::unique_ptr<Net>>& store,
                      HdlContext& context, const std::string& name, Range range = {});
Net& with_class(Net& net, int signal_class);

void attach_port(Net& net, Architecture& owner, const std::string& port_name);
void attach_component(Net& net, Component& component, const std::string& port_name);
void attach_process(Net& net, Process& process, Port& port);

// An index entry (empty `right`) or a slice on a bus, with its direction flags.
BusEntry& add_entry(Net& bus, const std::string& index, const std::string& right = "",
                    unsigned flags = 0);
// The entry's stub reaches `wire`: both nets record the link.
void link_entry(Net& wire, BusEntry& entry, Net& bus);

void set_generic_value(Component& component, const std::string& generic, const std::string& value,
                       int unit = 0);

} // namespace hdl_text_test
