// The fixture of the design project tests: a scratch directory that is the current directory
// while a test runs, a fixed clock, a scripted platform, and the transcript as lines.
#pragma once

#include "design/design_project.h"
#include "support/design_test_support.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace zeph::testing {

class ProjectTest : public DesignFileTest {
  protected:
    void SetUp() override {
        DesignFileTest::SetUp();
        previous_cwd = std::filesystem::current_path();
        std::filesystem::current_path(dir.path());
        root = std::filesystem::canonical(dir.path()).string();
        options.designs_directory = root;
    }
    void TearDown() override {
        std::filesystem::current_path(previous_cwd);
        DesignFileTest::TearDown();
    }

    std::string at(const std::string& relative) const { return root + "/" + relative; }
    static bool exists(const std::string& path) { return std::filesystem::exists(path); }
    static std::string read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    static void write(const std::string& path, const std::string& text) {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << text;
    }
    // The transcript since the last call, one "kind: text" per entry, `root` shown as "@".
    std::vector<std::string> shown() {
        std::vector<std::string> lines;
        for (const ui::TranscriptEntry& e : platform.transcript()) {
            std::string text = e.text;
            for (std::size_t p; (p = text.find(root)) != std::string::npos;)
                text.replace(p, root.size(), "@");
            lines.push_back(std::string(ui::shown_name(e.kind)) + ": " + text);
        }
        platform.clear_transcript();
        return lines;
    }
    // A saved titled project at `relative` holding one design information text.
    void make_saved_project(const std::string& relative, const std::string& information) {
        DesignProject maker(platform, options);
        ASSERT_TRUE(maker.create_project(at(relative)));
        ASSERT_TRUE(maker.load_project(at(relative)));
        maker.design().design_information = information;
        maker.mark_modified();
        ASSERT_TRUE(maker.save_project(SaveMode::BeforeExit));
        maker.leave();
        std::filesystem::current_path(root);
        platform.clear_transcript();
    }
    // The design information line of a design file.
    static std::string information_of(const std::string& design_file) {
        std::istringstream in(read(design_file));
        std::string line;
        std::getline(in, line);
        std::getline(in, line);
        return line;
    }

    ScratchDirectory dir;
    std::filesystem::path previous_cwd;
    std::string root; // the scratch directory without symbolic links
    ProjectOptions options;
};

} // namespace zeph::testing
