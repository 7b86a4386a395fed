// Verilog module names, headers, declarations and modules.
#include "hdl/verilog_module.h"

#include "design/entity.h"
#include "design/status_flags.h"
#include "foundation/strings.h"
#include "hdl/architecture_text.h"
#include "hdl/hdl_context.h"
#include "hdl/netlist_text.h"
#include "hdl/value_tables.h"
#include "hdl/vhdl_interface.h"

namespace zeph {

namespace {
constexpr std::size_t kRightMargin = 76;
constexpr const char* kContinuation = "\n      ";
constexpr std::size_t kContinuationIndent = 6;

std::string verilog_range(const Range& range) {
    return range.has_range ? "[" + range.left + ":" + range.right + "]" : std::string();
}

std::string parameter_line(const Generic& generic, std::size_t width, bool last) {
    const std::string& value =
        generic.default_value.empty() ? kMissingParameterValue : generic.default_value;
    std::string line =
        format_text("    %-*s = %s", static_cast<int>(width), generic.name.c_str(), value.c_str());
    line += last ? " ;" : " ,";
    if (!generic.comment.empty()) line += std::string(" ") + comment_prefix(2) + generic.comment;
    return line;
}
} // namespace

std::string module_name(const HdlContext& context, const Entity& entity,
                        const Architecture& architecture) {
    if (entity.architectures.size() == 1) return entity.name;
    int bound_and_clean = 0;
    for (const auto& candidate : entity.architectures)
        if (context.is_bound(*candidate) && (candidate->status & kStatusError) == 0)
            ++bound_and_clean;
    if (bound_and_clean < 2) return entity.name;
    return entity.name + "_" + architecture.name;
}

std::string module_header(const std::string& name, const Entity& entity) {
    std::string text = format_text("%s %s", verilog::kModule, name.c_str());
    std::size_t column = text.size();
    for (std::size_t i = 0; i < entity.ports.size(); ++i) {
        const std::string& port = entity.ports[i]->name;
        bool last = i + 1 == entity.ports.size();
        text += i == 0 ? " (" : ", ";
        column += 2;
        std::size_t needed = column + port.size() + (last ? 3 : 1);
        if (needed >= kRightMargin) {
            text += kContinuation;
            column = port.size() + kContinuationIndent;
        } else {
            column += port.size();
        }
        text += port;
    }
    if (!entity.ports.empty()) text += ")";
    return text + " ;\n";
}

void write_parameters_and_ports(std::ostream& out, const HdlContext&, const Entity& entity,
                                bool commented) {
    const char* start = commented ? "//" : "";
    if (!entity.generics.empty()) {
        out << start << "  " << verilog::kParameter << '\n';
        std::size_t width = longest_generic_name(entity);
        for (std::size_t i = 0; i < entity.generics.size(); ++i)
            out << start
                << parameter_line(*entity.generics[i], width, i + 1 == entity.generics.size())
                << '\n';
    }
    for (const auto& port : entity.ports) {
        std::string range = verilog_range(port->range);
        out << start << format_text("  %-6s ", verilog_mode_word(port->mode)) << range << port->name
            << " ;" << port_comments(*port, 2) << '\n';
        if (port->register_flag)
            out << start << format_text("  %-6s ", verilog::kReg) << range << port->name << " ;\n";
    }
}

void write_module(std::ostream& out, const HdlContext& context, const Entity& entity,
                  const Architecture& architecture) {
    const char* e = entity.name.c_str();
    const char* a = architecture.name.c_str();
    write_separator(out, 2, true);
    out << format_text("%s%s '%s(%s)'.\n", comment_prefix(2), "Module", e, a);
    write_separator(out, 2);
    write_comment_text(out, entity.comment, 2);
    out << '\n' << module_header(module_name(context, entity, architecture), entity);
    write_parameters_and_ports(out, context, entity, false);
    write_comment_text(out, entity.declarations, 2);
    out << '\n';
    write_architecture(out, context, entity, architecture);
    out << format_text("\n%s %s %s(%s)\n\n", verilog::kEndmodule, "//", e, a);
}

} // namespace zeph
