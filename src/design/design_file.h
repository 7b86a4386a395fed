// The design file (work/design.vdf): writing and reading the whole design, the version check
// shared by every design-related file, and the messages that report read failures.
//
// Readers return 0 on success, the number of the line where reading failed, or a negative
// code (below). A failed read leaves an empty design behind.
#pragma once

#include "design/design.h"
#include "design/design_defaults.h"
#include "design/geometry.h"
#include "ui/platform.h"

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

namespace zeph {

struct Net;

inline constexpr int kReadExpired = -1;        // system message 103
inline constexpr int kReadNotDesignFile = -2;  // system message 102, "not an ZEPH/HDL" form
inline constexpr int kReadCannotOpen = -3;     // system message 4
inline constexpr int kReadNameConflict = -4;   // macro entity already in the design (shown)
inline constexpr int kReadEntityNotFound = -5; // library fetch: no entity of that name

// Writers return 0, 4 (the file cannot be opened) or 7 (a write failed): the numbers of the
// system messages that report them.
inline constexpr int kWriteCannotOpen = 4;
inline constexpr int kWriteFailed = 7;

// What a file is read for; each purpose has its oldest acceptable version.
enum class FilePurpose { Design, Macro, Library, Configuration };

// Checks the first line of a file: 0 accepted, kReadExpired, or kReadNotDesignFile. The
// version index (1 to 9) is stored through `index` when accepted.
int check_file_version(std::string_view first_line, FilePurpose purpose, int* index = nullptr);

// What the reader takes from above the design records: the record defaults of the settings
// and calls into code that lives above them.
struct ReadHooks {
    // Label option words and colours of the settings; null: the documented defaults.
    const DesignDefaults* defaults = nullptr;
    // Resolves an HDL file name of an architecture (process null) or a process; language 1
    // VHDL, 2 Verilog. An empty result drops the name. Default: the name unchanged.
    std::function<std::string(const Entity& entity, const Architecture* architecture,
                              const Process* process, const std::string& name, int language)>
        locate_hdl_file;
    // Adds one old-style segment line of a net (files of version index below 3) to the net's
    // geometry. Default: a plain sorted insertion of horizontal and vertical segments.
    std::function<void(Net& net, Point a, Point b)> insert_segment;
};

// The whole design file text.
std::string design_file_text(const Design& design);
int write_design_file(std::FILE* file, const Design& design);
int write_design_file(const std::string& path, const Design& design);

// Reads into `design`, replacing what it held.
int read_design_text(std::string_view text, Design& design, const ReadHooks& hooks = {});
int read_design_file(const std::string& path, Design& design, const ReadHooks& hooks = {});

// System message 102, 103 or 4 for a failed read of `path`; nothing for 0 and for failures
// already shown.
void show_read_failure(ui::Platform& platform, int code, const std::string& path);
// System message 4 or 7 for a failed write.
void show_write_failure(ui::Platform& platform, int code, const std::string& path);

} // namespace zeph
