// The configurations of a design and the bindings they hold.
#include "blockdiagram/configurations.h"

#include "blockdiagram/default_names.h"
#include "blockdiagram/design_walk.h"
#include "blockdiagram/hierarchy.h"
#include "blockdiagram/name_prompt.h"
#include "design/block_diagram.h"
#include "design/design_constructors.h"
#include "design/name_limits.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"
#include "hdl/identifier_rules.h"

#include <algorithm>

namespace zeph {

namespace {
constexpr int kIgnoreCase = 1; // the name rule of VHDL: case does not count

bool configuration_named(const Design& design, const std::string& name) {
    return std::any_of(design.configurations.begin(), design.configurations.end(),
                       [&](const auto& c) { return names_equal(c->name, name, kIgnoreCase); });
}

Component* component_named(Architecture& architecture, const std::string& label) {
    for (auto& component : architecture.block_diagram->components)
        if (component->name == label) return component.get();
    return nullptr;
}

// The report lines of set_bindings, in the words of the design's language.
class BindingReport {
  public:
    BindingReport(ui::Platform& platform, int language, bool verbose)
        : platform_(platform), language_(language), verbose_(verbose) {}

    std::string word(int kind, bool capital = false) const {
        return kind_name(language_, kind, capital ? kKindCapital : 0, 1);
    }
    void line(const std::string& text) {
        if (verbose_) platform_.report_append(text);
    }

  private:
    ui::Platform& platform_;
    int language_;
    bool verbose_;
};

// One binding of the configuration; true when it changed the component's binding.
bool apply_binding(Design& design, const Binding& binding, BindingReport& out) {
    const std::string entity_word = out.word(kKindEntity);
    const std::string architecture_word = out.word(kKindArchitecture);
    Entity* entity = find_entity(design, binding.entity);
    if (entity == nullptr) {
        out.line(format_text("%s '%s' not found.", out.word(kKindEntity, true).c_str(),
                             binding.entity.c_str()));
        return false;
    }
    Architecture* architecture = find_architecture(*entity, binding.architecture);
    if (architecture == nullptr) {
        out.line(
            format_text("%s '%s' of %s '%s' not found.", out.word(kKindArchitecture, true).c_str(),
                        binding.architecture.c_str(), entity_word.c_str(), entity->name.c_str()));
        return false;
    }
    if (architecture->block_diagram == nullptr) {
        out.line(format_text("%s '%s' of %s '%s' is not a %s.",
                             out.word(kKindArchitecture, true).c_str(), architecture->name.c_str(),
                             entity_word.c_str(), entity->name.c_str(),
                             architecture_kind_text(kArchitectureBlockDiagram).c_str()));
        return false;
    }
    Component* component = component_named(*architecture, binding.component);
    if (component == nullptr) {
        out.line(format_text("%s '%s' in %s '%s' of %s '%s' not found.",
                             out.word(kKindComponent, true).c_str(), binding.component.c_str(),
                             architecture_word.c_str(), architecture->name.c_str(),
                             entity_word.c_str(), entity->name.c_str()));
        return false;
    }
    Entity* bound_entity = component->entity;
    if (bound_entity == nullptr || bound_entity->name != binding.bound_entity) {
        out.line(format_text("%s '%s' instantiates %s '%s', not '%s'.",
                             out.word(kKindComponent, true).c_str(), component->name.c_str(),
                             entity_word.c_str(),
                             bound_entity != nullptr ? bound_entity->name.c_str() : "",
                             binding.bound_entity.c_str()));
        return false;
    }
    Architecture* bound = find_architecture(*bound_entity, binding.bound_architecture);
    if (bound == nullptr) {
        out.line(format_text(
            "%s '%s' of %s '%s' not found.", out.word(kKindArchitecture, true).c_str(),
            binding.bound_architecture.c_str(), entity_word.c_str(), bound_entity->name.c_str()));
        return false;
    }
    if (bound == component->bound_architecture) return false;
    std::string previous =
        component->bound_architecture != nullptr ? component->bound_architecture->name : "";
    out.line(format_text("Binding %s '%s' (instead of '%s') of %s '%s' to %s '%s' in %s '%s' of "
                         "%s '%s'.",
                         architecture_word.c_str(), bound->name.c_str(), previous.c_str(),
                         entity_word.c_str(), bound_entity->name.c_str(),
                         out.word(kKindComponent).c_str(), component->name.c_str(),
                         architecture_word.c_str(), architecture->name.c_str(), entity_word.c_str(),
                         entity->name.c_str()));
    bind_component(*component, bound);
    return true;
}
} // namespace

std::string default_configuration_name(Design& design) {
    std::string prefix = "cf";
    Entity* top = design.root != nullptr ? design.root : find_entity(design, "Toplevel");
    if (top != nullptr && !top->architectures.empty()) {
        const Architecture& diagram = *top->architectures.front();
        if (diagram.block_diagram != nullptr && diagram.block_diagram->components.size() == 1) {
            const Component& only = *diagram.block_diagram->components.front();
            if (only.entity != nullptr && only.bound_architecture != nullptr)
                prefix = only.entity->name + "_" + only.bound_architecture->name + "_cf";
        }
    }
    return first_free_name(prefix, [&](const std::string& candidate) {
        return configuration_named(design, candidate);
    });
}

Configuration* new_configuration(ui::Platform& platform, Design& design, int rules,
                                 const std::optional<std::string>& name) {
    const int language = design.target_language;
    NameCheck check = identifier_check(
        platform, rules, language, kKindConfiguration,
        [&](const std::string& candidate) { return configuration_named(design, candidate); });
    std::optional<std::string> chosen = ask_name(
        platform,
        format_text("Enter %s name:", kind_name(language, kKindConfiguration, 0, 1).c_str()),
        name ? std::string() : default_configuration_name(design), check, name);
    if (!chosen) return nullptr;
    auto configuration = std::make_unique<Configuration>();
    configuration->name = bounded(*chosen, kMaxHdlName);
    design.configurations.push_back(std::move(configuration));
    return design.configurations.back().get();
}

Configuration* find_configuration(Design& design, const std::string& name) {
    for (auto& configuration : design.configurations)
        if (names_equal(configuration->name, name, kIgnoreCase)) return configuration.get();
    return nullptr;
}

void delete_configuration(Design& design, Configuration& configuration) {
    if (design.current_configuration == &configuration) design.current_configuration = nullptr;
    std::erase_if(design.configurations, [&](const auto& c) { return c.get() == &configuration; });
}

std::vector<std::string> configuration_list(const Design& design) {
    std::vector<std::string> names;
    for (const auto& configuration : design.configurations)
        names.push_back(configuration->name +
                        (configuration.get() == design.current_configuration ? "*" : ""));
    return names;
}

void save_bindings(Design& design, Configuration& configuration) {
    configuration.bindings.clear();
    for_each_block_diagram(design, [&](Architecture& architecture) {
        for (auto& component : architecture.block_diagram->components) {
            Binding binding;
            binding.entity = architecture.entity->name;
            binding.architecture = architecture.name;
            binding.component = component->name;
            if (component->entity != nullptr) binding.bound_entity = component->entity->name;
            if (component->bound_architecture != nullptr)
                binding.bound_architecture = component->bound_architecture->name;
            else if (component->entity != nullptr && component->entity->is_library_module())
                binding.bound_architecture = component->library_module.architecture_name;
            configuration.bindings.push_back(std::move(binding));
        }
    });
}

int set_bindings(ui::Platform& platform, Design& design, const Configuration& configuration,
                 bool verbose) {
    BindingReport out(platform, design.target_language, verbose);
    out.line(format_text("Loading '%s'...", configuration.name.c_str()) + ": " +
             configuration.description);
    int changed = 0;
    for (const Binding& binding : configuration.bindings)
        if (apply_binding(design, binding, out)) ++changed;
    if (changed == 0) out.line("Current bindings are equal for this configuration.");
    return changed;
}

} // namespace zeph
