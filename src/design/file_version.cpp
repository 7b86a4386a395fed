// The version line of every design-related file and the platform tag of the time stamp line.
#include "design/design_file.h"
#include "design/design_reader.h"

namespace zeph {

namespace {
// Upper bounds of the version indexes 1 to 5, compared with the last eight characters.
constexpr const char* kFullBounds[] = {" 0.4   7", " 0.4  12", " 1.0   2", " 1.2   4", " 1.4   0"};
// Upper bounds of the indexes 6 to 8, compared with the first four of those characters.
constexpr const char* kShortBounds[] = {" 2.3", " 2.4", " 3.0"};

constexpr std::string_view kOldest = " 0.4   5";
constexpr std::string_view kOldestMacro = " 0.4   9";
constexpr std::string_view kOldestLibrary = " 2.2";
constexpr std::string_view kOldestConfiguration = " 2.3";

bool starts_with(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

int index_of(std::string_view version) {
    for (int i = 0; i < 5; ++i)
        if (version < std::string_view(kFullBounds[i])) return i + 1;
    std::string_view head = version.substr(0, 4);
    for (int i = 0; i < 3; ++i)
        if (head < std::string_view(kShortBounds[i])) return i + 6;
    return 9;
}

bool old_for(FilePurpose purpose, std::string_view version) {
    switch (purpose) {
    case FilePurpose::Macro:
        return version < kOldestMacro;
    case FilePurpose::Library:
        return version.substr(0, 4) < kOldestLibrary;
    case FilePurpose::Configuration:
        return version.substr(0, 4) < kOldestConfiguration;
    case FilePurpose::Design:
        return false;
    }
    return false;
}
} // namespace

int check_file_version(std::string_view first_line, FilePurpose purpose, int* index) {
    if (!starts_with(first_line, "ZEPH/HDL") && !starts_with(first_line, "ZEPH/VHDL"))
        return kReadNotDesignFile;
    std::string_view version =
        first_line.size() > 8 ? first_line.substr(first_line.size() - 8) : first_line;
    if (version < kOldest || old_for(purpose, version)) return kReadExpired;
    if (index != nullptr) *index = index_of(version);
    return 0;
}

bool tag_resets_colours(std::string_view tag_line) {
    std::size_t open = tag_line.rfind('(');
    std::string_view tag = open == std::string_view::npos ? tag_line : tag_line.substr(open);
    // Written on the 16-bit layer, or on a workstation: colours mean something else there.
    return tag.find("WS") != std::string_view::npos || tag.find("PC") != std::string_view::npos;
}

} // namespace zeph
