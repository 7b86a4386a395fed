// Loading and refreshing library modules.
#include "blockdiagram/library_modules.h"

#include "blockdiagram/design_walk.h"
#include "blockdiagram/diagram_messages.h"
#include "blockdiagram/hierarchy.h"
#include "blockdiagram/hierarchy_removal.h"
#include "design/block_diagram.h"
#include "design/design_constructors.h"
#include "design/design_file.h"
#include "design/file_text.h"
#include "design/project_paths.h"
#include "foundation/file_names.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"
#include "foundation/system_message.h"
#include "hdl/identifier_rules.h"

#include <filesystem>
#include <vector>

namespace zeph {

namespace {
constexpr const char* kToplevel = "Toplevel";

std::string canonical(const std::string& path) {
    std::error_code error;
    std::filesystem::path full = std::filesystem::weakly_canonical(path, error);
    return error ? strip_separator(path) : strip_separator(full.string());
}

// The names of the entities of a design file text, in file order.
std::vector<std::string> entity_names(std::string_view text) {
    std::vector<std::string> names;
    constexpr std::string_view kEntityLine = "Entity: ";
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(at, end - at);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.starts_with(kEntityLine)) {
            std::string name(line.substr(kEntityLine.size()));
            while (!name.empty() && name.back() == ' ')
                name.pop_back();
            if (!name.empty() && name != kToplevel) names.push_back(name);
        }
        at = end + 1;
    }
    return names;
}

// Takes the fetched interface into the record the components point at.
void take_interface(Entity& into, Entity& fetched) {
    into.generics = std::move(fetched.generics);
    into.ports = std::move(fetched.ports);
    into.architectures = std::move(fetched.architectures);
    for (auto& architecture : into.architectures)
        architecture->entity = &into;
    into.symbol_height = fetched.symbol_height;
    into.symbol_width = fetched.symbol_width;
    into.comment = std::move(fetched.comment);
    into.declarations = std::move(fetched.declarations);
    into.external = fetched.external;
    if (!fetched.library_name.empty()) into.library_name = fetched.library_name;
    into.library_module_path = fetched.library_module_path;
    into.library_module_name = fetched.library_module_name;
}

struct Place {
    Component* component;
    Architecture* owner;
};

// The words of one component's report lines.
class ModuleReport {
  public:
    ModuleReport(ui::Platform& platform, int language) : platform_(platform), language_(language) {}
    std::string word(int kind, int number = 1) const {
        return kind_name(language_, kind, 0, number);
    }
    // "%s '%s' in %s '%s' of %s '%s' instantiating library %s '%s'"
    std::string where(const Place& place, const std::string& library_entity) const {
        return format_text("%s '%s' in %s '%s' of %s '%s' instantiating library %s '%s'",
                           word(kKindComponent).c_str(), place.component->name.c_str(),
                           word(kKindArchitecture).c_str(), place.owner->name.c_str(),
                           word(kKindEntity).c_str(), place.owner->entity->name.c_str(),
                           word(kKindEntity).c_str(), library_entity.c_str());
    }
    void line(const std::string& text) { platform_.report_append(text); }

  private:
    ui::Platform& platform_;
    int language_;
};

void fit_counts(ModuleReport& out, const Place& place, const Entity& entity) {
    Component& component = *place.component;
    auto mismatch = [&](int kind, std::size_t requested, std::size_t found) {
        if (requested == found) return;
        out.line(format_text("Mismatch in number of %s for ", out.word(kind, 2).c_str()) +
                 out.where(place, entity.name) +
                 format_text(": %d requested, %d found.", static_cast<int>(requested),
                             static_cast<int>(found)));
    };
    mismatch(kKindGeneric, component.generic_values.size(), entity.generics.size());
    mismatch(kKindPort, component.port_instances.size(), entity.ports.size());
    component.generic_values.resize(entity.generics.size());
    for (std::size_t i = 0; i < entity.generics.size(); ++i)
        component.generic_values[i].generic = entity.generics[i].get();
    component.port_instances.resize(entity.ports.size());
    for (std::size_t i = 0; i < entity.ports.size(); ++i) {
        component.port_instances[i].port = entity.ports[i].get();
        component.port_instances[i].component = &component;
    }
}

void fit_binding(ModuleReport& out, const Place& place, Entity& entity) {
    Component& component = *place.component;
    const std::string requested = component.library_module.architecture_name;
    Architecture* bound = requested.empty() ? nullptr : find_architecture(entity, requested);
    Architecture* first =
        entity.architectures.empty() ? nullptr : entity.architectures.front().get();
    if (!requested.empty() && bound == nullptr) {
        // "'%s of" is the message's own text.
        out.line(format_text("Requested %s name '%s' for binding to %s '%s' in %s '%s of %s '%s' "
                             "instantiating library %s '%s' not found; binding %s '%s' instead.",
                             out.word(kKindArchitecture).c_str(), requested.c_str(),
                             out.word(kKindComponent).c_str(), component.name.c_str(),
                             out.word(kKindArchitecture).c_str(), place.owner->name.c_str(),
                             out.word(kKindEntity).c_str(), place.owner->entity->name.c_str(),
                             out.word(kKindEntity).c_str(), entity.name.c_str(),
                             out.word(kKindArchitecture).c_str(),
                             first != nullptr ? first->name.c_str() : ""));
    }
    bind_component(component, bound != nullptr ? bound : first);
}

std::vector<Place> places_of(Design& design, const Entity& entity) {
    std::vector<Place> places;
    for_each_block_diagram(design, [&](Architecture& owner) {
        for (auto& component : owner.block_diagram->components)
            if (component->entity == &entity) places.push_back({component.get(), &owner});
    });
    return places;
}
} // namespace

Outcome load_library_module(ui::Platform& platform, Design& design, const std::string& project_path,
                            const std::string& current_project, const LibraryHooks& hooks) {
    if (!current_project.empty() && canonical(project_path) == canonical(current_project))
        return refuse(platform, "Current project not allowed.");
    std::string project = strip_separator(project_path);
    std::string file = join_path(join_path(project, "design"), "design.vdf");
    std::string text;
    if (!load_text_file(file, text)) {
        system_message(platform, 4, 0, file.c_str());
        return Outcome::Refused;
    }
    if (int version = check_file_version(text.substr(0, text.find('\n')), FilePurpose::Library);
        version != 0) {
        show_read_failure(platform, version, file);
        return Outcome::Refused;
    }
    const int rules = design.language_checking;
    bool added = false;
    for (const std::string& name : entity_names(text)) {
        Entity* existing = find_entity(design, name);
        if (existing != nullptr) {
            bool same = existing->is_library_module() &&
                        canonical(existing->library_module_path) == canonical(project);
            if (!same) refuse_duplicate(platform, design.target_language, kKindEntity);
            continue;
        }
        bool clash = false;
        for (const auto& entity : design.entities)
            if (names_equal(entity->name, name, rules)) clash = true;
        if (clash) {
            refuse_duplicate(platform, design.target_language, kKindEntity);
            continue;
        }
        std::unique_ptr<Entity> entity =
            read_library_entity(platform, design.target_language, project, name, hooks);
        if (entity == nullptr) continue;
        add_entity_in_order(design, std::move(entity));
        added = true;
    }
    return added ? Outcome::Done : Outcome::Cancelled;
}

void refresh_library_modules(ui::Platform& platform, Design& design, const LibraryHooks& hooks) {
    std::vector<Entity*> modules;
    for (auto& entity : design.entities)
        if (entity->is_library_module()) modules.push_back(entity.get());
    ModuleReport out(platform, design.target_language);
    for (Entity* module : modules) {
        std::vector<Place> places = places_of(design, *module);
        std::unique_ptr<Entity> fetched = read_library_entity(
            platform, design.target_language, module->library_module_path, module->name, hooks);
        if (fetched == nullptr) {
            for (const Place& place : places)
                out.line("Loading " + out.where(place, module->name) +
                         format_text(" aborted: %s deleted.", out.word(kKindEntity).c_str()));
            discard_entity(platform, design, *module);
            continue;
        }
        take_interface(*module, *fetched);
        // The user may have named another entity of the library to take instead.
        module->name = fetched->name;
        for (const Place& place : places) {
            place.component->library_module.entity_name = module->name;
            place.component->library_module.path = module->library_module_path;
            fit_counts(out, place, *module);
            fit_binding(out, place, *module);
        }
    }
    refresh_component_labels(design);
}

} // namespace zeph
