// The fixture of the generation-run tests: the datapath design in a scratch project, a run
// request for it, and the written files gathered into one text for golden comparison.
#pragma once

#include "datapath_design.h"
#include "hdl/generation_run.h"

#include <string>
#include <vector>

namespace hdl_text_test {

class GenerationTest : public TextTest {
  protected:
    void SetUp() override;

    GenerationRequest request(unsigned parts, int organization);
    // Runs and returns "==> name <==" and the text of every written file in closing order.
    std::string run_and_gather(const GenerationRequest& request);
    std::vector<std::string> written_names() const;

    std::filesystem::path output_directory() const { return project.path() / "output"; }

    Datapath d;
    GenerationResult last;
};

} // namespace hdl_text_test
