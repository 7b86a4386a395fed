// The logic of the "Edit Net" and "Edit Entry" dialogs: the fields a dialog starts with, and
// OK with the new field values, checked in the dialog's order. A refused OK shows its message
// and changes nothing.
#pragma once

#include "ui/platform.h"

#include "blockdiagram/edit_outcome.h"
#include "blockdiagram/net_rules.h"
#include "design/net.h"

#include <string>

namespace zeph {

struct NetFields {
    std::string name;
    std::string type_name;      // "&Type:" (VHDL)
    bool register_flag = false; // "Register" (Verilog)
    std::string left;           // "&Range:" left and right; both empty: no range
    std::string right;
    int direction = kDirectionDownto; // "Downto" / "To" (VHDL)
    std::string default_value;        // "&Default val.:"
    int signal_kind = 0;              // "-", "BUS", "REGISTER" (VHDL)
};

enum class NetField { None, Name, Type, Range, LeftRange, RightRange, DefaultValue };

NetFields net_fields(const Net& net);

// Checks, in order: the name (a legal identifier when not empty), the type (a legal identifier
// unless type checks are off; built-in names take their built-in spelling), "Neither or both
// ranges must specified.", each range value, the default value for the type. Nothing changes
// when no field changed. Both range values make the net a bus and give its direction to its
// entries; none make it an ordinary net. A changed name or range rebuilds the labels.
DialogResult<NetField> edit_net(ui::Platform& platform, Net& net, NetFields fields,
                                const NetRules& rules);

struct EntryFields {
    bool slice = false; // "A&rray slice"
    std::string index;  // "&Index:" (not a slice)
    std::string left;   // "&Left range:" (slice)
    std::string right;  // "&Right range:" (slice)
};

enum class EntryField { None, Index, LeftRange, RightRange };

EntryFields entry_fields(const BusEntry& entry);

// Missing values: "No index specified.", "No left range specified.", "No right range
// specified." or "No ranges specified."; values must be legal range values (message 50).
// On OK the label text is rebuilt.
DialogResult<EntryField> edit_bus_entry(ui::Platform& platform, BusEntry& entry, EntryFields fields,
                                        const NetRules& rules);

} // namespace zeph
