// Golden files, fixture, builders and compiler runs of the HDL text tests.
#include "text_test_support.h"

#include "design/design_constructors.h"
#include "foundation/clock.h"
#include "hdl/vhdl_keywords.h"
#include "ui/child_process.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace hdl_text_test {

std::string read_file(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void write_file(const std::filesystem::path& path, const std::string& text) {
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

namespace {
std::string first_difference(const std::string& expected, const std::string& actual) {
    std::size_t line = 1, at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at]) {
        if (expected[at] == '\n') ++line;
        ++at;
    }
    auto line_from = [](const std::string& text, std::size_t from) {
        std::size_t start = text.rfind('\n', from == 0 ? 0 : from - 1);
        start = start == std::string::npos || from == 0 ? 0 : start + 1;
        return text.substr(start, text.find('\n', start) - start);
    };
    return "line " + std::to_string(line) + "\n  expected: " + line_from(expected, at) +
           "\n  actual:   " + line_from(actual, at);
}
} // namespace

::testing::AssertionResult matches_golden(const std::string& name, const std::string& text) {
    std::filesystem::path path = std::filesystem::path(ZEPH_SOURCE_DIR) / "tests/golden/hdl" / name;
    if (const char* update = std::getenv("ZEPH_UPDATE_GOLDEN"); update && *update == '1') {
        write_file(path, text);
        return ::testing::AssertionSuccess();
    }
    if (!std::filesystem::exists(path))
        return ::testing::AssertionFailure() << "golden file missing: " << path << "\n" << text;
    std::string expected = read_file(path);
    if (expected == text) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "differs from " << path << " at " << first_difference(expected, text);
}

std::string text_of(const std::function<void(std::ostream&)>& writer) {
    std::ostringstream out;
    writer(out);
    return out.str();
}

ScratchDirectory::ScratchDirectory() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zeph-hdltext-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

ScratchDirectory::~ScratchDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void TextTest::SetUp() {
    set_fixed_clock(std::time_t{1700000000});
}

void TextTest::TearDown() {
    set_fixed_clock(std::nullopt);
}

HdlContext TextTest::context() const {
    HdlContext c(design, platform);
    c.place.project_directory = project.path();
    return c;
}

void TextTest::use_language(int language) {
    design.target_language = language;
    design.language_checking = language;
}

Range make_range(const std::string& left, const std::string& right, int direction) {
    Range range;
    range.has_range = true;
    range.left = left;
    range.right = right;
    range.direction = direction;
    return range;
}

Entity& add_entity_named(Design& design, const std::string& name) {
    return add_entity(design, new_entity(design, name));
}

Generic& add_generic(Entity& entity, const std::string& name, int type, const std::string& value,
                     int unit, const std::string& comment) {
    auto generic = new_generic();
    generic->name = name;
    generic->type = type;
    generic->default_value = value;
    generic->default_unit = unit;
    generic->comment = comment;
    entity.generics.push_back(std::move(generic));
    for (auto& architecture : entity.architectures)
        architecture->generic_placements.emplace_back();
    return *entity.generics.back();
}

Port& add_port(Entity& entity, const std::string& name, int mode, Range range) {
    auto port = new_port();
    port->name = name;
    port->mode = mode;
    port->range = range;
    entity.ports.push_back(std::move(port));
    for (auto& architecture : entity.architectures)
        architecture->port_placements.emplace_back();
    return *entity.ports.back();
}

Architecture& add_arch(Entity& entity, int kind, const std::string& name) {
    Architecture& architecture = add_architecture(entity, new_architecture(kind, name, &entity));
    if (kind == kArchitectureBlockDiagram && !architecture.block_diagram)
        architecture.block_diagram = std::make_unique<BlockDiagram>();
    if (kind == kArchitectureHdlFile && !architecture.hdl_file)
        architecture.hdl_file = std::make_unique<HdlFile>();
    if (kind == kArchitectureStateDiagram && !architecture.state_machine)
        architecture.state_machine = std::make_unique<StateMachine>();
    return architecture;
}

Architecture& add_hdl_arch(Entity& entity, const std::string& name) {
    Architecture& architecture = add_arch(entity, kArchitectureHdlFile, name);
    architecture.hdl_file->vhdl_file = name + ".vhd";
    architecture.hdl_file->verilog_file = name + ".v";
    return architecture;
}

Process& add_hdl_process(Architecture& owner, const std::string& name) {
    Process& process = add_process(*owner.block_diagram, owner, new_process(name, kProcessHdlFile));
    if (!process.hdl_file) process.hdl_file = std::make_unique<HdlFile>();
    process.hdl_file->vhdl_file = name + ".vhd";
    process.hdl_file->verilog_file = name + ".v";
    return process;
}

Port& add_process_port(Process& process, const std::string& name, int mode, int sensitivity) {
    auto port = new_port();
    port->name = name;
    port->mode = mode;
    port->sensitivity = sensitivity;
    return zeph::add_process_port(process, std::move(port));
}

Component& add_instance(Architecture& owner, const std::string& name, Entity& entity,
                        Architecture* bound) {
    auto component = new_component();
    component->name = name;
    return add_component(*owner.block_diagram, owner, &entity, bound, std::move(component));
}

bool tool_available(const std::string& program) {
    ui::ChildResult result = ui::run_child_process({{program, "--version"}, ""});
    return result.started;
}

::testing::AssertionResult tool_succeeds(const std::vector<std::string>& argv,
                                         const std::filesystem::path& directory) {
    ui::ChildResult result = ui::run_child_process({argv, directory.string()});
    std::string command;
    for (const std::string& word : argv)
        command += word + " ";
    if (result.started && result.exit_code == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << command << "failed (" << result.exit_code << "):\n"
                                         << result.output;
}

} // namespace hdl_text_test
