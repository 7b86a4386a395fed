// The generation run and the units of one entity.
#include "hdl/generation_run.h"

#include "design/block_diagram.h"
#include "design/design.h"
#include "design/status_flags.h"
#include "foundation/clock.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"
#include "foundation/system_message.h"
#include "hdl/architecture_text.h"
#include "hdl/configuration_text.h"
#include "hdl/file_header.h"
#include "hdl/generation_list.h"
#include "hdl/hdl_context.h"
#include "hdl/hdl_file_place.h"
#include "hdl/output_files.h"
#include "hdl/verilog_module.h"
#include "hdl/vhdl_entity.h"
#include "hdl/vhdl_keywords.h"

#include <fstream>
#include <memory>
#include <vector>

namespace zeph {

namespace {
constexpr std::size_t kRuleLength = 68;

void report(ui::Platform& platform, const std::string& line) {
    platform.report_append(line);
}

std::string column_line(const std::string& a, const std::string& b, const std::string& c) {
    return format_text("%-22s %-22s %s", a.c_str(), b.c_str(), c.c_str());
}

// The output file being written; a failure to open or to write is shown and ends the run.
class OutputFile {
  public:
    explicit OutputFile(ui::Platform& platform) : platform_(platform) {}
    bool open(const std::filesystem::path& path) {
        path_ = path;
        out_ = std::make_unique<std::ofstream>(path, std::ios::out | std::ios::trunc);
        if (*out_) return true;
        out_.reset();
        system_message(platform_, 4, 1, path.string().c_str());
        return false;
    }
    bool close() {
        if (!out_) return true;
        out_->close();
        bool good = !out_->fail();
        out_.reset();
        if (!good) system_message(platform_, 7, 0, path_.string().c_str());
        return good;
    }
    bool is_open() const { return out_ != nullptr; }
    std::ostream& stream() { return *out_; }
    const std::filesystem::path& path() const { return path_; }

  private:
    ui::Platform& platform_;
    std::filesystem::path path_;
    std::unique_ptr<std::ofstream> out_;
};

// The unit kinds whose files a run may write.
const std::vector<UnitFile> kUnitFiles = {UnitFile::Vhdl, UnitFile::Entity, UnitFile::Architecture,
                                          UnitFile::Configuration, UnitFile::Verilog};

// The entities a run writes files for, in the order it writes them: deepest level first,
// the root last (or the root alone).
std::vector<const Entity*> written_entities(const GenerationRequest& request,
                                            const GenerationList& list) {
    std::vector<const Entity*> entities;
    if (request.options.parts & kPartRootAndSubtree) {
        for (std::size_t i = list.reached; i-- > 0;)
            entities.push_back(list.entities[i]);
    } else {
        entities.push_back(request.root);
    }
    std::erase_if(entities, [](const Entity* e) { return e->is_library_module() || e->external; });
    return entities;
}

// A run writes the units of its entities; a dry run only learns the files it would write
// (for the overwrite questions), writing and reporting nothing.
class Run {
  public:
    Run(const GenerationRequest& request, HdlContext& context, GenerationResult& result,
        const std::vector<const Entity*>& entities, bool dry)
        : request_(request), options_(request.options), context_(context),
          names_(request.output_file, options_), result_(result), whole_(context.platform),
          entity_file_(context.platform), unit_file_(context.platform), dry_(dry) {
        // A chosen file named after a later entity is written under that entity's name.
        for (std::size_t i = 1; i < entities.size(); ++i)
            if (names_.chosen_is_file_of(entities[i]->name, kUnitFiles))
                names_.name_all_by_entity();
    }

    bool all_in_one() {
        if (dry_) {
            planned_.push_back(request_.output_file);
            return true;
        }
        if (!whole_.open(request_.output_file)) return false;
        write_file_header(whole_.stream(), context_);
        return true;
    }
    bool finish_all_in_one() { return close(whole_); }

    bool entity(const Entity& entity);
    // The files of a dry run, in the order they would be opened.
    const std::vector<std::filesystem::path>& planned() const { return planned_; }

  private:
    bool vhdl() const { return context_.vhdl(); }
    int organization() const { return options_.organization; }
    unsigned parts() const { return options_.parts; }

    // The stream of the unit kind: the one file, the entity's file or a file of its own.
    bool open_unit(OutputFile& file, const Entity& entity, UnitFile kind) {
        std::filesystem::path path = names_.next(entity.name, kind);
        if (names_.given_before(path)) {
            context_.platform.message_box(
                program_name(),
                format_text("File '%s' already written in this run.", path.string().c_str()));
            return false;
        }
        names_.remember(path);
        if (dry_) {
            planned_.push_back(path);
            return true;
        }
        if (!file.open(path)) return false;
        write_file_header(file.stream(), context_);
        return true;
    }
    bool close(OutputFile& file) {
        if (!file.is_open()) return true;
        std::filesystem::path path = file.path();
        if (!file.close()) return false;
        result_.files.push_back(path);
        return true;
    }
    OutputFile& current() {
        if (whole_.is_open()) return whole_;
        if (entity_file_.is_open()) return entity_file_;
        return unit_file_;
    }
    std::string current_name() { return current().path().filename().string(); }

    bool declaration(const Entity& entity);
    bool architectures(const Entity& entity);
    bool configurations(const Entity& entity);

    const GenerationRequest& request_;
    const GenerationOptions& options_;
    HdlContext& context_;
    OutputFileNames names_;
    GenerationResult& result_;
    OutputFile whole_;
    OutputFile entity_file_;
    OutputFile unit_file_;
    bool dry_ = false;
    std::vector<std::filesystem::path> planned_;
};

bool Run::entity(const Entity& entity) {
    if (entity.is_library_module() || entity.external) return true;
    if (!dry_)
        context_.platform.status(format_text("Generating output for %s '%s'.",
                                             context_.kind_word(kKindEntity).c_str(),
                                             entity.name.c_str()),
                                 false);
    if (organization() == kFilePerEntity &&
        !open_unit(entity_file_, entity, vhdl() ? UnitFile::Vhdl : UnitFile::Verilog))
        return false;
    if (vhdl() && (parts() & (kPartOnlyRoot | kPartRootAndSubtree)) && !declaration(entity))
        return false;
    if ((parts() & (kPartBoundArchitectures | kPartAllArchitectures)) && !architectures(entity))
        return false;
    if (vhdl() && (parts() & kPartConfigurationDeclarations) && &entity == request_.root &&
        !configurations(entity))
        return false;
    return close(entity_file_);
}

bool Run::declaration(const Entity& entity) {
    if (organization() == kFilePerUnit && !open_unit(unit_file_, entity, UnitFile::Entity))
        return false;
    if (dry_) return true;
    report(context_.platform, column_line(entity.name, "", current_name()));
    write_entity_declaration(current().stream(), context_, entity);
    return organization() != kFilePerUnit || close(unit_file_);
}

bool Run::architectures(const Entity& entity) {
    if (organization() == kFilePerUnit && !open_unit(unit_file_, entity, UnitFile::Architecture))
        return false;
    if (dry_) return true;
    bool first = true;
    for (const auto& architecture : entity.architectures) {
        if (architecture->status & kStatusError) continue;
        if ((parts() & kPartBoundArchitectures) && !context_.is_bound(*architecture)) continue;
        report(context_.platform, column_line(entity.name, architecture->name, current_name()));
        std::ostream& out = current().stream();
        if (vhdl()) {
            write_architecture_heading(out, context_, entity, *architecture, first);
            write_architecture(out, context_, entity, *architecture);
        } else {
            write_module(out, context_, entity, *architecture);
        }
        first = false;
    }
    return organization() != kFilePerUnit || close(unit_file_);
}

bool Run::configurations(const Entity& entity) {
    if (organization() == kFilePerUnit && !open_unit(unit_file_, entity, UnitFile::Configuration))
        return false;
    if (dry_) return true;
    std::string last = write_root_configurations(current().stream(), context_, entity);
    result_.root_configuration = last;
    report(context_.platform, column_line(last, "-- Configuration --", current_name()));
    return organization() != kFilePerUnit || close(unit_file_);
}

// The HDL file of the root's testbench for the language; empty when there is none.
std::filesystem::path testbench_file(const HdlContext& context, const Entity& root) {
    const Entity* testbench = root.testbench.get();
    if (testbench != nullptr)
        for (const auto& architecture : testbench->architectures)
            if (architecture->kind == kArchitectureHdlFile && architecture->hdl_file)
                return hdl_file_path(context.place, *testbench, *architecture,
                                     *architecture->hdl_file, context.language);
    return {};
}

void refuse_testbench_source(ui::Platform& platform, const std::filesystem::path& source) {
    platform.message_box(program_name(), format_text("Cannot open file '%s' for copying (r).",
                                                     source.string().c_str()));
}

bool testbench_readable(const std::filesystem::path& source) {
    std::ifstream in(source, std::ios::binary);
    return !source.empty() && in.good();
}

bool copy_testbench(const HdlContext& context, const std::filesystem::path& source,
                    const std::filesystem::path& target) {
    std::ifstream in(source, std::ios::binary);
    if (source.empty() || !in) {
        refuse_testbench_source(context.platform, source);
        return false;
    }
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    if (!out) {
        context.platform.message_box(
            program_name(),
            format_text("Cannot open file '%s' for copying (w).", target.string().c_str()));
        return false;
    }
    out << in.rdbuf();
    out.close();
    if (out.fail()) {
        context.platform.message_box(
            program_name(), format_text("Error(s) writing file '%s'.", target.string().c_str()));
        return false;
    }
    return true;
}

// The units of every entity, in the file organization of the run.
bool write_units(Run& run, const GenerationRequest& request,
                 const std::vector<const Entity*>& entities) {
    bool one_file = request.options.organization == kAllInOneFile;
    if (one_file && !run.all_in_one()) return false;
    for (const Entity* entity : entities)
        if (!run.entity(*entity)) return false;
    return !one_file || run.finish_all_in_one();
}

void report_heading(const HdlContext& context, const std::filesystem::path& directory) {
    ui::Platform& ui = context.platform;
    ui.report_clear();
    report(ui, "");
    report(ui, format_text("Generating output on directory '%s'.", directory.string().c_str()));
    report(ui, format_text("(Time stamp: %s)", date_time_now().c_str()));
    report(ui, "");
    report(ui, context.vhdl() ? column_line("Entity", "Architecture", "Filename")
                              : column_line("Module", "Module body", "Filename"));
    report(ui, std::string(kRuleLength, '='));
}

// Every file the run would replace is asked for before anything is written.
bool confirm_overwrite(ui::Platform& platform, const GenerationRequest& request,
                       const std::vector<std::filesystem::path>& files) {
    if (request.options.overwrite) return true;
    for (const auto& file : files) {
        std::error_code ignored;
        if (!std::filesystem::exists(file, ignored)) continue;
        std::string question =
            format_text("%s already exists.\nDo you want to replace it?", file.string().c_str());
        if (platform.ask_yes_no(program_name(), question) != ui::Answer::Yes) return false;
    }
    return true;
}

// The quick verification of every block diagram with processes that the run writes; false
// when one found an error.
bool quick_verify_diagrams(const GenerationRequest& request, const HdlContext& context,
                           const std::vector<const Entity*>& entities) {
    if (!request.quick_verify ||
        !(request.options.parts & (kPartBoundArchitectures | kPartAllArchitectures)))
        return true;
    for (const Entity* entity : entities)
        for (const auto& architecture : entity->architectures) {
            if (architecture->status & kStatusError) continue;
            if ((request.options.parts & kPartBoundArchitectures) &&
                !context.is_bound(*architecture))
                continue;
            if (architecture->block_diagram == nullptr ||
                architecture->block_diagram->processes.empty())
                continue;
            if (!request.quick_verify(*architecture)) return false;
        }
    return true;
}
} // namespace

GenerationResult generate_hdl(ui::Platform& platform, const Design& design,
                              const GenerationRequest& request) {
    GenerationResult result;
    HdlContext context(design, platform);
    if (request.root == nullptr) {
        platform.message_box(program_name(), format_text("No %s specified.",
                                                         context.kind_word(kKindEntity).c_str()));
        return result;
    }
    context.parts = request.options.parts;
    context.working_library = request.options.working_library;
    context.place.project_directory = request.project_directory;
    context.connect_by_name_signals = request.connect_by_name_signals;
    const Entity& root = *request.root;
    unsigned parts = request.options.parts;
    bool testbench = (parts & kPartTestbenchOfRoot) != 0;
    const Architecture* start =
        (parts & kPartBoundArchitectures) && !testbench ? request.root_architecture : nullptr;
    GenerationList list = build_generation_list(design, root, start);
    context.bound_counts = list.bound_counts;
    if (!testbench && !check_bindings(context, list)) {
        result.outcome = RunOutcome::Cancelled;
        return result;
    }
    std::filesystem::path directory = request.output_file.parent_path();
    if (request.output_file.filename().empty() || !usable_output_directory(directory)) {
        platform.message_box(program_name(), "Illegal directory.");
        return result;
    }
    std::vector<const Entity*> entities = written_entities(request, list);
    std::vector<std::filesystem::path> files{request.output_file};
    std::filesystem::path testbench_source;
    if (testbench) {
        // Refused before the report says anything.
        testbench_source = testbench_file(context, root);
        if (!testbench_readable(testbench_source)) {
            refuse_testbench_source(platform, testbench_source);
            return result;
        }
    } else {
        GenerationResult dry_result;
        Run dry(request, context, dry_result, entities, true);
        if (!write_units(dry, request, entities)) return result;
        files = dry.planned();
        if (!quick_verify_diagrams(request, context, entities)) return result;
    }
    if (!confirm_overwrite(platform, request, files)) {
        result.outcome = RunOutcome::Cancelled;
        return result;
    }
    report_heading(context, directory);
    if (testbench) {
        if (!copy_testbench(context, testbench_source, request.output_file)) return result;
        result.files.push_back(request.output_file);
    } else {
        Run run(request, context, result, entities, false);
        if (!write_units(run, request, entities)) return result;
    }
    report(platform, "");
    report(platform, "Output generation done.");
    platform.report_bring_up();
    result.analysed = run_analysis(platform, analysis_of(design, request, result));
    platform.status(
        format_text("Output generated in file '%s'.", request.output_file.string().c_str()), false);
    result.outcome = RunOutcome::Done;
    return result;
}

} // namespace zeph

namespace zeph {

AnalysisRequest analysis_of(const Design& design, const GenerationRequest& request,
                            const GenerationResult& result) {
    const GenerationOptions& options = request.options;
    AnalysisRequest analysis;
    analysis.tool = analysis_tool_from_setting(options.analysis_tool);
    analysis.language = design.target_language == 2 ? 2 : 1;
    analysis.exec_path = options.analysis_exec_path;
    analysis.options = options.analysis_options;
    analysis.working_library = options.working_library;
    analysis.vhdl93 = design.vhdl93;
    analysis.files = result.files;
    if (request.root != nullptr) {
        if ((options.parts & kPartTestbenchOfRoot) && request.root->testbench)
            analysis.elaborated_unit = request.root->testbench->name;
        else if (!result.root_configuration.empty())
            analysis.elaborated_unit = result.root_configuration;
        else if (options.parts & (kPartBoundArchitectures | kPartAllArchitectures))
            analysis.elaborated_unit = request.root->name;
    }
    return analysis;
}

std::string proposed_file_name(const Design& design, const GenerationRequest& request) {
    if (request.root == nullptr) return {};
    const GenerationOptions& options = request.options;
    unsigned parts = options.parts;
    bool verilog = design.target_language == 2;
    if ((parts & kPartTestbenchOfRoot) && request.root->testbench)
        return with_extension(request.root->testbench->name, options.vhdl_ext).string();
    const Entity* first = request.root;
    if ((parts & kPartRootAndSubtree) && options.organization != kAllInOneFile) {
        const Architecture* start =
            (parts & kPartBoundArchitectures) ? request.root_architecture : nullptr;
        GenerationList list = build_generation_list(design, *request.root, start);
        for (std::size_t i = list.reached; i-- > 0;)
            if (!list.entities[i]->is_library_module() && !list.entities[i]->external) {
                first = list.entities[i];
                break;
            }
    }
    UnitFile kind = verilog ? UnitFile::Verilog : UnitFile::Vhdl;
    if (!verilog && options.organization == kFilePerUnit) {
        if (parts & (kPartOnlyRoot | kPartRootAndSubtree))
            kind = UnitFile::Entity;
        else if (parts & (kPartBoundArchitectures | kPartAllArchitectures))
            kind = UnitFile::Architecture;
        else
            kind = UnitFile::Configuration;
    }
    return with_extension(first->name, options.extension(kind)).string();
}

} // namespace zeph
