// Pictures as files: writing one picture safely (complete or not at all), the file names of
// the pictures of a design's diagrams, and writing all of them into a folder.
#pragma once

#include "design/design.h"
#include "drawing/diagram_renderer.h"

#include <string>
#include <string_view>
#include <vector>

namespace zeph {

// Writes the text through a temporary file beside the target that replaces the target only
// when it is complete, so a failed write leaves an existing file as it was. False with the
// reason in `error`.
bool write_picture_file(const std::string& path, std::string_view text, std::string* error);

// "<entity>.<architecture>.svg"; characters other than letters, digits, "_" and "-" become
// "_", so a name read from a file cannot lead out of the folder.
std::string picture_file_name(const Entity& entity, const Architecture& architecture);

// Every block diagram and state diagram of the design, in entity and architecture order.
std::vector<Architecture*> design_diagrams(Design& design);
// The first block or state diagram of the entity, or null.
Architecture* first_diagram(Entity& entity);

struct PicturesWritten {
    std::vector<std::string> files; // paths written, in order
    std::string error;              // the first failure; writing stops there
    bool ok() const { return error.empty(); }
};

// One picture per block or state diagram of the design in the folder, which is created when
// missing. The options' selection applies to the architecture `selection_of` only.
PicturesWritten write_design_pictures(Design& design, const std::string& folder,
                                      const DrawingOptions& options,
                                      const Architecture* selection_of = nullptr);

} // namespace zeph
