// The generate dialog. The settings give the starting choices; the dialog's choices go into
// the request of this run only, as the shell's generate command's words do.
#include "dialogs/generate_dialog.h"

#include "dialogs/dialog_fields.h"
#include "dialogs/form_dialog.h"

#include "design/design.h"
#include "design/entity.h"
#include "hdl/generate_choices.h"
#include "hdl/generation_run.h"
#include "hdl/output_files.h"
#include "shell/generation_settings.h"
#include "shell/logical_directories.h"
#include "shell/session.h"
#include "shell/verification.h"

#include <QComboBox>

#include <filesystem>

namespace zeph {

namespace {

// The bits of the generation parts, by group of the dialog.
constexpr unsigned kOnlyRoot = 1;
constexpr unsigned kRootTestbench = 2;
constexpr unsigned kRootAndSubtree = 4;
constexpr unsigned kOnlyBound = 8;
constexpr unsigned kAllArchitectures = 16;
constexpr unsigned kConfigurationDeclaration = 32;
constexpr unsigned kConfigurationSpecifications = 64;

constexpr unsigned kUnitBits[] = {kRootAndSubtree, kOnlyRoot, 0, kRootTestbench};
constexpr unsigned kArchitectureBits[] = {kAllArchitectures, kOnlyBound, 0};
constexpr unsigned kConfigurationBits[] = {0, kConfigurationDeclaration,
                                           kConfigurationSpecifications};

constexpr int kToolOptionsLimit = 100;
// The fields a refusal puts the focus on.
constexpr int kRootField = 1;
constexpr int kLibraryField = 2;

template <std::size_t N> int position_of(unsigned parts, const unsigned (&bits)[N]) {
    for (std::size_t i = 0; i < N; ++i)
        if (bits[i] != 0 && (parts & bits[i]) != 0) return static_cast<int>(i);
    for (std::size_t i = 0; i < N; ++i)
        if (bits[i] == 0) return static_cast<int>(i);
    return 0;
}

// The output file the run proposes: in the chosen outputs directory, else the project's.
std::optional<std::filesystem::path> proposed_output(Session& session, const Design& design,
                                                     const GenerationRequest& request) {
    const Settings& settings = session.settings();
    std::optional<std::filesystem::path> outputs;
    if (!settings.environment.outputs.empty())
        if (auto resolved = resolve_path(settings.environment.outputs, settings, nullptr))
            outputs = *resolved;
    std::optional<std::filesystem::path> directory =
        default_output_directory(request.project_directory, outputs);
    if (!directory) return std::nullopt;
    return *directory / proposed_file_name(design, request);
}

// The run itself, as the shell's generate command makes it.
bool generate(Session& session, Design& design, GenerationRequest& request) {
    Settings& settings = session.settings();
    normalise_generation_options(request.options, design.target_language);
    if (std::optional<std::filesystem::path> file = proposed_output(session, design, request))
        request.output_file = *file;
    request.connect_by_name_signals = session.verification().connect_by_name_signals();
    request.quick_verify = [&session](const Architecture& architecture) {
        return quick_verify_for_generation(session, architecture);
    };
    GenerationResult result = generate_hdl(session.platform(), design, request);
    if (design.target_language != kLanguageVerilog)
        session.events().vhdl_keywords_written(design.keyword_case);
    if (result.outcome != RunOutcome::Done) return result.outcome == RunOutcome::Cancelled;
    session.remember_generation_root(request.root);
    session.remember_analysis(analysis_of(design, request, result));
    std::filesystem::path chosen = request.output_file.parent_path();
    std::filesystem::path own = request.project_directory / "output";
    std::error_code ignored;
    if (!std::filesystem::equivalent(chosen, own, ignored))
        settings.environment.outputs = chosen.string();
    return true;
}

} // namespace

DialogOutcome run_generate_dialog(QWidget* parent, Session& session) {
    Design* design = session.design();
    if (design == nullptr || !generation_possible(session)) return DialogOutcome::NoDialog;
    session.enter_working_directory();
    const bool verilog = design->target_language == kLanguageVerilog;
    GenerationRequest request;
    request.options = generation_options(session.settings());
    request.project_directory = current_directory().value_or(".");
    GenerationOptions& options = request.options;

    const std::vector<const Entity*> roots = eligible_roots(*design);
    const Entity* proposed = proposed_root(*design, session.remembered_generation_root());
    Choices root_names;
    int root_position = -1;
    for (std::size_t i = 0; i < roots.size(); ++i) {
        root_names.push_back(roots[i]->name);
        if (roots[i] == proposed) root_position = static_cast<int>(i);
    }
    int units = position_of(options.parts, kUnitBits);
    int architectures = position_of(options.parts, kArchitectureBits);
    int configurations = position_of(options.parts, kConfigurationBits);
    int architecture_position = 0;

    FormDialog dialog(parent, verilog ? "Generate Verilog" : "Generate Vhdl");
    dialog.add_heading(" Design units ");
    dialog.add_choice(" Design organization: ", units,
                      {"Root + subtree", "Only root", "None", "Testbench of root"});
    dialog.add_choice("Architectures:", architectures, {"All", "Only bound", "None"});
    if (!verilog)
        dialog.add_choice("C&onfigurations:", configurations,
                          {"None", "Declaration", "Specifications"});
    dialog.add_heading(" Binding: ");
    QComboBox* root_box =
        dialog.add_choice("Root entity:", root_position, root_names, 0, kRootField);
    QComboBox* architecture_box =
        dialog.add_choice("Root architecture:", architecture_position, {});
    auto show_architectures = [&roots, architecture_box](int index) {
        architecture_box->clear();
        if (index < 0) return;
        for (const auto& architecture : roots[static_cast<std::size_t>(index)]->architectures)
            architecture_box->addItem(QString::fromStdString(architecture->name));
        architecture_box->setCurrentIndex(0);
    };
    show_architectures(root_position);
    QObject::connect(root_box, &QComboBox::currentIndexChanged, &dialog, show_architectures);
    dialog.add_heading(" Output options ");
    dialog.add_heading(" Analysis: ");
    int tool = options.analysis_tool;
    dialog.add_choice("&Tool:", tool, {"-", "Modelsim"});
    dialog.add_line("Opt&ions:", options.analysis_options, kToolOptionsLimit);
    dialog.add_line("&Working library:", options.working_library, kNameLimit, kLibraryField);
    dialog.add_heading(" Output file(s): ");
    dialog.add_check("Overwrite output file without asking to replace", options.overwrite);
    Choices organizations = {"All in one file", "Entities with Architectures"};
    if (!verilog) organizations.push_back("All design units separately");
    dialog.add_choice(" File organization: ", options.organization, organizations);
    dialog.set_check([&]() -> std::optional<int> {
        options.parts = kUnitBits[units] | kArchitectureBits[architectures] |
                        (verilog ? 0u : kConfigurationBits[configurations]);
        options.analysis_tool = tool;
        request.root =
            root_position >= 0 ? roots[static_cast<std::size_t>(root_position)] : nullptr;
        request.root_architecture = nullptr;
        if (request.root != nullptr && architecture_position >= 0 &&
            static_cast<std::size_t>(architecture_position) < request.root->architectures.size())
            request.root_architecture =
                request.root->architectures[static_cast<std::size_t>(architecture_position)].get();
        if (request.root == nullptr) {
            generate(session, *design, request); // the run names what is missing
            return kRootField;
        }
        if (!check_working_library(session.platform(), options.working_library,
                                   design->language_checking))
            return kLibraryField;
        generate(session, *design, request);
        return std::nullopt;
    });
    return dialog.run();
}

} // namespace zeph
