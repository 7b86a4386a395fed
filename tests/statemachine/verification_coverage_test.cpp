// Every message number that verification of block diagrams and of state machines can raise is
// produced by some test: a golden report holds it, or a test expects its printed line. A
// message added to the checks without a test that shows it fails here.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>

namespace zeph {
namespace {

namespace fs = std::filesystem;

// The numbers of the block-diagram checks with the connection analysis, and of the state
// machine checks (with the assignment checks they run). 46 is missing on purpose: the
// identifier rules never tell VHDL 93 identifiers from VHDL ones.
const std::set<int> kBlockDiagramMessages = {1,   2,   3,   5,   6,   8,   9,   10,  11,   12,
                                             13,  14,  15,  16,  17,  20,  21,  25,  40,   41,
                                             42,  45,  47,  48,  50,  101, 102, 103, 104,  110,
                                             111, 118, 119, 151, 153, 154, 155, 156, 1000, 1001};
const std::set<int> kStateMachineMessages = {3,  5,   23,  24,  25,  27,  28, 29, 30,
                                             31, 32,  33,  35,  40,  41,  42, 45, 47,
                                             48, 101, 105, 106, 107, 108, 109};

// "Error    25:", "Warning 101:", "Note    151:" as the report prints them.
std::set<int> printed_numbers(const fs::path& file) {
    const std::regex line_start(R"((Error|Warning|Note) +([0-9]+):)");
    std::ifstream in(file, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::set<int> numbers;
    for (std::sregex_iterator it(text.begin(), text.end(), line_start), end; it != end; ++it)
        numbers.insert(std::stoi((*it)[2].str()));
    return numbers;
}

// The golden reports and the test sources of verification.
std::set<int> produced_by_tests() {
    const fs::path tests = fs::path(ZEPH_SOURCE_DIR) / "tests";
    std::set<int> seen;
    for (const char* folder : {"golden/verify", "golden/blockdiagram", "golden/statemachine",
                               "blockdiagram", "statemachine"})
        for (const auto& entry : fs::recursive_directory_iterator(tests / folder)) {
            if (entry.is_regular_file()) seen.merge(printed_numbers(entry.path()));
        }
    return seen;
}

TEST(VerificationCoverage, EveryMessageOfTheBlockDiagramAndStateMachineChecksIsProduced) {
    const std::set<int> seen = produced_by_tests();
    for (int number : kBlockDiagramMessages)
        EXPECT_TRUE(seen.contains(number)) << "no test produces block diagram message " << number;
    for (int number : kStateMachineMessages)
        EXPECT_TRUE(seen.contains(number)) << "no test produces state machine message " << number;
}

} // namespace
} // namespace zeph
