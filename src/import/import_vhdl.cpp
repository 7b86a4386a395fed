// The import of one VHDL file: read, parse, log, take over.
#include "import/import_vhdl.h"

#include "foundation/strings.h"
#include "import/import_log.h"
#include "import/import_texts.h"
#include "import/take_over.h"
#include "import/vhdl_parser.h"
#include "ui/platform.h"

#include <cstdlib>
#include <fstream>
#include <limits>
#include <optional>
#include <sstream>

namespace zeph::vhdl {

namespace {

// The whole file, or nothing when it cannot be read (or is too large for 32-bit offsets).
std::optional<std::string> read_file(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return std::nullopt;
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) return std::nullopt;
    std::string text = std::move(content).str();
    if (text.size() >= std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
    return text;
}

} // namespace

int import_debug_level_from_environment() {
    const char* value = std::getenv("ZEPH_IMPORT_DEBUG");
    if (value == nullptr) return 0;
    char* end = nullptr;
    long level = std::strtol(value, &end, 10);
    if (end == value || level < 0 || level > 9) return 0;
    return static_cast<int>(level);
}

ImportOutcome import_vhdl_file(const std::string& path, Design& design,
                               const std::filesystem::path& project_directory,
                               ui::Platform& platform, const ImportSettings& settings) {
    ImportOutcome outcome;
    platform.report_clear();
    platform.report_title(text::kReportTitle);
    ImportLog log(platform);
    log.write(std::string(text::kStarting) + "\r\n");

    std::filesystem::path file(path);
    if (!file.has_extension()) file += ".vhd";
    std::optional<std::string> content = read_file(file);
    if (!content) {
        log.write(format_text(text::kCannotOpen, file.string().c_str()));
        log.flush();
        return outcome;
    }
    // A binary file (an object file, an image, a packed archive) would give an error for nearly
    // every line, each echoing control bytes into the log; NUL never occurs in source text.
    if (content->find('\0') != std::string::npos) {
        log.write(format_text(text::kNotText, file.string().c_str()));
        log.flush();
        return outcome;
    }
    outcome.read = true;
    log.write(format_text(text::kReading, file.string().c_str()));

    SourceText source(std::move(*content));
    ParseOptions options;
    options.vhdl93 = design.vhdl93;
    options.debug_level = settings.debug_level;
    options.stack_limit = settings.stack_limit;
    options.file_name = file.filename().string();
    ParsedFile parsed = parse_vhdl(source, log, options);

    log.write(format_text(text::kDone, file.string().c_str()));
    log.write(format_text(text::kCounts, parsed.errors, parsed.warnings));
    outcome.errors = parsed.errors;
    outcome.warnings = parsed.warnings;

    TakeOverPlace place{design,
                        project_directory,
                        platform,
                        log,
                        settings.record_defaults,
                        settings.diagram_settings,
                        settings.vhdl_extension};
    outcome.taken_over = take_over_units(parsed, source, place);
    log.flush();
    platform.report_bring_up();
    return outcome;
}

} // namespace zeph::vhdl
