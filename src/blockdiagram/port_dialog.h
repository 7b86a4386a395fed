// The logic of the "Edit Port" dialog for a diagram port or a component port (both edit the
// port of the entity), and of the process port form of the dialog.
#pragma once

#include "blockdiagram/diagram_editor.h"

#include <string>

namespace zeph {

struct PortFields {
    std::string name;           // "&Name:"
    int mode = 1;               // "&Mode:" 1 "In", 2 "Out", 3 "Inout", 4 "Buffer"
    std::string type_name;      // "&Type:" (VHDL)
    bool register_flag = false; // "Register" (Verilog)
    std::string left;           // "&Range:" left, "Downto"/"To", right; both empty: no range
    std::string right;
    int direction = 0;
    std::string default_value; // "Def. &value:"
    std::string comment;       // "C&omment:"
    int sensitivity = 0;       // "On s&ensit. list:" (VHDL) or "On &Event list:" (Verilog)
    int signal_kind = 0;       // "Signal kind:" (VHDL)
    int special_function = 0;  // "Special &function:" "-", "Clock", "Reset", "State Register"
    bool operator==(const PortFields&) const = default;
};

enum class PortField { None, Name, Type, Range, LeftRange, RightRange, SpecialFunction, DefaultValue, Mode };

PortFields port_fields(const Port& port);

// OK of the dialog on a selected diagram port or component port. In this order: the name is a
// legal identifier and no other port of the entity has it (message 48 with "diagram port" or
// "component port"); a non-empty type is a legal identifier unless type and range checks are
// off, and built-in type names take their built-in spelling; "Neither or both ranges must
// specified."; each range value is legal (message 50); "%s port already present." when
// another port of the entity holds the special function; the default value suits the type;
// "No state regster flag allowed on input mode ports."; "No clock or reset flag allowed on
// output ports.". Nothing happens when no field changed; otherwise the port changes and every
// placement of it, in every architecture and on every component, shows its new label.
DialogResult<PortField> edit_port(DiagramEditor& editor, const DiagramObject& port,
                                  PortFields fields);

// The process port form: "&Mode:", the sensitivity or event list field, "Special &function:"
// and "C&omment:", under the same special-function (within the process) and mode rules.
struct ProcessPortFields {
    int mode = 1;
    int sensitivity = 0;
    int special_function = 0;
    std::string comment;
    bool operator==(const ProcessPortFields&) const = default;
};
ProcessPortFields process_port_fields(const Port& port);
DialogResult<PortField> edit_process_port(DiagramEditor& editor, Process& process,
                                          std::size_t index, ProcessPortFields fields);

} // namespace zeph
