// Name lists of settings stored by name.
#include "shell/setting_names.h"

#include "hdl/analysis_tool.h"

namespace zeph {

namespace {
const char* const kSheetSizes[kSheetSizeCount] = {
    "Size 5 Landscape", "Size 4 Landscape", "Size 3 Landscape", "Size 2 Landscape",
    "Size 5 Portrait",  "Size 4 Portrait",  "Size 3 Portrait",  "Size 2 Portrait"};

} // namespace

const char* sheet_size_name(int index) {
    return index >= 1 && index <= kSheetSizeCount ? kSheetSizes[index - 1] : "";
}

int sheet_size_from_name(std::string_view name) {
    for (int i = 0; i < kSheetSizeCount; ++i)
        if (name == kSheetSizes[i]) return i + 1;
    return 1;
}

const char* analysis_tool_setting_name(int tool) {
    return analysis_tool_name(analysis_tool_from_setting(tool));
}

int analysis_tool_setting(std::string_view name) {
    return static_cast<int>(analysis_tool_from_name(name));
}

} // namespace zeph
