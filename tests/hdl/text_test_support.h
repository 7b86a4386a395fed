// Helpers of the HDL text tests: golden files under tests/golden/hdl/<dir>, a fixture with a
// fixed clock, a scripted platform, a current design and a scratch project directory,
// builders for the records the texts are made of, and the real compilers.
#pragma once

#include "design/block_diagram.h"
#include "design/design.h"
#include "hdl/hdl_context.h"
#include "ui/scripted_platform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace hdl_text_test {

using namespace zeph;

std::string read_file(const std::filesystem::path& path);
void write_file(const std::filesystem::path& path, const std::string& text);

// Compares text with tests/golden/hdl/<name>; ZEPH_UPDATE_GOLDEN=1 rewrites the file.
::testing::AssertionResult matches_golden(const std::string& name, const std::string& text);

// What a writer puts on a stream.
std::string text_of(const std::function<void(std::ostream&)>& writer);

class ScratchDirectory {
  public:
    ScratchDirectory();
    ~ScratchDirectory();
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// Clock fixed at Tue Nov 14 22:13:20 2023, a scripted platform and a design whose keyword case
// the contexts follow; `project` is the project directory of the context.
class TextTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    HdlContext context() const;
    void use_language(int language);

    mutable ui::ScriptedPlatform platform; // the contexts of const tests show through it too
    Design design;
    ScratchDirectory project;
};

inline constexpr const char* kFixedTime = "Tue Nov 14 22:13:20 2023";

Range make_range(const std::string& left, const std::string& right,
                 int direction = kDirectionDownto);
Entity& add_entity_named(Design& design, const std::string& name);
Generic& add_generic(Entity& entity, const std::string& name, int type,
                     const std::string& value = "", int unit = 0, const std::string& comment = "");
Port& add_port(Entity& entity, const std::string& name, int mode, Range range = {});
Architecture& add_arch(Entity& entity, int kind, const std::string& name);
// An HDL-file architecture or process whose files are "<name>.vhd" and "<name>.v".
Architecture& add_hdl_arch(Entity& entity, const std::string& name);
Process& add_hdl_process(Architecture& owner, const std::string& name);
Port& add_process_port(Process& process, const std::string& name, int mode, int sensitivity);
Component& add_instance(Architecture& owner, const std::string& name, Entity& entity,
                        Architecture* bound);

// A program on PATH (ghdl, iverilog).
bool tool_available(const std::string& program);
// Runs it in a directory; the output goes into the failure message.
::testing::AssertionResult tool_succeeds(const std::vector<std::string>& argv,
                                         const std::filesystem::path& directory);

} // namespace hdl_text_test
