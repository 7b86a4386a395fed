// The hierarchy: instantiating existing entities, the Edit Instance sequence (copy or rename
// everywhere, refusals, questions), configurations and their bindings, the hierarchy
// display's bind and delete, purge, and the design list. Renames and removals work on a real
// working copy in a scratch directory.
#include "diagram_test_support.h"

#include "blockdiagram/configurations.h"
#include "blockdiagram/design_list.h"
#include "blockdiagram/diagram_add.h"
#include "blockdiagram/edit_instance.h"
#include "blockdiagram/hierarchy.h"
#include "blockdiagram/hierarchy_display.h"
#include "blockdiagram/instantiate.h"
#include "blockdiagram/purge.h"

#include <filesystem>
#include <fstream>

namespace zeph::diagram_testing {
namespace {

namespace fs = std::filesystem;

// A design "Toplevel" -> u0 and u1 of "sub" (architectures a0 and a1, both block diagrams), in
// a scratch project directory that is the current directory, with the working copy's
// directories of every entity and architecture on disk.
class HierarchyTest : public DiagramTest {
  protected:
    HierarchyTest() {
        root = fs::temp_directory_path() /
               ("zeph_hierarchy_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        fs::create_directories(root / "work");
        previous = fs::current_path();
        fs::current_path(root);
        EXPECT_EQ(add_component_of_new_entity(editor, {1024, 1024}, NewEntityKind::BlockDiagram,
                                              "u0", std::string("sub")),
                  Outcome::Done);
        sub = &entity_named("sub");
        a0 = sub->architectures[0].get();
        a1 = &add_architecture(*sub, new_architecture(kArchitectureBlockDiagram, "a1", sub));
        EXPECT_EQ(instantiate(editor, {3072, 1024}, sub, a0, std::string("u1")), Outcome::Done);
        for (auto& entity : design.entities)
            for (auto& each : entity->architectures)
                fs::create_directories(root / "work" / entity->directory / each->directory);
        std::ofstream(root / "work" / sub->directory / a0->directory / "sub.vhd") << "-- file\n";
        platform.clear_transcript();
    }
    ~HierarchyTest() override {
        fs::current_path(previous);
        fs::remove_all(root);
    }

    Configuration& saved_configuration(const std::string& name) {
        platform.queue_text(name);
        Configuration* made = new_configuration(platform, design, 1);
        EXPECT_NE(made, nullptr);
        save_bindings(design, *made);
        return *made;
    }
    InstanceFields fields_of(std::size_t i) { return instance_fields(component(i)); }

    fs::path root, previous;
    Entity* sub = nullptr;
    Architecture* a0 = nullptr;
    Architecture* a1 = nullptr;
};

TEST_F(HierarchyTest, InstantiateRefusesWhatIsMissingAndRecursion) {
    EXPECT_EQ(instantiate(editor, {0, 0}, nullptr, nullptr), Outcome::Refused);
    EXPECT_EQ(instantiate(editor, {0, 0}, sub, nullptr), Outcome::Refused);
    EXPECT_EQ(instantiate(editor, {0, 0}, &top(), architecture, std::string("u9")),
              Outcome::Refused);
    // Inside "sub" neither the top level nor "sub" itself may appear.
    ASSERT_TRUE(editor.open(design, *a0));
    EXPECT_EQ(instantiate(editor, {0, 0}, &top(), architecture, std::string("u9")),
              Outcome::Refused);
    EXPECT_EQ(platform.refusals(),
              (std::vector<std::string>{"No entity specified.", "No architecture specified.",
                                        "Recursion not allowed.", "Recursion not allowed."}));
    EXPECT_TRUE(a0->block_diagram->components.empty());
}

TEST_F(HierarchyTest, InstantiateAsksForTheNameAndBindsTheChosenArchitecture) {
    platform.queue_text("u0"); // used: message 48, asked again
    platform.queue_text("u5");
    ASSERT_EQ(instantiate(editor, {5000, 1024}, sub, a1), Outcome::Done);
    EXPECT_EQ(
        platform.shown(ui::Shown::Prompt),
        (std::vector<std::string>{"Enter component identifier:", "Enter component identifier:"}));
    EXPECT_EQ(platform.proposals.front(), "u2");
    EXPECT_EQ(platform.refusals(),
              std::vector<std::string>{"Error    48: Duplicate component name"});
    EXPECT_EQ(component(2).name, "u5");
    EXPECT_EQ(component(2).bound_architecture, a1);
    EXPECT_EQ(times_bound(design, *a0), 2);
    EXPECT_EQ(times_bound(design, *a1), 1);
    // An ordinary edit: undo takes it back.
    EXPECT_EQ(editor.undo(), Outcome::Done);
    EXPECT_EQ(diagram().components.size(), 2u);
}

TEST_F(HierarchyTest, RenamingWithNoRenamesEverywhere) {
    Configuration& saved = saved_configuration("cf");
    std::string old_directory = sub->directory;
    InstanceFields fields = fields_of(0);
    fields.entity_name = "core";
    platform.answer_no();
    ASSERT_EQ(edit_instance(editor, component(0), fields), Outcome::Done);
    EXPECT_EQ(platform.shown(ui::Shown::Question),
              std::vector<std::string>{
                  "Entity name is new. Create new entity?\n('No' renames existing entity.)"});
    EXPECT_EQ(sub->name, "core");
    EXPECT_EQ(component(0).entity, sub);
    EXPECT_EQ(component(1).entity, sub);
    EXPECT_EQ(find_entity(design, "sub"), nullptr);
    for (const Binding& binding : saved.bindings)
        EXPECT_EQ(binding.bound_entity, "core");
    // The directory in the working copy follows the name, with the files inside.
    EXPECT_NE(sub->directory, old_directory);
    EXPECT_FALSE(fs::exists(root / "work" / old_directory));
    EXPECT_TRUE(fs::exists(root / "work" / sub->directory / a0->directory / "sub.vhd"));
    // Components inside the renamed entity are found under its new name as the containing one.
    ASSERT_TRUE(editor.open(design, *a1));
    ASSERT_EQ(add_component_of_new_entity(editor, {0, 0}, NewEntityKind::HdlFile, "w0",
                                          std::string("leaf")),
              Outcome::Done);
    save_bindings(design, saved);
    fields = instance_fields(*a1->block_diagram->components[0]);
    fields.entity_name = "leaf2";
    platform.answer_no();
    ASSERT_EQ(edit_instance(editor, *a1->block_diagram->components[0], fields), Outcome::Done);
    EXPECT_EQ(saved.bindings.back(), (Binding{"core", "a1", "w0", "leaf2", "a0"}));
}

TEST_F(HierarchyTest, ADirectoryThatCannotBeRenamedIsReportedAndKept) {
    std::string old_directory = sub->directory;
    // The new directory name is taken by a directory with files: the rename fails.
    std::string blocked = "core";
    fs::create_directories(root / "work" / blocked / "x");
    InstanceFields fields = fields_of(0);
    fields.entity_name = "core";
    platform.answer_no();
    ASSERT_EQ(edit_instance(editor, component(0), fields), Outcome::Done);
    EXPECT_EQ(sub->name, "core");
    EXPECT_EQ(sub->directory, old_directory);
    std::vector<std::string> boxes = platform.shown(ui::Shown::Box);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find("Cannot rename 'work/" + old_directory + "' to 'work/" + blocked),
              std::string::npos)
        << boxes[0];
    EXPECT_TRUE(fs::exists(root / "work" / old_directory / a0->directory / "sub.vhd"));
}

TEST_F(HierarchyTest, CreatingWithYesChangesOnlyTheEditedComponent) {
    ASSERT_TRUE(editor.open(design, *a0));
    ASSERT_EQ(add_component_of_new_entity(editor, {0, 0}, NewEntityKind::HdlFile, "w0",
                                          std::string("leaf")),
              Outcome::Done);
    ASSERT_TRUE(editor.open(design, *architecture));
    Configuration& saved = saved_configuration("cf");
    InstanceFields fields = fields_of(1);
    fields.entity_name = "sub2";
    fields.binding = 1; // a1 on the copy
    platform.answer_yes();
    ASSERT_EQ(edit_instance(editor, component(1), fields), Outcome::Done);
    Entity* copy = find_entity(design, "sub2");
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(component(0).entity, sub);
    EXPECT_EQ(component(1).entity, copy);
    EXPECT_EQ(component(1).bound_architecture, copy->architectures[1].get());
    ASSERT_EQ(copy->architectures.size(), 2u);
    // The copy holds the contents: the component of "leaf" inside a0.
    ASSERT_EQ(copy->architectures[0]->block_diagram->components.size(), 1u);
    EXPECT_EQ(copy->architectures[0]->block_diagram->components[0]->entity,
              find_entity(design, "leaf"));
    EXPECT_NE(copy->directory, sub->directory);
    EXPECT_TRUE(fs::exists(root / "work" / copy->directory / a0->directory / "sub.vhd"));
    EXPECT_EQ(sub->name, "sub");
    for (const Binding& binding : saved.bindings)
        EXPECT_NE(binding.bound_entity, "sub2");
    // No question about binding every instance: only this component instantiates the copy.
    EXPECT_EQ(platform.shown(ui::Shown::Question).size(), 1u);
}

TEST_F(HierarchyTest, ToplevelAndAnotherExistingEntityAreRefused) {
    ASSERT_EQ(add_component_of_new_entity(editor, {0, 3000}, NewEntityKind::HdlFile, "w0",
                                          std::string("leaf")),
              Outcome::Done);
    std::string before = design_text();
    InstanceFields fields = fields_of(0);
    fields.entity_name = "toplevel";
    EXPECT_EQ(edit_instance(editor, component(0), fields), Outcome::Refused);
    EXPECT_EQ(platform.last_refusal(), "Entity name 'toplevel' not allowed.");
    fields.entity_name = "LEAF";
    fields.label = "renamed";
    EXPECT_EQ(edit_instance(editor, component(0), fields), Outcome::Refused);
    EXPECT_EQ(platform.shown(ui::Shown::Box),
              std::vector<std::string>{
                  "Edit Instance|This component cannot instantiate another existing "
                  "entity.\nDelete this component and instantiate the other entity instead."});
    fields.entity_name = "core";
    platform.queue(ui::Answer::Cancel);
    EXPECT_EQ(edit_instance(editor, component(0), fields), Outcome::Cancelled);
    EXPECT_EQ(design_text(), before);
}

TEST_F(HierarchyTest, ArchitectureChangesAskAndNoCancelsTheWholeOk) {
    ASSERT_TRUE(editor.open(design, *a0));
    ASSERT_EQ(add_component_of_new_entity(editor, {0, 0}, NewEntityKind::HdlFile, "w0",
                                          std::string("leaf")),
              Outcome::Done);
    ASSERT_TRUE(editor.open(design, *architecture));
    std::string before = design_text();
    InstanceFields fields = fields_of(0);
    fields.label = "renamed";
    fields.architectures[0].kind = kArchitectureStateDiagram;
    fields.architectures[0].name = "fsm";
    platform.answer_no();
    EXPECT_EQ(edit_instance(editor, component(0), fields), Outcome::Cancelled);
    EXPECT_EQ(platform.shown(ui::Shown::Question),
              std::vector<std::string>{
                  "Architecture 'fsm'(S) (originally 'a0'(B))\nnot empty, change type?"});
    EXPECT_EQ(design_text(), before);

    platform.clear_transcript();
    fields = fields_of(0);
    fields.architectures[0].deleted = true;
    fields.architectures[0].name = "old";
    fields.architectures.push_back({nullptr, "a2", kArchitectureHdlFile, false});
    fields.binding = 2;
    platform.answer_yes(); // delete the non-empty a0
    platform.answer_yes(); // bind all
    ASSERT_EQ(edit_instance(editor, component(0), fields), Outcome::Done);
    EXPECT_EQ(
        platform.shown(ui::Shown::Question),
        (std::vector<std::string>{"Architecture 'old'(B) (originally 'a0'(B))\nnot empty, delete?",
                                  "Bind architecture 'a2' to all components of entity 'sub'?"}));
    ASSERT_EQ(sub->architectures.size(), 2u);
    EXPECT_EQ(sub->architectures[1]->name, "a2");
    EXPECT_EQ(component(0).bound_architecture, sub->architectures[1].get());
    EXPECT_EQ(component(1).bound_architecture, sub->architectures[1].get());
    EXPECT_FALSE(fs::exists(root / "work" / sub->directory / "a0"));
    // Nothing changed: the dialog closes without a question.
    platform.clear_transcript();
    EXPECT_EQ(edit_instance(editor, component(0), fields_of(0)), Outcome::Cancelled);
    EXPECT_TRUE(platform.transcript().empty());
}

TEST_F(HierarchyTest, BindingOnlyThisInstanceWithNo) {
    InstanceFields fields = fields_of(1);
    fields.binding = 1;
    platform.answer_no();
    ASSERT_EQ(edit_instance(editor, component(1), fields), Outcome::Done);
    EXPECT_EQ(component(0).bound_architecture, a0);
    EXPECT_EQ(component(1).bound_architecture, a1);
}

TEST_F(HierarchyTest, ExternalEntitiesKeepTheirTypes) {
    sub->external = true;
    InstanceFields fields = fields_of(0);
    fields.architectures[1].kind = kArchitectureHdlFile;
    fields.label = "x0";
    ASSERT_EQ(edit_instance(editor, component(0), fields), Outcome::Done);
    EXPECT_EQ(platform.last_refusal(),
              "Component instantiates external module. Type change ignored.");
    EXPECT_EQ(a1->kind, kArchitectureBlockDiagram);
    EXPECT_EQ(component(0).name, "x0");
}

TEST_F(HierarchyTest, ConfigurationsNamesAndTheCurrentMark) {
    // One component on the top level would name it after that component; here are two.
    platform.queue_text("cf0");
    Configuration* first = new_configuration(platform, design, 1);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->name, "cf0");
    platform.queue_text("CF0"); // equal ignoring case: message 48, asked again
    platform.queue_text("other");
    Configuration* second = new_configuration(platform, design, 1);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(platform.proposals, (std::vector<std::string>{"cf0", "cf1", "cf1"}));
    EXPECT_EQ(platform.refusals(),
              std::vector<std::string>{"Error    48: Duplicate configuration name"});
    design.current_configuration = second;
    EXPECT_EQ(configuration_list(design), (std::vector<std::string>{"cf0", "other*"}));
    delete_configuration(design, *second);
    EXPECT_EQ(design.current_configuration, nullptr);
    EXPECT_EQ(configuration_list(design), std::vector<std::string>{"cf0"});

    ASSERT_EQ(editor.undo(), Outcome::Done); // u1 goes: one component left
    EXPECT_EQ(default_configuration_name(design), "sub_a0_cf0");
}

TEST_F(HierarchyTest, SetBindingsReportsEveryLineAndGoesOn) {
    Configuration& saved = saved_configuration("cf");
    saved.description = "two of them";
    EXPECT_EQ(set_bindings(platform, design, saved, true), 0);
    EXPECT_EQ(platform.report_lines(),
              (std::vector<std::string>{"Loading 'cf'...: two of them",
                                        "Current bindings are equal for this configuration."}));

    platform.report_clear();
    saved.bindings[1].bound_architecture = "a1";
    saved.bindings.insert(saved.bindings.begin(), Binding{"nothing", "a0", "u0", "sub", "a0"});
    saved.bindings.push_back({"Toplevel", "zz", "u0", "sub", "a0"});
    saved.bindings.push_back({"sub", "a0", "u0", "sub", "a0"});
    saved.bindings.push_back({"Toplevel", "a0", "u7", "sub", "a0"});
    saved.bindings.push_back({"Toplevel", "a0", "u0", "leaf", "a0"});
    saved.bindings.push_back({"Toplevel", "a0", "u0", "sub", "a9"});
    a1->kind = kArchitectureHdlFile; // not a block diagram any more
    auto diagram_of_a1 = std::move(a1->block_diagram);
    saved.bindings.push_back({"sub", "a1", "u0", "sub", "a0"});
    EXPECT_EQ(set_bindings(platform, design, saved, true), 1);
    EXPECT_EQ(
        platform.report_lines(),
        (std::vector<std::string>{
            "Loading 'cf'...: two of them", "Entity 'nothing' not found.",
            "Binding architecture 'a1' (instead of 'a0') of entity 'sub' to component 'u1' in "
            "architecture 'a0' of entity 'Toplevel'.",
            "Architecture 'zz' of entity 'Toplevel' not found.",
            "Component 'u0' in architecture 'a0' of entity 'sub' not found.",
            "Component 'u7' in architecture 'a0' of entity 'Toplevel' not found.",
            "Component 'u0' instantiates entity 'sub', not 'leaf'.",
            "Architecture 'a9' of entity 'sub' not found.",
            "Architecture 'a1' of entity 'sub' is not a Block Diagram."}));
    EXPECT_EQ(component(1).bound_architecture, a1);
    a1->block_diagram = std::move(diagram_of_a1);
    a1->kind = kArchitectureBlockDiagram;
}

TEST_F(HierarchyTest, HierarchyDisplayBindsAndDeletes) {
    EXPECT_EQ(bind_architecture(design, component(0), *a1), Outcome::Done);
    EXPECT_EQ(times_bound(design, *a0), 1);
    EXPECT_EQ(times_bound(design, *a1), 1);
    EXPECT_EQ(bind_architecture(design, component(0), *a1), Outcome::Cancelled);
    // a0 holds nothing yet: deleted without a question; the component bound to it is unbound.
    ASSERT_EQ(delete_architecture(platform, design, *sub, *a0), Outcome::Done);
    EXPECT_TRUE(platform.shown(ui::Shown::Question).empty());
    EXPECT_EQ(component(1).bound_architecture, nullptr);
    // The last architecture stays.
    EXPECT_EQ(delete_architecture(platform, design, *sub, *a1), Outcome::Refused);
    Architecture& a2 = add_architecture(*sub, new_architecture(kArchitectureHdlFile, "a2", sub));
    a2.vhdl_statements = "x <= y;";
    platform.answer_no();
    EXPECT_EQ(delete_architecture(platform, design, *sub, a2), Outcome::Cancelled);
    EXPECT_EQ(
        platform.shown(ui::Shown::Question),
        std::vector<std::string>{"Architecture 'a2'(V) of entity 'sub' not empty, are you sure?"});
    EXPECT_EQ(sub->architectures.size(), 2u);
}

TEST_F(HierarchyTest, PurgeCancelledAtTheLastQuestionRemovesNothing) {
    // "spare" is reached by nothing; a1 of sub is bound by nothing.
    add_entity(design, new_entity(design, "spare"));
    std::string before = design_text();
    platform.answer_no();               // judge by the whole design
    platform.answer_yes();              // remove "spare"
    platform.queue(ui::Answer::Cancel); // a1
    EXPECT_EQ(purge(platform, design), Outcome::Cancelled);
    EXPECT_EQ(platform.shown(ui::Shown::Question),
              (std::vector<std::string>{
                  "Do you want to purge those entities that are instantiated in UNbound "
                  "architectures,\n but not instantiated in bound architectures, too?",
                  "Entity 'spare' is not instantiated in this design.\nRemove?",
                  "Architecture 'a1' of entity 'sub' is not bound in this design.\nRemove?"}));
    EXPECT_EQ(design_text(), before);
    EXPECT_TRUE(fs::exists(root / "work" / sub->directory / a1->directory));
}

TEST_F(HierarchyTest, PurgeRemovesWhatWasAnsweredYesWithItsFiles) {
    // "deep" is instantiated only in the unbound a1 of sub.
    ASSERT_TRUE(editor.open(design, *a1));
    ASSERT_EQ(add_component_of_new_entity(editor, {0, 0}, NewEntityKind::HdlFile, "d0",
                                          std::string("deep")),
              Outcome::Done);
    Entity* deep = find_entity(design, "deep");
    fs::create_directories(root / "work" / deep->directory);
    std::string a1_directory = a1->directory;
    platform.answer_yes(); // judge by the bound architectures
    platform.answer_yes(); // remove "deep"
    platform.answer_yes(); // remove a1
    EXPECT_EQ(purge(platform, design), Outcome::Done);
    EXPECT_EQ(platform.shown(ui::Shown::Question)[1],
              "Entity 'deep' is not instantiated in this configuration.\nRemove?");
    EXPECT_EQ(find_entity(design, "deep"), nullptr);
    EXPECT_EQ(sub->architectures.size(), 1u);
    EXPECT_FALSE(fs::exists(root / "work" / sub->directory / a1_directory));
    EXPECT_EQ(design.current_architecture, architecture);
    editor.hierarchy_changed();
    // What is left still writes and reads.
    Design reread;
    EXPECT_EQ(read_design_text(design_text(), reread), 0);
}

TEST_F(HierarchyTest, DesignListNamesEveryEntityArchitectureAndContent) {
    sub->external = false;
    Entity& library = add_entity(design, new_entity(design, "ram"));
    library.library_module_path = "/x/lib.vdp";
    library.library_module_name = "lib";
    add_architecture(library, new_architecture(kArchitectureHdlFile, "rtl", &library));
    std::vector<std::string> expected = {
        "Entity 'Toplevel':",
        "  Block Diagram architecture 'a0' (#times bound: 0)",
        "    2 components and 0 processes:",
        "      component 'u0:sub:a0(B)'",
        "      component 'u1:sub:a0(B)'",
        "Entity 'ram'[L:lib]:",
        "  HDL File architecture 'rtl' (#times bound: 0)",
        "Entity 'sub':",
        "  Block Diagram architecture 'a0' (#times bound: 2)",
        "    0 components and 0 processes:",
        "  Block Diagram architecture 'a1' (#times bound: 0)",
        "    0 components and 0 processes:",
    };
    sort_entities(design);
    EXPECT_EQ(design_list(design), expected);
}

} // namespace
} // namespace zeph::diagram_testing
