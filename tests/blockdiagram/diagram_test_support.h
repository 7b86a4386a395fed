// Shared fixture of the diagram editing tests: a design whose top level has one block
// diagram open in a diagram editor, a scripted platform that also keeps the proposals of its
// prompts, a fixed clock, and the program-wide defaults put back after each test.
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
        saved_settings_ = diagram_settings();
        saved_defaults_ = design_defaults();
        diagram_settings() = DiagramSettings();
        design_defaults() = DesignDefaults();
        set_fixed_clock(0);
        ui::set_platform(&platform);
        set_current_design(&design);
        Entity& top = add_entity(design, new_entity(design, "Toplevel"));
        design.root = &top;
        architecture = &add_architecture(top, new_architecture(kArchitectureBlockDiagram, "a0", &top));
        editor.open(design, *architecture);
    }
    ~DiagramTest() override {
        forget_all_tags();
        editor.reset();
        set_current_design(nullptr);
        ui::set_platform(nullptr);
        set_fixed_clock(std::nullopt);
        diagram_settings() = saved_settings_;
        design_defaults() = saved_defaults_;
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

    RecordingPlatform platform;
    Design design;
    Architecture* architecture = nullptr;
    DiagramEditor editor;

  private:
    void forget_all_tags() {
        for (auto& entity : design.entities)
            for (auto& a : entity->architectures)
                if (a->block_diagram != nullptr)
                    for (auto& c : a->block_diagram->components)
                        forget_component_tags(c.get());
    }

    DiagramSettings saved_settings_;
    DesignDefaults saved_defaults_;
};

} // namespace zeph::diagram_testing
