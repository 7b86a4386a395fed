// Building the hierarchy browser's tree.
#include "blockdiagram/hierarchy_tree.h"

#include "blockdiagram/hierarchy.h"
#include "design/block_diagram.h"
#include "design/component.h"
#include "design/process.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"

#include <algorithm>
#include <set>

namespace zeph {

namespace {

// Marks the architecture a component is bound to.
constexpr const char* kBoundMark = " *";

class TreeBuilder {
  public:
    explicit TreeBuilder(int language) : language_(language) {}

    HierarchyNode entity_node(Entity& entity) {
        HierarchyNode node;
        node.kind = HierarchyNodeKind::Entity;
        node.entity = &entity;
        node.text = word(kKindEntity) + " '" + entity.name + "'" + markers(entity);
        for (auto& architecture : entity.architectures)
            node.children.push_back(architecture_node(*architecture, nullptr));
        return node;
    }

  private:
    std::string word(int kind) const { return kind_name(language_, kind, kKindCapital, 1); }

    static std::string markers(const Entity& entity) {
        std::string text;
        if (entity.is_library_module())
            text += format_text("[L:%s]", entity.library_module_name.c_str());
        if (entity.external) text += "[X]";
        return text;
    }

    // Below a component only its bound architecture opens further: that is the hierarchy in
    // use. An architecture already open on the way down (a looping file) stays closed.
    HierarchyNode architecture_node(Architecture& architecture, Component* component) {
        HierarchyNode node;
        node.kind = HierarchyNodeKind::Architecture;
        node.entity = architecture.entity;
        node.architecture = &architecture;
        node.component = component;
        node.bound = component != nullptr && component->bound_architecture == &architecture;
        node.text =
            format_text("%s '%s'(%c)%s", word(kKindArchitecture).c_str(), architecture.name.c_str(),
                        architecture_letter(architecture.kind), node.bound ? kBoundMark : "");
        bool opens = component == nullptr || node.bound;
        if (!opens || architecture.block_diagram == nullptr || open_.contains(&architecture))
            return node;
        open_.insert(&architecture);
        for (auto& inner : architecture.block_diagram->components)
            node.children.push_back(component_node(*inner));
        for (auto& process : architecture.block_diagram->processes)
            node.children.push_back(process_node(architecture, *process));
        open_.erase(&architecture);
        return node;
    }

    HierarchyNode component_node(Component& component) {
        HierarchyNode node;
        node.kind = HierarchyNodeKind::Component;
        node.entity = component.entity;
        node.component = &component;
        node.text = word(kKindComponent) + " '" + component.name + "'";
        if (component.entity == nullptr) return node;
        node.text += " (" + word(kKindEntity) + " '" + component.entity->name + "'" +
                     markers(*component.entity) + ")";
        for (auto& architecture : component.entity->architectures)
            node.children.push_back(architecture_node(*architecture, &component));
        return node;
    }

    HierarchyNode process_node(Architecture& architecture, Process& process) {
        HierarchyNode node;
        node.kind = HierarchyNodeKind::Process;
        node.entity = architecture.entity;
        node.architecture = &architecture;
        node.process = &process;
        const bool known = process.kind >= 0 && process.kind <= kProcessStateDiagram;
        node.text = word(kKindProcess) + " '" + process.name + "'(" +
                    (known ? kProcessLetters[process.kind] : '?') + ")";
        return node;
    }

    int language_;
    std::set<const Architecture*> open_;
};

// The entities some component instantiates.
std::set<const Entity*> instantiated_entities(Design& design) {
    std::set<const Entity*> used;
    for_each_component(design, [&used](Component& component) {
        if (component.entity != nullptr) used.insert(component.entity);
    });
    return used;
}

void add_lines(const std::vector<HierarchyNode>& nodes, std::size_t depth,
               std::vector<std::string>& lines) {
    for (const HierarchyNode& node : nodes) {
        lines.push_back(std::string(depth * 2, ' ') + node.text);
        add_lines(node.children, depth + 1, lines);
    }
}

} // namespace

std::vector<HierarchyNode> hierarchy_tree(Design& design) {
    TreeBuilder builder(design.target_language);
    std::vector<HierarchyNode> tree;
    if (design.root != nullptr) tree.push_back(builder.entity_node(*design.root));
    const std::set<const Entity*> used = instantiated_entities(design);
    for (auto& entity : design.entities)
        if (entity.get() != design.root && !used.contains(entity.get()))
            tree.push_back(builder.entity_node(*entity));
    return tree;
}

std::vector<std::string> hierarchy_lines(const std::vector<HierarchyNode>& tree) {
    std::vector<std::string> lines;
    add_lines(tree, 0, lines);
    return lines;
}

} // namespace zeph
