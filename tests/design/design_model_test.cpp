// Design records: constructors and their defaults, directory names, linking of components and
// processes, lookup, order-keeping removal, and the guarded library lists.
#include "design/design_constructors.h"
#include "design/design_defaults.h"
#include "foundation/cwmem.h"

#include <gtest/gtest.h>

namespace {

using namespace zeph;

class DesignModelTest : public ::testing::Test {
  protected:
    Design design;
};

TEST_F(DesignModelTest, EntityDirectoryNamesFollowTheCounterRule) {
    auto shortname = new_entity(design, "Counter");
    EXPECT_EQ(shortname->directory, "counter");
    EXPECT_EQ(design.entity_directory_counter, 0);
    EXPECT_EQ(shortname->symbol_height, 1024);
    EXPECT_EQ(shortname->symbol_width, 512);

    design.entity_directory_counter = 7;
    auto longname = new_entity(design, "AddressDecoder");
    EXPECT_EQ(longname->directory, "7address");
    EXPECT_EQ(design.entity_directory_counter, 8);
    auto longer = new_entity(design, "AddressDecoder");
    EXPECT_EQ(longer->directory, "8address");

    auto unnamed = new_entity(design, "");
    EXPECT_EQ(unnamed->directory, "");
    EXPECT_EQ(design.entity_directory_counter, 9);

    design.entity_directory_counter = 123;
    EXPECT_EQ(new_entity(design, "Multiplexer")->directory, "123multi");
}

TEST_F(DesignModelTest, NamesAreCutToTheirLimits) {
    auto entity = new_entity(design, std::string(40, 'n'));
    EXPECT_EQ(entity->name.size(), 32u);
    EXPECT_EQ(new_process(std::string(33, 'p'), kProcessHdlFile)->name.size(), 32u);
    EXPECT_EQ(new_architecture(kArchitectureHdlFile, std::string(50, 'a'))->name.size(), 32u);
}

TEST_F(DesignModelTest, ArchitectureDefaultsPerKind) {
    auto entity = new_entity(design, "e");
    add_architecture(*entity, new_architecture(kArchitectureBlockDiagram, "a0"));
    add_architecture(*entity, new_architecture(kArchitectureBlockDiagram, "a2"));
    auto generated = new_architecture(kArchitectureBlockDiagram, "", entity.get());
    EXPECT_EQ(generated->name, "a1");
    ASSERT_NE(generated->block_diagram, nullptr);
    EXPECT_EQ(generated->sheet.kind, kSheetBlockDiagram);
    EXPECT_EQ(generated->sheet.grid_step, 64);
    EXPECT_TRUE(generated->sheet.display_grid);

    DesignDefaults defaults;
    defaults.state_diagram_architecture_name = "fsm";
    defaults.sheet_size = 6;
    auto machine = new_architecture(kArchitectureStateDiagram, "", nullptr, defaults);
    EXPECT_EQ(machine->name, "fsm");
    EXPECT_EQ(machine->sheet.kind, kSheetStateDiagram);
    EXPECT_EQ(machine->sheet.size, 6);
    ASSERT_NE(machine->state_machine, nullptr);
    EXPECT_EQ(machine->state_machine->style, kStyleExplicit);
    EXPECT_EQ(machine->state_machine->assignment, kAssignmentEnumerate);

    auto file = new_architecture(kArchitectureHdlFile, "");
    EXPECT_EQ(file->name, "a0");
    EXPECT_NE(file->hdl_file, nullptr);
    EXPECT_EQ(file->block_diagram, nullptr);

    entity->external = true;
    defaults.external_architecture_name = "ext";
    auto external = new_architecture(kArchitectureHdlFile, "", entity.get(), defaults);
    EXPECT_EQ(external->name, "ext");
    EXPECT_EQ(external->second_flags, 1u);
}

TEST_F(DesignModelTest, MachinesOfSilcSynAreImplicit) {
    auto machine = new_state_machine(kSynthesisSilcSyn);
    EXPECT_EQ(machine->style, kStyleImplicit);
    EXPECT_EQ(machine->assignment, kAssignmentNone);
    EXPECT_FALSE(machine->rest_present());
    EXPECT_EQ(new_process("p", kProcessHdlFile)->reserved, 1);
    // A new state machine follows the design's synthesis tool.
    EXPECT_EQ(new_process("q", kProcessStateDiagram, documented_defaults(), kSynthesisSilcSyn)
                  ->state_machine->style,
              kStyleImplicit);
    EXPECT_EQ(new_architecture(kArchitectureStateDiagram, "s", nullptr, documented_defaults(),
                               kSynthesisSilcSyn)
                  ->state_machine->style,
              kStyleImplicit);
}

TEST_F(DesignModelTest, ComponentsRunParallelToTheirEntity) {
    Entity& adder = add_entity(design, new_entity(design, "adder"));
    adder.generics.push_back(new_generic());
    adder.ports.push_back(new_port());
    adder.ports.push_back(new_port());
    Architecture& rtl = add_architecture(adder, new_architecture(kArchitectureHdlFile, "rtl"));
    EXPECT_EQ(rtl.entity, &adder);
    EXPECT_EQ(rtl.generic_placements.size(), 1u);
    EXPECT_EQ(rtl.port_placements.size(), 2u);
    EXPECT_EQ(rtl.directory, "rtl");

    Entity& top = add_entity(design, new_entity(design, "Toplevel"));
    Architecture& block =
        add_architecture(top, new_architecture(kArchitectureBlockDiagram, "struct"));
    EXPECT_EQ(block.directory, "struct");
    Component& u0 = add_component(*block.block_diagram, block, &adder, &rtl, new_component());
    EXPECT_EQ(u0.owner, &block);
    EXPECT_EQ(u0.bound_architecture, &rtl);
    ASSERT_EQ(u0.generic_values.size(), 1u);
    EXPECT_EQ(u0.generic_values[0].generic, adder.generics[0].get());
    ASSERT_EQ(u0.port_instances.size(), 2u);
    EXPECT_EQ(u0.port_instances[1].port, adder.ports[1].get());
    EXPECT_EQ(u0.port_instances[1].component, &u0);

    Process& p = add_process(*block.block_diagram, block, new_process("pr0", kProcessHdlFile));
    Port& pp = add_process_port(p, new_port());
    EXPECT_EQ(p.entity, &top);
    EXPECT_EQ(p.architecture, &block);
    EXPECT_EQ(pp.owner, &p);
}

TEST_F(DesignModelTest, LookupIsExactAndFirstMatchWins) {
    Entity& first = add_entity(design, new_entity(design, "alu"));
    add_entity(design, new_entity(design, "ALU"));
    add_entity(design, new_entity(design, "alu"));
    EXPECT_EQ(find_entity(design, "alu"), &first);
    EXPECT_EQ(find_entity(design, "Alu"), nullptr);
    Architecture& rtl = add_architecture(first, new_architecture(kArchitectureHdlFile, "rtl"));
    add_architecture(first, new_architecture(kArchitectureHdlFile, "rtl"));
    EXPECT_EQ(find_architecture(first, "rtl"), &rtl);
    EXPECT_EQ(find_architecture(first, "RTL"), nullptr);
}

TEST_F(DesignModelTest, RemovalKeepsOrderAndClearsReferences) {
    for (const char* name : {"a", "b", "c", "d"})
        add_entity(design, new_entity(design, name));
    Entity* b = design.entities[1].get();
    design.root = b;
    design.current_entity = b;
    std::unique_ptr<Entity> removed = remove_entity(design, b);
    EXPECT_EQ(removed.get(), b);
    ASSERT_EQ(design.entities.size(), 3u);
    EXPECT_EQ(design.entities[0]->name, "a");
    EXPECT_EQ(design.entities[1]->name, "c");
    EXPECT_EQ(design.entities[2]->name, "d");
    EXPECT_EQ(design.root, nullptr);
    EXPECT_EQ(design.current_entity, nullptr);
    EXPECT_EQ(remove_entity(design, b), nullptr);

    Entity& a = *design.entities[0];
    for (const char* name : {"x", "y", "z"})
        add_architecture(a, new_architecture(kArchitectureBlockDiagram, name));
    remove_architecture(a, a.architectures[0].get());
    EXPECT_EQ(a.architectures[0]->name, "y");
    EXPECT_EQ(a.architectures[1]->name, "z");
}

TEST_F(DesignModelTest, SortingIsStableByteOrder) {
    for (const char* name : {"b", "Toplevel", "a", "B", "a"})
        add_entity(design, new_entity(design, name));
    Entity* first_a = design.entities[2].get();
    sort_entities(design);
    std::vector<std::string> names;
    for (auto& e : design.entities)
        names.push_back(e->name);
    EXPECT_EQ(names, (std::vector<std::string>{"B", "Toplevel", "a", "a", "b"}));
    EXPECT_EQ(design.entities[2].get(), first_a);
}

TEST_F(DesignModelTest, LabelUsesAreCounted) {
    Label a, b;
    LabelUsage usage;
    use_label(usage, &a);
    use_label(usage, &b);
    LabelUsage other;
    use_label(other, &b);
    EXPECT_EQ(a.use_count, 0);
    EXPECT_EQ(b.use_count, 2);
    use_label(usage, nullptr);
    EXPECT_EQ(b.use_count, 1);
}

TEST(PackageListTest, IdentifiersAreGivenOnceAndGuardedMemoryIsReturned) {
    if (!cwmem_initialised()) cwmem_init();
    long before = cwmem_live_count();
    {
        Design design;
        PackageSpec* explicit_number = new_package_spec();
        explicit_number->number = 5;
        design.library_entries.append(explicit_number);
        PackageSpec* fresh = new_package_spec();
        design.library_entries.append(fresh);
        EXPECT_EQ(fresh->number, 6);
        EXPECT_EQ(design.library_entries.next_identifier(), 7);
        set_package_field(fresh->library, std::string(40, 'l'));
        EXPECT_EQ(std::string(fresh->library).size(), 32u);

        Entity& entity = add_entity(design, new_entity(design, "e"));
        entity.bound_packages.append(5);
        entity.bound_packages.append(-1); // a stale number read from a file is kept
        EXPECT_EQ(entity.bound_packages.numbers(), (std::vector<int>{5, -1}));
        EXPECT_TRUE(entity.bound_packages.contains(-1));
        EXPECT_FALSE(entity.bound_packages.contains(6));

        Design moved = std::move(design);
        EXPECT_EQ(moved.library_entries.count(), 2);
        EXPECT_EQ(design.library_entries.count(), 0);
    }
    EXPECT_EQ(cwmem_live_count(), before);
}

} // namespace
