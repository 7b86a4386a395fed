// Naming and creating testbenches.
#include "hdl/testbench.h"

#include "design/design.h"
#include "design/design_constructors.h"
#include "design/status_flags.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"
#include "foundation/system_message.h"
#include "hdl/hdl_context.h"
#include "hdl/hdl_file_place.h"
#include "hdl/identifier_rules.h"
#include "hdl/skeleton.h"

#include <filesystem>

namespace zeph {

namespace {
namespace fs = std::filesystem;

constexpr std::size_t kProposalStem = 29;
constexpr const char* kSuffix = "_tb";

bool taken_by(const Entity& entity, const std::string& name, int rules) {
    if (names_equal(entity.name, name, rules)) return true;
    return entity.testbench != nullptr && taken_by(*entity.testbench, name, rules);
}

bool refused(const HdlContext& context, const std::string& name) {
    if (int code = check_identifier(name, kHdlNameLimit, context.design.language_checking);
        code != 0) {
        system_message(context.platform, code, 0, name.c_str());
        return true;
    }
    if (entity_name_taken(context.design, name)) {
        system_message(context.platform, 48, kKindTestbench, nullptr, context.language);
        return true;
    }
    return false;
}

// The testbench's directory and whether it was there before, so that a cancelled creation
// removes only what it made.
struct MadeDirectory {
    fs::path path;
    bool existed = false;
};

void remove_made(const MadeDirectory& made) {
    if (made.existed || made.path.empty()) return;
    std::error_code ignored;
    fs::remove_all(made.path, ignored);
}
} // namespace

bool entity_name_taken(const Design& design, const std::string& name) {
    for (const auto& entity : design.entities)
        if (taken_by(*entity, name, design.language_checking)) return true;
    return false;
}

std::string proposed_testbench_name(const Design& design, const Entity& entity) {
    std::string proposal = entity.name.substr(0, kProposalStem) + kSuffix;
    for (int counter = 0; entity_name_taken(design, proposal); ++counter) {
        std::string number = std::to_string(counter);
        std::size_t room = kHdlNameLimit - std::string_view(kSuffix).size() - number.size();
        proposal = entity.name.substr(0, room) + kSuffix + number;
    }
    return proposal;
}

std::optional<std::string> name_testbench(const HdlContext& context, const Entity& entity,
                                          const std::optional<std::string>& given) {
    if (given) {
        if (refused(context, *given)) return std::nullopt;
        return given;
    }
    std::string prompt =
        format_text("Enter name for %s of %s '%s':", context.kind_word(kKindTestbench).c_str(),
                    context.kind_word(kKindEntity).c_str(), entity.name.c_str());
    std::string proposal = proposed_testbench_name(context.design, entity);
    for (;;) {
        std::optional<std::string> answer =
            context.platform.prompt_text(prompt, proposal, kHdlNameLimit);
        if (!answer || answer->empty()) return std::nullopt;
        if (!refused(context, *answer)) return answer;
    }
}

Entity* create_testbench(const HdlContext& context, Design& design, Entity& entity,
                         const std::string& name, const std::string& file_name,
                         const DesignDefaults& defaults) {
    if (entity.testbench != nullptr) return nullptr;
    int directory_counter = design.entity_directory_counter;
    std::unique_ptr<Entity> made = new_entity(design, name);
    Architecture& architecture =
        add_architecture(*made, new_architecture(kArchitectureHdlFile, kTestbenchArchitecture,
                                                 made.get(), defaults));
    HdlFile& file = *architecture.hdl_file;
    (context.verilog() ? file.verilog_file : file.vhdl_file) = file_name;
    Entity& testbench = *made;
    set_testbench(entity, std::move(made));

    fs::path path = hdl_file_path(context.place, testbench, architecture, file, context.language);
    MadeDirectory directory;
    directory.path =
        architecture_directory_path(context.place, testbench, architecture).parent_path();
    std::error_code error;
    directory.existed = fs::exists(directory.path, error);
    if (ensure_skeleton(context, path, testbench, nullptr, architecture, nullptr))
        return &testbench;
    remove_made(directory);
    entity.testbench.reset();
    design.entity_directory_counter = directory_counter;
    return nullptr;
}

bool testbench_reachable(const Design& design, const Entity& entity) {
    return design.target_language != 2 && !entity.is_library_module() &&
           entity.testbench != nullptr && (entity.status & kStatusVerifiedDown) != 0;
}

} // namespace zeph
