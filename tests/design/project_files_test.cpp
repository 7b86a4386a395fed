// The configuration file, the macro file and the fetch of one library entity from another
// project's saved design file.
#include "design/configuration_file.h"
#include "design/design_constructors.h"
#include "design/design_file.h"
#include "design/library_entity.h"
#include "design/macro_file.h"
#include "foundation/kind_vocabulary.h"
#include "support/design_test_support.h"
#include "support/sample_designs.h"

#include <filesystem>
#include <fstream>

namespace {

using namespace zeph;
using namespace zeph::testing;

Configuration& add_configuration(Design& design, const std::string& name) {
    auto configuration = std::make_unique<Configuration>();
    configuration->name = name;
    design.configurations.push_back(std::move(configuration));
    return *design.configurations.back();
}

class ConfigurationFile : public DesignFileTest {
  protected:
    void SetUp() override {
        DesignFileTest::SetUp();
        Configuration& fast = add_configuration(saved, "fast");
        fast.description = "fast adders everywhere";
        fast.bindings.push_back({"Toplevel", "a0", "u0", "counter", "rtl"});
        fast.bindings.push_back({"Toplevel", "a0", "u1", "", ""});
        add_configuration(saved, "empty");
        saved.current_configuration = &fast;
    }
    Design saved;
    Design design;
};

TEST_F(ConfigurationFile, IsWrittenAsTheGoldenText) {
    EXPECT_TRUE(matches_golden("config.cfg", configuration_file_text(saved)));
}

TEST_F(ConfigurationFile, ReadsBackWithTheCurrentConfiguration) {
    std::string text = configuration_file_text(saved);
    ASSERT_EQ(read_configuration_text(text, design), 0);
    ASSERT_EQ(design.configurations.size(), 2u);
    EXPECT_EQ(design.current_configuration, design.configurations[0].get());
    EXPECT_EQ(design.configurations[0]->description, "fast adders everywhere");
    EXPECT_EQ(design.configurations[0]->bindings, saved.configurations[0]->bindings);
    EXPECT_TRUE(design.configurations[1]->bindings.empty());
    EXPECT_EQ(configuration_file_text(design), text);
}

TEST_F(ConfigurationFile, FailureDiscardsWhatWasRead) {
    std::string text = configuration_file_text(saved);
    Configuration& kept = add_configuration(design, "kept");
    std::string broken = text.substr(0, text.find("Conf: empty")) + "Conf: empty x\n";
    EXPECT_EQ(read_configuration_text(broken, design), 9);
    ASSERT_EQ(design.configurations.size(), 1u);
    EXPECT_EQ(design.configurations[0].get(), &kept);

    std::string unknown_current = text;
    unknown_current.replace(unknown_current.find("2 fast"), 6, "2 none");
    ASSERT_EQ(read_configuration_text(unknown_current, design), 0);
    EXPECT_EQ(design.current_configuration, nullptr);
}

TEST_F(ConfigurationFile, NeedsVersionTwoPointThree) {
    EXPECT_EQ(read_configuration_text("ZEPH/HDL Version 2.2   9\n@\n", design), kReadExpired);
    EXPECT_EQ(read_configuration_text("something else\n", design), kReadNotDesignFile);
    ScratchDirectory dir;
    std::string path = (dir.path() / "config.cfg").string();
    EXPECT_EQ(read_configuration_file(path, design), kReadCannotOpen);
    ASSERT_EQ(write_configuration_file(path, saved), 0);
    EXPECT_EQ(read_configuration_file(path, design), 0);
}

class MacroFile : public DesignFileTest {
  protected:
    void SetUp() override {
        DesignFileTest::SetUp();
        build_sample_design(source);
        Entity* counter = find_entity(source, "counter");
        Entity* ctrl = find_entity(source, "ctrl");
        text = macro_file_text("counter and controller", *counter, {counter, ctrl});
    }
    Design source;
    std::string text;
};

TEST_F(MacroFile, IsWrittenAsTheGoldenText) {
    EXPECT_TRUE(matches_golden("macro.vmf", text));
}

TEST_F(MacroFile, HeaderListsTheEntities) {
    MacroHeader header;
    ASSERT_EQ(read_macro_header(text, header), 0);
    EXPECT_EQ(header.information, "counter and controller");
    EXPECT_EQ(header.root_name, "counter");
    EXPECT_EQ(header.entity_names, (std::vector<std::string>{"counter", "ctrl"}));
    EXPECT_EQ(read_macro_header("ZEPH/VHDL Version 0.4   8\n", header), kReadExpired);
}

TEST_F(MacroFile, LoadsIntoAnotherDesign) {
    Design target;
    Entity& top = add_entity(target, new_entity(target, "Toplevel"));
    target.entity_directory_counter = 9;
    MacroLoad load;
    ASSERT_EQ(read_macro_text(platform, text, target, load), 0);
    ASSERT_EQ(load.entities.size(), 2u);
    ASSERT_EQ(target.entities.size(), 3u);
    EXPECT_EQ(target.entities[0].get(), &top);
    Entity* counter = find_entity(target, "counter");
    ASSERT_NE(counter, nullptr);
    EXPECT_EQ(load.entities[0], counter);
    ASSERT_NE(counter->testbench, nullptr);
    EXPECT_EQ(counter->testbench->directory, "3tb_coun");
    EXPECT_EQ(counter->architectures[0]->hdl_file->vhdl_file, "counter rtl.vhd");
    EXPECT_EQ(find_entity(target, "ctrl")->architectures[0]->state_machine->states.size(), 2u);
}

TEST_F(MacroFile, AnExistingEntityStopsTheLoadBeforeAnythingIsAdded) {
    Design target;
    add_entity(target, new_entity(target, "ctrl"));
    target.entity_directory_counter = 4;
    MacroLoad load;
    EXPECT_EQ(read_macro_text(platform, text, target, load), kReadNameConflict);
    EXPECT_EQ(target.entities.size(), 1u);
    EXPECT_EQ(target.entity_directory_counter, 4);
    EXPECT_EQ(platform.last_status(), "Entity 'ctrl' already exists. Loading aborted.");
}

TEST_F(MacroFile, AFailedLoadLeavesTheDesignAsItWas) {
    // The entity blocks give no directory names, so new ones would raise the counter.
    std::string broken = text;
    for (std::size_t at; (at = broken.find(" counter 0 1 0 0\n")) != std::string::npos;)
        broken.replace(at, 17, " @ 0 1 0 0\n");
    broken.replace(broken.find("Fsm: 2 2"), 8, "Fsm: 2 x");
    Design target;
    target.entity_directory_counter = 40;
    MacroLoad load;
    EXPECT_GT(read_macro_text(platform, broken, target, load), 0);
    EXPECT_TRUE(target.entities.empty());
    EXPECT_EQ(target.entity_directory_counter, 40);
    EXPECT_TRUE(load.entities.empty());
}

TEST_F(MacroFile, ComponentsMayInstantiateEntitiesOfTheOpenDesign) {
    Entity* top = find_entity(source, "Toplevel");
    std::string top_macro = macro_file_text("top only", *top, {top});
    Design target;
    Entity& counter = add_entity(target, new_entity(target, "counter"));
    add_architecture(counter, new_architecture(kArchitectureHdlFile, "rtl"));
    counter.generics.push_back(new_generic());
    counter.generics.push_back(new_generic());
    counter.ports.push_back(new_port());
    counter.ports.push_back(new_port());
    MacroLoad load;
    ASSERT_EQ(read_macro_text(platform, top_macro, target, load), 0);
    BlockDiagram& diagram = *find_entity(target, "Toplevel")->architectures[0]->block_diagram;
    EXPECT_EQ(diagram.components[0]->entity, &counter);
    EXPECT_TRUE(diagram.components[1]->entity->is_library_module());
    EXPECT_EQ(load.entities.size(), 2u); // Toplevel and the library-module placeholder
}

class LibraryEntity : public DesignFileTest {
  protected:
    void SetUp() override {
        DesignFileTest::SetUp();
        Design library;
        build_sample_design(library);
        project = dir.path() / "comms.vdp";
        std::filesystem::create_directories(project / "design");
        ASSERT_EQ(write_design_file((project / "design" / "design.vdf").string(), library), 0);
    }
    ScratchDirectory dir;
    std::filesystem::path project;
};

TEST_F(LibraryEntity, InterfaceModeKeepsNoTestbenchFilesOrComponents) {
    Design library;
    build_sample_design(library);
    std::string text = design_file_text(library);
    std::unique_ptr<Entity> counter;
    ASSERT_EQ(read_library_entity_text(text, "counter", counter), 0);
    EXPECT_EQ(counter->testbench, nullptr);
    EXPECT_EQ(counter->ports.size(), 2u);
    EXPECT_EQ(counter->architectures[0]->hdl_file->vhdl_file, "");
    EXPECT_EQ(counter->architectures[0]->second_flags, 1u);
    std::unique_ptr<Entity> top;
    ASSERT_EQ(read_library_entity_text(text, "Toplevel", top), 0);
    EXPECT_TRUE(top->architectures[0]->block_diagram->components.empty());
    EXPECT_EQ(top->architectures[0]->block_diagram->nets.size(), 2u);
    std::unique_ptr<Entity> none;
    EXPECT_EQ(read_library_entity_text(text, "count", none), kReadEntityNotFound);
    EXPECT_EQ(read_library_entity_text("ZEPH/HDL Version 2.1   0\n", "x", none), kReadExpired);
}

TEST_F(LibraryEntity, FetchesFromTheSavedCopyOfAProject) {
    std::unique_ptr<Entity> ctrl =
        read_library_entity(platform, kLanguageVhdl, project.string(), "ctrl");
    ASSERT_NE(ctrl, nullptr);
    EXPECT_EQ(ctrl->library_module_path, project.string());
    EXPECT_EQ(ctrl->library_module_name, "comms");
    EXPECT_EQ(platform.shown(ui::Shown::Status)[0],
              "Loading '" + project.string() + "' for library entity 'ctrl'...");
}

TEST_F(LibraryEntity, AsksForAnotherProjectAndAnotherName) {
    platform.queue_text(project.string());
    platform.queue_text("counter");
    std::unique_ptr<Entity> counter =
        read_library_entity(platform, kLanguageVhdl, (dir.path() / "missing.vdp").string(), "cnt");
    ASSERT_NE(counter, nullptr);
    EXPECT_EQ(counter->name, "counter");
    EXPECT_EQ(platform.shown(ui::Shown::Prompt),
              (std::vector<std::string>{"Enter library specification:", "Enter entity name:"}));
    EXPECT_EQ(platform.last_status(), "No entity found.");

    platform.queue_cancel();
    EXPECT_EQ(read_library_entity(platform, kLanguageVhdl, project.string(), "nothing"), nullptr);
}

TEST_F(LibraryEntity, UnreadableFilesAreSystemMessages) {
    std::filesystem::path empty = dir.path() / "empty.vdp";
    std::filesystem::create_directories(empty);
    EXPECT_EQ(read_library_entity(platform, kLanguageVhdl, empty.string(), "x"), nullptr);
    ASSERT_EQ(platform.shown(ui::Shown::Box).size(), 1u);
    EXPECT_NE(platform.shown(ui::Shown::Box)[0].find("Cannot open file"), std::string::npos);

    std::ofstream(project / "design" / "design.vdf") << "ZEPH/HDL Version 3.0   6\n@\n";
    EXPECT_EQ(read_library_entity(platform, kLanguageVhdl, project.string(), "ctrl"), nullptr);
    EXPECT_NE(platform.last_status().find("incorrect at line 3"), std::string::npos);
}

} // namespace
