// Testbench and compile commands.
#include "shell/testbench_commands.h"

#include "design/design.h"
#include "design/design_constructors.h"
#include "hdl/analysis_run.h"
#include "hdl/generation_options.h"
#include "hdl/hdl_context.h"
#include "hdl/hdl_file_place.h"
#include "hdl/testbench.h"
#include "shell/command_table.h"
#include "shell/level_navigation.h"
#include "shell/session.h"

#include <filesystem>
#include <limits>
#include <optional>

namespace zeph {

namespace {

Entity* entity_named(Invocation& inv, const char* command) {
    std::string prefix = std::string(command) + ": ";
    Design* design = inv.session.design();
    if (design == nullptr) {
        inv.shell.error(prefix + "no design is open");
        return nullptr;
    }
    Entity* entity = find_entity(*design, inv.args[0]);
    if (entity == nullptr) inv.shell.error(prefix + "no entity '" + inv.args[0] + "'");
    return entity;
}

bool testbench_command(Invocation& inv) {
    Entity* entity = entity_named(inv, "testbench");
    if (entity == nullptr) return false;
    if (entity->testbench != nullptr) {
        inv.shell.error("testbench: '" + entity->name + "' has the testbench '" +
                        entity->testbench->name + "' already");
        return false;
    }
    if (entity->is_library_module() || entity->external) {
        inv.shell.error("testbench: '" + entity->name + "' is a library or external entity");
        return false;
    }
    Session& session = inv.session;
    Design& design = *session.design();
    HdlContext context(design, session.platform());
    context.working_library = session.settings().tools.working_library;
    if (context.vhdl()) session.events().vhdl_keywords_written(design.keyword_case);
    std::optional<std::string> given;
    if (inv.args.size() > 1) given = inv.args[1];
    std::optional<std::string> name = name_testbench(context, *entity, given);
    if (!name) return !given; // a cancelled prompt is no failure
    const Settings::Environment& environment = session.settings().environment;
    std::string file =
        with_extension(*name, context.verilog() ? environment.verilog_ext : environment.vhdl_ext)
            .string();
    Entity* testbench =
        create_testbench(context, design, *entity, *name, file, session.design_defaults());
    if (testbench == nullptr) return true; // cancelled: the design is as before
    session.mark_modified();
    session.autobackup();
    const Architecture& architecture = *testbench->architectures.front();
    inv.shell.print("testbench", hdl_file_path(context.place, *testbench, architecture,
                                               *architecture.hdl_file, context.language)
                                     .string());
    return true;
}

bool go_testbench_command(Invocation& inv) {
    Entity* entity = entity_named(inv, "go-testbench");
    if (entity == nullptr) return false;
    if (!testbench_reachable(*inv.session.design(), *entity)) {
        inv.shell.error("go-testbench: '" + entity->name +
                        "' has no testbench to go to (VHDL, verified down the hierarchy)");
        return false;
    }
    Entity& testbench = *entity->testbench;
    return open_hdl_file(inv.session, testbench, *testbench.architectures.front(), nullptr);
}

AnalysisRequest analysis_from_settings(Session& session) {
    AnalysisRequest request;
    if (const std::optional<AnalysisRequest>& last = session.last_analysis()) request = *last;
    const Settings::Tools& tools = session.settings().tools;
    request.tool = analysis_tool_from_setting(tools.analysis_tool);
    request.exec_path = tools.modelsim_exec_path;
    request.options = tools.modelsim;
    request.working_library = tools.working_library;
    if (const Design* design = session.design()) {
        request.language = design->target_language == 2 ? 2 : 1;
        request.vhdl93 = design->vhdl93;
    }
    return request;
}

bool compile_command(Invocation& inv) {
    Session& session = inv.session;
    AnalysisRequest request = analysis_from_settings(session);
    if (request.tool == AnalysisTool::None) {
        inv.shell.error("compile: no analysis tool is set (AnalysisTool in section Tools)");
        return false;
    }
    if (!inv.args.empty()) {
        request.files.clear();
        request.elaborated_unit.clear();
        for (const std::string& arg : inv.args) {
            std::optional<std::string> path = session.full_path(arg);
            if (!path) return false;
            request.files.emplace_back(*path);
        }
    } else if (!session.last_analysis()) {
        inv.shell.error("compile: no files given and none generated yet");
        return false;
    }
    if (run_analysis(session.platform(), request)) return true;
    inv.shell.error("compile: the analysis failed");
    return false;
}
} // namespace

void add_testbench_commands(CommandTable& table) {
    table.add({"testbench", "ENTITY [NAME]",
               "Create the testbench of an entity (asks its name without NAME) and its file", 1, 2,
               testbench_command});
    table.add({"go-testbench", "ENTITY", "Open the testbench file of an entity in the editor", 1, 1,
               go_testbench_command});
    table.add({"compile", "[FILE...]",
               "Analyse files (the last generation's without FILE) with the analysis tool", 0,
               std::numeric_limits<std::size_t>::max(), compile_command});
}

} // namespace zeph
