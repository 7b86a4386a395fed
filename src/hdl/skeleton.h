// Keeping the system's lines of an HDL file up to date: a missing file is created with its
// skeleton (after asking "Generate skeleton?"), an existing one whose skeleton-current bit for
// the language is clear is refreshed through "zeph.tmp" so that the user's text stays byte for
// byte (carriage returns aside):
//
//   old file                          new file
//   text above the meta comment       (dropped)
//   old meta comment              ->  new meta comment
//   leading region                    leading region
//   start / heading line(s)       ->  new start line / process heading
//   middle region                     middle region
//   end line                      ->  new end line
//   trailing region                   trailing region
//
// A Verilog module body (and a VHDL testbench, whose start line lies inside the meta comment)
// keeps everything after the old meta comment. A failed scan or copy leaves the file as it was.
#pragma once

#include <filesystem>
#include <string>

namespace zeph {

struct Architecture;
struct Entity;
struct HdlContext;
struct Process;

// For the process when given, else for the architecture. `old_entity_name` (when not null)
// is the name the entity had until a rename: the architecture start line is searched by it.
// VHDL applies the design's keyword case first. True on success (also when the file was
// current already).
bool ensure_skeleton(const HdlContext& context, const std::filesystem::path& path, Entity& entity,
                     const std::string* old_entity_name, Architecture& architecture,
                     Process* process);

} // namespace zeph
