// Randomly generated designs: write, read and write again give the same bytes, and no damage
// to a written file makes the reader crash, hang or keep a half-built design.
#include "design/design_constructors.h"
#include "design/design_file.h"
#include "support/design_generator.h"
#include "support/design_test_support.h"

#include <random>

namespace {

using namespace zeph;
using namespace zeph::testing;

class RandomDesigns : public DesignFileTest {};

TEST_F(RandomDesigns, WriteReadWriteGivesTheSameBytes) {
    for (std::uint32_t seed = 1; seed <= 60; ++seed) {
        Design original;
        GeneratorOptions options;
        options.entities = 2 + static_cast<int>(seed % 13);
        options.components = static_cast<int>(seed * 3 % 50);
        options.segments = static_cast<int>(seed * 37 % 400);
        generate_design(original, seed, options);
        std::string first = design_file_text(original);
        Design read;
        ASSERT_EQ(read_design_text(first, read), 0) << "seed " << seed;
        reverse_junction_points(read);
        std::string second = design_file_text(read);
        ASSERT_EQ(second, first) << "seed " << seed << ": " << first_difference(first, second);
        // Two loads turn the junction points back into their first order.
        Design again;
        ASSERT_EQ(read_design_text(design_file_text(read), again), 0);
        Design third;
        reverse_junction_points(again);
        ASSERT_EQ(read_design_text(design_file_text(again), third), 0);
        reverse_junction_points(third);
        EXPECT_EQ(design_file_text(third), first) << "seed " << seed;
    }
}

TEST_F(RandomDesigns, ReadBackRecordsAreLinked) {
    Design original;
    generate_design(original, 7);
    Design read;
    ASSERT_EQ(read_design_text(design_file_text(original), read), 0);
    ASSERT_EQ(read.entities.size(), original.entities.size());
    for (auto& entity : read.entities) {
        for (auto& architecture : entity->architectures) {
            EXPECT_EQ(architecture->entity, entity.get());
            EXPECT_EQ(architecture->generic_placements.size(), entity->generics.size());
            EXPECT_EQ(architecture->port_placements.size(), entity->ports.size());
            if (!architecture->block_diagram) continue;
            for (auto& component : architecture->block_diagram->components) {
                EXPECT_EQ(component->owner, architecture.get());
                ASSERT_NE(component->entity, nullptr);
                EXPECT_EQ(component->generic_values.size(), component->entity->generics.size());
                EXPECT_EQ(component->port_instances.size(), component->entity->ports.size());
                if (!component->entity->is_library_module()) {
                    EXPECT_EQ(component->bound_architecture->entity, component->entity);
                }
            }
            for (auto& process : architecture->block_diagram->processes)
                for (auto& port : process->ports)
                    EXPECT_EQ(port->owner, process.get());
        }
    }
}

// Every byte of a file replaced by a few characters that matter to the reader, and the file
// cut at random points: each read either succeeds or fails with a line inside the file.
TEST_F(RandomDesigns, DamagedFilesNeverCrashOrKeepHalfADesign) {
    Design original;
    GeneratorOptions options;
    options.entities = 4;
    options.components = 6;
    options.segments = 30;
    generate_design(original, 11, options);
    std::string text = design_file_text(original);
    int lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
    std::mt19937 random(5);
    const char replacements[] = {'-', '9', ' ', '\n', '@', 'x', '0'};
    Design read;
    for (int round = 0; round < 400; ++round) {
        std::string damaged = text;
        int changes = 1 + round % 3;
        for (int i = 0; i < changes; ++i)
            damaged[random() % damaged.size()] = replacements[random() % sizeof replacements];
        if (round % 5 == 0) damaged.resize(random() % damaged.size());
        generate_design(read, 3, options);
        int code = read_design_text(damaged, read);
        if (code == 0) continue;
        EXPECT_LE(code, lines + 1);
        EXPECT_TRUE(read.entities.empty());
    }
}

} // namespace
