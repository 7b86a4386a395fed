// The corpus of VHDL files under tests/import/corpus: every file is imported without errors in
// its standard, and every entity is taken over with the generics and ports (names, modes and
// type marks) that GHDL finds in the same file. A design made of an imported file is generated
// again and analysed by GHDL.
#include "import_test_support.h"

#include "design/entity.h"
#include "foundation/strings.h"
#include "hdl/generation_run.h"
#include "ui/platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>

namespace zeph::vhdl {
namespace {

using testing::ImportBench;

const std::filesystem::path kCorpus =
    std::filesystem::path(ZEPH_SOURCE_DIR) / "tests/import/corpus";

std::vector<std::filesystem::path> corpus_files() {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(kCorpus))
        if (entry.path().extension() == ".vhd") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

bool is_vhdl87(const std::filesystem::path& file) {
    return file.filename().string().find("87") != std::string::npos;
}

std::string run(const std::string& command, int* status) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return output;
    char buffer[4096];
    while (std::size_t n = fread(buffer, 1, sizeof buffer, pipe))
        output.append(buffer, n);
    *status = pclose(pipe);
    return output;
}

using Interfaces = std::map<std::string, std::vector<std::string>>;

// GHDL's view: entity name -> its "generic ..." and "port ..." lines.
Interfaces ghdl_interfaces(const std::filesystem::path& file) {
    std::string script =
        (std::filesystem::path(ZEPH_SOURCE_DIR) / "tests/import/ghdl_interfaces.py").string();
    int status = -1;
    std::string out = run("python3 '" + script + "' " + (is_vhdl87(file) ? "87" : "93c") + " '" +
                              file.string() + "' 2>&1",
                          &status);
    EXPECT_EQ(status, 0) << out;
    Interfaces found;
    std::string current;
    std::size_t from = 0;
    while (from < out.size()) {
        std::size_t nl = out.find('\n', from);
        std::string line = out.substr(from, nl - from);
        from = nl == std::string::npos ? out.size() : nl + 1;
        if (line.rfind("entity ", 0) == 0) {
            current = line.substr(7);
            found[current];
        } else if (!line.empty()) {
            found[current].push_back(line);
        }
    }
    return found;
}

std::string first_word(const std::string& type) {
    std::size_t end = type.find_first_of(" (");
    return to_lower_ascii(type.substr(0, end));
}

// The same view of the entities taken over.
Interfaces taken_over(const Design& design) {
    static constexpr const char* kModes[] = {"?", "in", "out", "inout", "buffer"};
    static constexpr const char* kTypes[] = {"?",       "bit",     "bitvector", "boolean",
                                             "integer", "natural", "positive",  "time"};
    Interfaces found;
    for (const auto& e : design.entities) {
        std::vector<std::string>& lines = found[to_lower_ascii(e->name)];
        for (const auto& g : e->generics) {
            std::string mark = g->type == kGenericTypeUserDefined ? first_word(g->user_type_name)
                                                                  : kTypes[g->type];
            lines.push_back("generic " + to_lower_ascii(g->name) + " " + mark);
        }
        for (const auto& p : e->ports) {
            std::string mark = p->type_name.empty() ? (p->range.has_range ? design.vhdl_vector_type
                                                                          : design.vhdl_signal_type)
                                                    : first_word(p->type_name);
            lines.push_back("port " + to_lower_ascii(p->name) + " " + kModes[p->mode] + " " + mark);
        }
    }
    return found;
}

// GHDL's linkage ports are taken over as inputs.
Interfaces as_taken_over(Interfaces ghdl) {
    for (auto& [name, lines] : ghdl)
        for (std::string& line : lines) {
            std::size_t at = line.find(" linkage ");
            if (at != std::string::npos) line.replace(at, 9, " in ");
        }
    return ghdl;
}

TEST(Corpus, EveryFileImportsCleanlyWithTheInterfacesGhdlFinds) {
    std::vector<std::filesystem::path> files = corpus_files();
    ASSERT_GE(files.size(), 7u);
    for (const auto& file : files) {
        SCOPED_TRACE(file.filename().string());
        ImportBench bench;
        bench.design.vhdl93 = !is_vhdl87(file);
        ImportOutcome outcome = bench.import_file(file);
        EXPECT_EQ(outcome.errors, 0) << bench.report();
        EXPECT_EQ(taken_over(bench.design), as_taken_over(ghdl_interfaces(file)));
    }
}

TEST(Corpus, Vhdl93FilesReadAsVhdl87StillGiveTheirEntities) {
    for (const auto& file : corpus_files()) {
        if (is_vhdl87(file)) continue;
        SCOPED_TRACE(file.filename().string());
        ImportBench bench;
        bench.design.vhdl93 = false;
        bench.import_file(file);
        EXPECT_EQ(taken_over(bench.design), as_taken_over(ghdl_interfaces(file)));
    }
}

TEST(Corpus, AnImportedDesignIsGeneratedAgainAndAnalysedByGhdl) {
    ImportBench bench;
    bench.import_file(kCorpus / "uart_tx87.vhd");
    ASSERT_EQ(bench.design.entities.size(), 1u);
    const Entity& uart = *bench.design.entities[0];

    GenerationRequest request;
    request.root = &uart;
    request.root_architecture = uart.architectures[0].get();
    request.options.overwrite = true;
    request.options.analysis_tool = 0;
    normalise_generation_options(request.options, bench.design.target_language);
    request.project_directory = bench.project;
    request.output_file = bench.project / "output" / "uart_tx.vhd";
    std::filesystem::create_directories(bench.project / "output");
    GenerationResult result = generate_hdl(bench.platform, bench.design, request);
    ASSERT_EQ(result.outcome, RunOutcome::Done) << bench.report();
    ASSERT_FALSE(result.files.empty());

    int status = -1;
    std::string out = run("cd '" + bench.scratch.path().string() + "' && ghdl -a --std=87 '" +
                              result.files[0].string() + "' 2>&1",
                          &status);
    EXPECT_EQ(status, 0) << out << testing::read_file(result.files[0]);
}

} // namespace
} // namespace zeph::vhdl
