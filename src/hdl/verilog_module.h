// Verilog modules: one per architecture, named after the entity (and the architecture when
// two or more architectures of the entity are bound and error-free), with the header line,
// parameter and port declarations and the body.
#pragma once

#include <ostream>
#include <string>

namespace zeph {

struct Architecture;
struct Entity;
struct HdlContext;

// A parameter without a default value gets this one, so that the declaration stays legal.
inline constexpr const char* kMissingParameterValue = "0";

std::string module_name(const HdlContext& context, const Entity& entity,
                        const Architecture& architecture);

// "module m (a, b, ...) ;" broken before column 76 with continuation lines of six blanks.
std::string module_header(const std::string& name, const Entity& entity);

// "  parameter" with one "    name = value ," line per generic, then per port its direction
// line ("  input  [7:0]data ;") and, for a register port, "  reg    [7:0]q ;". With
// `commented` every line starts with "//".
void write_parameters_and_ports(std::ostream& out, const HdlContext& context, const Entity& entity,
                                bool commented);

void write_module(std::ostream& out, const HdlContext& context, const Entity& entity,
                  const Architecture& architecture);

} // namespace zeph
