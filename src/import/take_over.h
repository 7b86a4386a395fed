// Taking parsed entities over into the design: each entity with its generics and ports, a
// drawn symbol, and its architectures as HDL-file architectures whose files hold the
// architecture's source text byte for byte.
#pragma once

#include "blockdiagram/diagram_labels.h"
#include "blockdiagram/diagram_settings.h"
#include "design/design.h"
#include "design/design_defaults.h"
#include "import/design_units.h"
#include "import/import_log.h"
#include "import/source_text.h"

#include <filesystem>
#include <string>

namespace ui {
class Platform;
}

namespace zeph::vhdl {

// What the take-over works on; the caller owns all of it.
struct TakeOverPlace {
    Design& design;
    std::filesystem::path project_directory; // entity directories go below its "work"
    ui::Platform& platform;                  // the clash question and the new-name prompt
    ImportLog& log;
    const DesignDefaults& defaults;          // of new architectures and labels
    const DiagramSettings& diagram_settings; // colours of labels
    std::string vhdl_extension = "vhd";      // of the HDL files written
};

// Adds the parsed entities in file order; returns how many were taken over. A directory that
// cannot be created is shown and ends the take-over (entities taken over before stay).
int take_over_units(ParsedFile& parsed, const SourceText& source, TakeOverPlace& place);

// The generic and the ports of one interface element, as the design holds them.
void take_over_generic(const InterfaceElement& element, const std::string& name, Generic& generic);
void take_over_port(const Design& design, const InterfaceElement& element, const std::string& name,
                    Port& port);

// Places the ports on the symbol (inputs left, outputs right) and sizes it in steps of 64; the
// name labels take the style's defaults.
void lay_out_symbol(const DiagramLabelStyle& style, Entity& entity);

} // namespace zeph::vhdl
