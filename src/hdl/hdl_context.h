// What the HDL text writers need beside the design records: the output language, the choices
// and bound counts of the generation run, and where the project's HDL files lie on disk.
#pragma once

#include "hdl/vhdl_keywords.h"
#include "ui/platform.h"

#include <filesystem>
#include <string>
#include <unordered_map>
#include <vector>

namespace zeph {

struct Architecture;
struct BlockDiagram;
struct Design;
struct Entity;
struct Net;

// The "GenerateParts" bits of a generation run.
inline constexpr unsigned kPartOnlyRoot = 1;
inline constexpr unsigned kPartTestbenchOfRoot = 2;
inline constexpr unsigned kPartRootAndSubtree = 4;
inline constexpr unsigned kPartBoundArchitectures = 8;
inline constexpr unsigned kPartAllArchitectures = 16;
inline constexpr unsigned kPartConfigurationDeclarations = 32;
inline constexpr unsigned kPartConfigurationSpecifications = 64;

// The project directory (the ".vdp" directory, the program's working directory while the
// project is open). Empty means the current directory.
struct ProjectPlace {
    std::filesystem::path project_directory;
};

// The object-kind words of generated comments and messages follow the design's target language;
// questions and messages of a run go through the platform.
struct HdlContext {
    HdlContext(const Design& design, ui::Platform& platform);

    const Design& design;
    ui::Platform& platform;
    int language;          // 1 VHDL, 2 Verilog: the design's target language
    KeywordTable keywords; // in the design's keyword case
    unsigned parts = 0;
    std::string working_library; // of the run; empty means "work"
    // Bound counts of the generation list; an architecture missing here is not bound.
    std::unordered_map<const Architecture*, int> bound_counts;
    ProjectPlace place;
    // The connect-by-name signals that verification found per block diagram: scratch nets
    // with their connection records and signal classes, in their order.
    std::unordered_map<const BlockDiagram*, std::vector<const Net*>> connect_by_name_signals;

    bool vhdl() const { return language != 2; }
    bool verilog() const { return language == 2; }
    bool is_bound(const Architecture& architecture) const;
    const char* keyword(const char* upper_word) const { return keywords.keyword(upper_word); }
    std::string kind_word(int kind, int flags = 0, int number = 1) const;
};

} // namespace zeph
