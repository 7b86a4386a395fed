// The design's hierarchy as a tree for the hierarchy browser: the top-level entity and every
// entity nothing instantiates, each with its architectures; below a block diagram its
// components, each with the architectures of its entity (the bound one marked and opened
// further), and its processes. The words are those of the design's language.
#pragma once

#include "design/component.h"
#include "design/design.h"
#include "design/process.h"

#include <string>
#include <vector>

namespace zeph {

enum class HierarchyNodeKind { Entity, Architecture, Component, Process };

struct HierarchyNode {
    HierarchyNodeKind kind = HierarchyNodeKind::Entity;
    std::string text;
    Entity* entity = nullptr; // the entity of the node (a component's: what it instantiates)
    Architecture* architecture = nullptr; // an architecture node's own; a process's diagram
    Component* component = nullptr;       // a component node, and an architecture node below one
    Process* process = nullptr;
    bool bound = false; // an architecture node the component above it is bound to
    std::vector<HierarchyNode> children;
};

std::vector<HierarchyNode> hierarchy_tree(Design& design);

// The tree as indented lines, two blanks per level.
std::vector<std::string> hierarchy_lines(const std::vector<HierarchyNode>& tree);

} // namespace zeph
