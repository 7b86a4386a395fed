// Block-diagram bodies on their own: Verilog module names of entities with two bound
// architectures, the "#(" list wrapped before the margin, the library clause of library
// components, the stand-in text for a bus without a usable port, and the generation list.
#include "generation_test_support.h"

#include "design/status_flags.h"
#include "hdl/architecture_text.h"
#include "hdl/generation_list.h"
#include "hdl/hdl_context.h"
#include "hdl/verilog_module.h"

#include <sstream>

namespace {

using namespace hdl_text_test;

class BodyTest : public TextTest {
  protected:
    // e with block diagrams a and b, each passing i to o; a parent with one component of e
    // bound to a and, when asked, one bound to b.
    void build_two_bodies(bool both_bound) {
        parent = &add_entity_named(design, "parent");
        add_port(*parent, "i", kModeIn);
        add_port(*parent, "o", kModeOut);
        add_port(*parent, "o2", kModeOut);
        top = &add_arch(*parent, kArchitectureBlockDiagram, "top");
        e = &add_entity_named(design, "e");
        add_port(*e, "i", kModeIn);
        add_port(*e, "o", kModeOut);
        for (const char* name : {"a", "b"}) {
            Architecture& body = add_arch(*e, kArchitectureBlockDiagram, name);
            Net& n = with_class(add_net(body, "n"), 15);
            attach_port(n, body, "i");
            attach_port(n, body, "o");
        }
        Component& c1 = add_instance(*top, "c1", *e, e->architectures[0].get());
        Component& c2 = add_instance(*top, "c2", *e, e->architectures[both_bound ? 1 : 0].get());
        Net& in = with_class(add_net(*top, ""), 3);
        attach_port(in, *top, "i");
        attach_component(in, c1, "i");
        attach_component(in, c2, "i");
        Net& out1 = with_class(add_net(*top, ""), 3);
        attach_component(out1, c1, "o");
        attach_port(out1, *top, "o");
        Net& out2 = with_class(add_net(*top, ""), 3);
        attach_component(out2, c2, "o");
        attach_port(out2, *top, "o2");
        for (auto& entity : design.entities) {
            entity->status = kStatusVerifiedDown;
            for (auto& architecture : entity->architectures)
                architecture->status = kStatusVerifiedDown;
        }
    }

    std::string generate(unsigned parts) {
        GenerationRequest r;
        r.root = parent;
        r.root_architecture = top;
        r.options.parts = parts;
        r.options.overwrite = true;
        r.options.analysis_tool = 0;
        r.project_directory = project.path();
        r.output_file =
            project.path() / "output" / (design.target_language == 2 ? "out.v" : "out.vhd");
        GenerationResult result = generate_hdl(platform, design, r);
        EXPECT_EQ(result.outcome, RunOutcome::Done);
        return read_file(r.output_file);
    }

    Entity* parent = nullptr;
    Entity* e = nullptr;
    Architecture* top = nullptr;
};

TEST_F(BodyTest, TwoBoundArchitecturesGiveModulesNamedAfterBoth) {
    use_language(2);
    build_two_bodies(true);
    std::string text = generate(4 | 8);
    EXPECT_TRUE(matches_golden("body/modules_e_a_e_b.v", text));
    EXPECT_NE(text.find("module e_a (i, o) ;"), std::string::npos);
    EXPECT_NE(text.find("module e_b (i, o) ;"), std::string::npos);
    EXPECT_NE(text.find("\n e_b\n    c2("), std::string::npos);
    if (!tool_available("iverilog")) GTEST_SKIP() << "iverilog is not installed";
    EXPECT_TRUE(tool_succeeds({"iverilog", "-o", "out.vvp", "out.v"}, project.path() / "output"));
}

TEST_F(BodyTest, OneBoundArchitectureKeepsTheEntityName) {
    use_language(2);
    build_two_bodies(false);
    std::string text = generate(4 | 8);
    EXPECT_NE(text.find("module e (i, o) ;"), std::string::npos);
    EXPECT_EQ(text.find("module e_b"), std::string::npos);
    EXPECT_NE(text.find("\n e\n    c2("), std::string::npos);
}

TEST_F(BodyTest, TwoComponentsOfOneEntityShareTheirDeclaration) {
    build_two_bodies(true);
    design.vhdl93 = true;
    std::string text = generate(4 | 8 | 64);
    EXPECT_TRUE(matches_golden("body/one_declaration_two_specifications.vhd", text));
    std::size_t first = text.find(" component e\n");
    ASSERT_NE(first, std::string::npos);
    EXPECT_EQ(text.find(" component e\n", first + 1), std::string::npos);
    EXPECT_NE(text.find(" for c1 : e\n   use entity work.e(a) ;\n for c2 : e\n   use entity "
                        "work.e(b) ;\n"),
              std::string::npos);
    if (!tool_available("ghdl")) GTEST_SKIP() << "ghdl is not installed";
    std::filesystem::path dir = project.path() / "output";
    EXPECT_TRUE(tool_succeeds({"ghdl", "-a", "--std=93", "out.vhd"}, dir));
    EXPECT_TRUE(tool_succeeds({"ghdl", "-e", "--std=93", "-Werror=binding", "parent", "top"}, dir));
}

TEST_F(BodyTest, ParameterListWrapsBeforeTheMargin) {
    use_language(2);
    Entity& wide = add_entity_named(design, "a_module_with_a_rather_long_name");
    add_generic(wide, "first", 4, "1");
    add_generic(wide, "second", 4, "2");
    add_generic(wide, "third", 4, "3");
    add_port(wide, "o", kModeOut);
    add_arch(wide, kArchitectureBlockDiagram, "empty");
    Entity& holder = add_entity_named(design, "holder");
    Architecture& body = add_arch(holder, kArchitectureBlockDiagram, "body");
    Component& c = add_instance(body, "inst", wide, wide.architectures[0].get());
    set_generic_value(c, "first", "(1 + 2 + 3 + 4 + 5 + 6 + 7 + 8 + 9)");
    set_generic_value(c, "second", "(10 + 20 + 30 + 40 + 50 + 60 + 70)");
    set_generic_value(c, "third", "(100 + 200 + 300 + 400 + 500 + 600)");
    std::string text = text_of([&](std::ostream& out) {
        write_module(out, context(), wide, *wide.architectures[0]);
        write_module(out, context(), holder, body);
    });
    EXPECT_TRUE(matches_golden("body/parameters_wrapped.v", text));
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        EXPECT_LE(line.size(), 75u) << line;
    EXPECT_NE(text.find("#((1 + 2 + 3 + 4 + 5 + 6 + 7 + 8 + 9), \n      (10 + 20"),
              std::string::npos);
    if (!tool_available("iverilog")) GTEST_SKIP() << "iverilog is not installed";
    write_file(project.path() / "wide.v", text);
    EXPECT_TRUE(tool_succeeds({"iverilog", "-o", "wide.vvp", "wide.v"}, project.path()));
}

TEST_F(BodyTest, LibraryComponentsGetTheirLibraryClause) {
    Entity& gate = add_entity_named(design, "and2");
    gate.library_module_path = "/libs/cells.vmp";
    gate.library_name = "cells";
    add_port(gate, "a", kModeIn);
    Entity& holder = add_entity_named(design, "holder");
    Architecture& body = add_arch(holder, kArchitectureBlockDiagram, "body");
    add_instance(body, "g1", gate, nullptr);
    add_instance(body, "g2", gate, nullptr);
    std::string text =
        text_of([&](std::ostream& out) { write_architecture(out, context(), holder, body); });
    EXPECT_TRUE(matches_golden("body/library_components.vhd", text));
    EXPECT_EQ(text.substr(0, 44), "\nlibrary cells ;\nuse cells.and2 ;\nuse cells.");
}

TEST_F(BodyTest, BusWithoutUsablePortWritesTheInternalErrorText) {
    Entity& holder = add_entity_named(design, "holder");
    add_port(holder, "b", kModeIn, make_range("3", "0"));
    Architecture& body = add_arch(holder, kArchitectureBlockDiagram, "body");
    Net& bus = with_class(add_net(body, "", make_range("3", "0")), 3);
    attach_port(bus, body, "b");
    BusEntry& entry = add_entry(bus, "2", "", 64);
    Net& wire = with_class(add_net(body, "feed"), 15);
    link_entry(wire, entry, bus);
    std::string text =
        text_of([&](std::ostream& out) { write_architecture(out, context(), holder, body); });
    EXPECT_NE(text.find("\n *** Internal Error on net Net_0(0,3)(2) <= feed ;\n"),
              std::string::npos)
        << text;
    ASSERT_FALSE(platform.shown(ui::Shown::Status).empty());
    EXPECT_NE(platform.shown(ui::Shown::Status).back().find("1501"), std::string::npos);
}

class ListTest : public TextTest {
  protected:
    Entity& entity(const std::string& name) {
        Entity& e = add_entity_named(design, name);
        add_arch(e, kArchitectureBlockDiagram, "rtl");
        return e;
    }
    Component& use(Entity& owner, Entity& child, int architecture = 0) {
        return add_instance(*owner.architectures[0], "c" + std::to_string(++count), child,
                            child.architectures[static_cast<std::size_t>(architecture)].get());
    }
    std::vector<std::string> names(const GenerationList& list, bool reached_only = true) {
        std::vector<std::string> out;
        for (std::size_t i = 0; i < (reached_only ? list.reached : list.entities.size()); ++i)
            out.push_back(list.entities[i]->name);
        return out;
    }
    int count = 0;
};

TEST_F(ListTest, EntitiesAreListedOnceAtTheirDeepestLevel) {
    Entity& d = entity("d");
    Entity& b = entity("b");
    Entity& root = entity("root");
    Entity& unrelated = entity("other");
    use(root, b);
    use(root, b);
    use(b, d);
    use(root, d);
    GenerationList list = build_generation_list(design, root, nullptr);
    EXPECT_EQ(names(list), (std::vector<std::string>{"root", "b", "d"}));
    EXPECT_EQ(list.levels[&d], 3);
    EXPECT_EQ(names(list, false), (std::vector<std::string>{"root", "b", "d", "other"}));
    EXPECT_EQ(list.levels[&unrelated], 0);
}

TEST_F(ListTest, LibraryEntitiesAreNotReachedAndExternalOnesNotDescended) {
    Entity& cell = entity("cell");
    cell.library_module_path = "/lib/cells.vmp";
    Entity& leaf = entity("leaf");
    Entity& outside = entity("outside");
    outside.external = true;
    use(outside, leaf);
    Entity& root = entity("root");
    use(root, cell);
    use(root, outside);
    GenerationList list = build_generation_list(design, root, nullptr);
    EXPECT_EQ(names(list), (std::vector<std::string>{"root", "outside"}));
}

TEST_F(ListTest, OnlyBoundFollowsTheBindingsAndCountsThem) {
    Entity& b = entity("b");
    Architecture& spare = add_arch(b, kArchitectureBlockDiagram, "spare");
    Entity& d = entity("d");
    add_instance(spare, "inner", d, d.architectures[0].get());
    Entity& root = entity("root");
    use(root, b, 0);
    use(root, b, 0);
    GenerationList bound = build_generation_list(design, root, root.architectures[0].get());
    EXPECT_EQ(names(bound), (std::vector<std::string>{"root", "b"}));
    EXPECT_EQ(bound.bound_counts[b.architectures[0].get()], 2);
    EXPECT_EQ(bound.bound_counts[&spare], 0);
    GenerationList all = build_generation_list(design, root, nullptr);
    EXPECT_EQ(names(all), (std::vector<std::string>{"root", "b", "d"}));
}

TEST_F(ListTest, AmbiguousBindingIsFoundFromTheDeepestEntityUp) {
    Entity& b = entity("b");
    add_arch(b, kArchitectureBlockDiagram, "second");
    Entity& root = entity("root");
    use(root, b, 0);
    use(root, b, 1);
    GenerationList list = build_generation_list(design, root, root.architectures[0].get());
    HdlContext c = context();
    c.bound_counts = list.bound_counts;
    c.parts = kPartRootAndSubtree | kPartBoundArchitectures;
    EXPECT_EQ(ambiguous_binding(c, list), &b);
    c.parts |= kPartConfigurationSpecifications;
    EXPECT_EQ(ambiguous_binding(c, list), nullptr) << "specifications: only the root";
    c.parts = kPartRootAndSubtree | kPartBoundArchitectures | kPartConfigurationDeclarations;
    EXPECT_EQ(ambiguous_binding(c, list), nullptr);
    c.parts = kPartRootAndSubtree | kPartBoundArchitectures;
    b.architectures[1]->status = kStatusError;
    EXPECT_EQ(ambiguous_binding(c, list), nullptr) << "an architecture with errors does not count";
}

TEST(GenerationOptionsTest, NormalisingClampsAndResetsClashingExtensions) {
    GenerationOptions options;
    options.parts = 200;
    options.organization = 2;
    options.vhdl_ext = "ENT";
    normalise_generation_options(options, 2);
    EXPECT_EQ(options.parts, 84u);
    EXPECT_EQ(options.organization, 1) << "Verilog has no file per unit";
    EXPECT_EQ(options.vhdl_ext, "vhd");
    EXPECT_EQ(options.entity_ext, "ent");
    EXPECT_EQ(with_extension("dir/top.vhd", "arc").string(), "dir/top.arc");
    EXPECT_EQ(with_extension("dir/top", "_a.vhd").string(), "dir/top_a.vhd");
}

} // namespace
