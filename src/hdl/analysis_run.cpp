// The V-System, GHDL and Icarus Verilog runs over the written files.
#include "hdl/analysis_run.h"

#include "foundation/strings.h"
#include "foundation/system_message.h"
#include "hdl/tool_run.h"

#include <sstream>

namespace zeph {

namespace {
namespace fs = std::filesystem;

constexpr const char* kVSystemMissing =
    "Can not find 'vcom' or 'vlib'. Please check ModelsimExecPath in zeph.ini";
constexpr const char* kNoFiles = "No files to analyse.";
constexpr const char* kWrongLanguage = "%s analyses %s files only.";
constexpr const char* kDefaultLibrary = "work";

std::string library_of(const AnalysisRequest& request) {
    return request.working_library.empty() ? kDefaultLibrary : request.working_library;
}

std::vector<std::string> blank_separated(const std::string& text) {
    std::vector<std::string> words;
    std::istringstream in(text);
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

void open_report(ui::Platform& platform, const char* title) {
    platform.report_clear();
    platform.report_title(title);
    platform.report_bring_up();
}

bool is_program(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

// A file in the working directory by its name, as the tools are given it; one elsewhere (only
// a file named to the compile command can lie elsewhere) by its whole path.
std::string name_in(const std::string& directory, const fs::path& file) {
    return file.parent_path() == fs::path(directory) ? file.filename().string() : file.string();
}

// Each file in order, the remaining ones left out after the first failure.
bool compile_each(ui::Platform& platform, const AnalysisRequest& request,
                  const std::vector<std::string>& head, const std::string& directory) {
    for (const fs::path& file : request.files) {
        ToolRun run{head, directory};
        run.argv.push_back(name_in(directory, file));
        if (!run_tool(platform, run)) return false;
    }
    return true;
}

bool run_vsystem(ui::Platform& platform, const AnalysisRequest& request,
                 const std::string& directory) {
    // Started by path, never looked up on PATH.
    fs::path tools = fs::path(request.exec_path).parent_path();
    std::error_code error;
    tools = fs::absolute(tools.empty() ? fs::path(".") : tools, error);
    fs::path vlib = tools / "vlib";
    fs::path compiler = tools / (request.language == 2 ? "vlog" : "vcom");
    if (!is_program(vlib) || !is_program(compiler)) {
        platform.message_box(program_name(), kVSystemMissing);
        return false;
    }
    open_report(platform, kVSystemTitle);
    std::string options = request.options;
    if (!request.working_library.empty())
        options =
            format_text("%s -work %s ", request.options.c_str(), request.working_library.c_str());
    run_tool(platform, {{vlib.string(), library_of(request)}, directory});
    std::vector<std::string> head{compiler.string()};
    for (std::string& word : blank_separated(options))
        head.push_back(std::move(word));
    return compile_each(platform, request, head, directory);
}

bool run_ghdl(ui::Platform& platform, const AnalysisRequest& request,
              const std::string& directory) {
    if (request.language == 2) {
        platform.message_box(program_name(), format_text(kWrongLanguage, "GHDL", "VHDL"));
        return false;
    }
    open_report(platform, kGhdlTitle);
    std::string standard = request.vhdl93 ? "--std=93" : "--std=87";
    std::string work = "--work=" + library_of(request);
    if (!compile_each(platform, request, {"ghdl", "-a", standard, work}, directory)) return false;
    if (request.elaborated_unit.empty()) return true;
    return run_tool(platform, {{"ghdl", "-e", standard, work, request.elaborated_unit}, directory});
}

bool run_icarus(ui::Platform& platform, const AnalysisRequest& request,
                const std::string& directory) {
    if (request.language != 2) {
        platform.message_box(program_name(),
                             format_text(kWrongLanguage, "Icarus Verilog", "Verilog"));
        return false;
    }
    open_report(platform, kIcarusTitle);
    std::string unit = request.elaborated_unit.empty() ? request.files.front().stem().string()
                                                       : request.elaborated_unit;
    ToolRun run{{"iverilog", "-o", unit + ".vvp"}, directory};
    for (const fs::path& file : request.files)
        run.argv.push_back(name_in(directory, file));
    return run_tool(platform, run);
}
} // namespace

bool run_analysis(ui::Platform& platform, const AnalysisRequest& request) {
    if (request.tool == AnalysisTool::None) return true;
    if (request.files.empty()) {
        platform.message_box(program_name(), kNoFiles);
        return false;
    }
    std::string directory = request.files.front().parent_path().string();
    switch (request.tool) {
    case AnalysisTool::Modelsim:
        return run_vsystem(platform, request, directory);
    case AnalysisTool::Ghdl:
        return run_ghdl(platform, request, directory);
    case AnalysisTool::Icarus:
        return run_icarus(platform, request, directory);
    case AnalysisTool::None:
        break;
    }
    return true;
}

} // namespace zeph
