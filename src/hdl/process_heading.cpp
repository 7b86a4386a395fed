// Process headings and end lines of HDL-file processes.
#include "hdl/process_heading.h"

#include "design/process.h"
#include "foundation/strings.h"
#include "hdl/hdl_context.h"
#include "hdl/hdl_file_markers.h"
#include "hdl/netlist_text.h"
#include "hdl/vhdl_entity.h"
#include "hdl/vhdl_keywords.h"

#include <string>
#include <vector>

namespace zeph {

namespace {
constexpr std::size_t kLastEntryReserve = 24; // room kept after the last entry for its closing
constexpr std::size_t kRightMargin = 75;

bool is_edge(int sensitivity) {
    return sensitivity == kSensitivityPosedge || sensitivity == kSensitivityNegedge;
}

std::vector<const Port*> sensitivity_entries(const Process& process) {
    std::vector<const Port*> entries;
    for (const auto& port : process.ports)
        if ((port->mode == kModeIn || port->mode == kModeInout) &&
            port->sensitivity != kSensitivityNone)
            entries.push_back(port.get());
    return entries;
}

// The width the line breaking counts: the name (1 without one), plus 7 for an edge entry.
std::size_t entry_width(const Port& port, bool verilog) {
    std::size_t width = port.name.empty() ? 1 : port.name.size();
    return verilog && is_edge(port.sensitivity) ? width + 7 : width;
}

std::string entry_text(const Port& port, bool verilog) {
    std::string name = port.name.empty() ? "?" : port.name;
    if (!verilog || !is_edge(port.sensitivity)) return name;
    const char* edge =
        port.sensitivity == kSensitivityPosedge ? verilog::kPosedge : verilog::kNegedge;
    return std::string(edge) + " " + name;
}
} // namespace

void write_process_heading(std::ostream& out, const HdlContext& context, const Process& process) {
    const bool verilog = context.verilog();
    std::string text =
        verilog ? format_text("  %s", verilog::kAlways)
                : format_text("  %s: %s", process.name.c_str(), context.keyword("PROCESS"));
    std::size_t column = text.size();
    std::vector<const Port*> entries = sensitivity_entries(process);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        bool last = i + 1 == entries.size();
        const char* separator = i == 0 ? (verilog ? " @(" : " (") : (verilog ? " or " : ", ");
        std::string entry = entry_text(*entries[i], verilog);
        text += separator;
        column += std::string_view(separator).size();
        std::size_t width = entry_width(*entries[i], verilog);
        bool wrap = last ? column + width + kLastEntryReserve >= kRightMargin + 1
                         : column + width + 1 > kRightMargin;
        if (wrap) {
            text += "\n      ";
            column = width + 6;
        } else {
            column += width;
        }
        text += entry;
    }
    if (!entries.empty()) text += format_text(") %s", verilog ? "" : vhdl93_keyword(context, "IS"));
    if (verilog)
        text += format_text("\n  %s : %s  %s%s%s", verilog::kBegin, process.name.c_str(), "// ",
                            marker_tag(2), " sens.list");
    else
        text += format_text("\t\t%s%s%s", "-- ", marker_tag(1), " sens.list");
    out << text << '\n';
}

void write_process_end(std::ostream& out, const HdlContext& context, const Process& process) {
    if (context.verilog())
        out << format_text("  %s %s %s\n", verilog::kEnd, "// ", process.name.c_str());
    else
        out << format_text("  %s %s %s ;\n", context.keyword("END"), context.keyword("PROCESS"),
                           process.name.c_str());
}

} // namespace zeph
