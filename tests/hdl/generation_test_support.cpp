// Fixture of the generation-run tests.
#include "generation_test_support.h"

namespace hdl_text_test {

void GenerationTest::SetUp() {
    TextTest::SetUp();
    build_datapath(design, d);
}

GenerationRequest GenerationTest::request(unsigned parts, int organization) {
    GenerationRequest r;
    r.root = d.datapath;
    r.root_architecture = d.structure;
    r.options.parts = parts;
    r.options.organization = organization;
    r.options.overwrite = true;
    r.options.analysis_tool = 0;
    normalise_generation_options(r.options, design.target_language);
    r.project_directory = project.path();
    r.output_file = output_directory() / proposed_file_name(design, r);
    r.connect_by_name_signals = d.signals;
    return r;
}

std::string GenerationTest::run_and_gather(const GenerationRequest& r) {
    last = generate_hdl(platform, design, r);
    std::string text;
    for (const auto& file : last.files)
        text += "==> " + file.filename().string() + " <==\n" + read_file(file);
    return text;
}

std::vector<std::string> GenerationTest::written_names() const {
    std::vector<std::string> names;
    for (const auto& file : last.files)
        names.push_back(file.filename().string());
    return names;
}

} // namespace hdl_text_test
