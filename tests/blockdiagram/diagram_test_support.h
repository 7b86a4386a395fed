// Shared fixture of the diagram editing tests: a design whose top level has one block
// diagram open in a diagram editor with its own settings and record defaults, a scripted
// platform that also keeps the proposals of its prompts, and a fixed clock.
#pragma once

#include "blockdiagram/connect_by_name.h"
#include "blockdiagram/diagram_editor.h"
#include "blockdiagram/diagram_settings.h"
#include "design/block_diagram.h"
#include "design/design.h"
#include "design/design_constructors.h"
#include "design/design_defaults.h"
#include "design/design_file.h"
#include "design/entity.h"
#include "foundation/clock.h"
#include "foundation/kind_vocabulary.h"
#include "ui/scripted_platform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zeph::diagram_testing {

class RecordingPlatform : public ui::ScriptedPlatform {
  public:
    std::optional<std::string> prompt_text(const std::string& prompt, const std::string& proposal,
                                           std::size_t max_length) override {
        proposals.push_back(proposal);
        return ScriptedPlatform::prompt_text(prompt, proposal, max_length);
    }
    void answer_yes() { queue(ui::Answer::Yes); }
    void answer_no() { queue(ui::Answer::No); }
    // The status texts shown with a beep.
    std::vector<std::string> refusals() const {
        std::vector<std::string> texts;
        for (const ui::TranscriptEntry& e : transcript())
            if (e.kind == ui::Shown::Status && e.beep) texts.push_back(e.text);
        return texts;
    }
    std::string last_refusal() const {
        std::vector<std::string> texts = refusals();
        return texts.empty() ? std::string() : texts.back();
    }

    std::vector<std::string> proposals;
};

class DiagramTest : public ::testing::Test {
  protected:
    DiagramTest() {
        set_fixed_clock(0);
        Entity& top = add_entity(design, new_entity(design, "Toplevel"));
        design.root = &top;
        architecture =
            &add_architecture(top, new_architecture(kArchitectureBlockDiagram, "a0", &top));
        editor.open(design, *architecture);
    }
    ~DiagramTest() override {
        editor.reset();
        set_fixed_clock(std::nullopt);
    }

    Entity& top() { return *design.root; }
    BlockDiagram& diagram() { return *architecture->block_diagram; }
    std::string design_text() const { return design_file_text(design); }

    // A second block-diagram architecture of the top level.
    Architecture& second_architecture() {
        return add_architecture(top(), new_architecture(kArchitectureBlockDiagram, "a1", &top()));
    }
    Component& component(std::size_t i) { return *diagram().components.at(i); }
    Entity& entity_named(const std::string& name) { return *find_entity(design, name); }

    void select_component(std::size_t i) {
        DiagramObject o;
        o.type = DiagramObjectType::Component;
        o.component = &component(i);
        editor.selection() = {o};
    }
    void select(DiagramObjectType type, std::size_t index) {
        DiagramObject o;
        o.type = type;
        o.index = index;
        editor.selection() = {o};
    }

    DiagramLabelStyle label_style() const { return {defaults, settings}; }

    RecordingPlatform platform;
    DiagramSettings settings;
    DesignDefaults defaults;
    Design design;
    Architecture* architecture = nullptr;
    DiagramEditor editor{platform, settings, defaults};
};

} // namespace zeph::diagram_testing
