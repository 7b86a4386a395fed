// The fixed table of the editor's named commands: identifier 10000 + index, handler, name (as
// the menu, accelerator and button files write it), label, description and enable mask.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace zped {

class EditorSession;
using CommandHandler = int (*)(EditorSession&);

// The 98 commands of the classic table, then the commands of today's compilers.
inline constexpr int kClassicCommandCount = 98;
inline constexpr int kCommandCount = 101;
inline constexpr int kCommandRoom = kCommandCount; // lookups stop here
inline constexpr int kFirstCommandId = 10000;

// Enable groups.
inline constexpr unsigned kGroupSelection = 1;
inline constexpr unsigned kGroupEditWindow = 2;
inline constexpr unsigned kGroupModified = 4;
inline constexpr unsigned kGroupErrorList = 8;
inline constexpr unsigned kGroupUndo = 16;
inline constexpr unsigned kGroupRedo = 32;
inline constexpr unsigned kAllGroups = 63;

struct CommandRow {
    CommandHandler handler;
    const char* name;
    const char* label;
    const char* description;
    unsigned mask;
};

// The rows in table order.
const std::array<CommandRow, kCommandCount>& command_rows();

class CommandTable {
  public:
    CommandTable();

    // Index of the command with exactly this name, or -1.
    int find(std::string_view name) const;
    // Index for an identifier (identifier - 10000 must lie in 0..98), or -1.
    int index_of_id(int id) const;
    int find_handler(CommandHandler handler) const;
    static int id_of(int index) { return kFirstCommandId + index; }

    const CommandRow& row(int index) const {
        return command_rows()[static_cast<std::size_t>(index)];
    }
    const std::string& label(int index) const { return labels_[static_cast<std::size_t>(index)]; }
    void set_label(int index, std::string label) {
        labels_[static_cast<std::size_t>(index)] = std::move(label);
    }
    bool enabled(int index) const { return enabled_[static_cast<std::size_t>(index)]; }

    // Enables or disables every command whose mask shares a bit with `bits`.
    void set_enable_group(unsigned bits, bool on);

    int run(int index, EditorSession& session) const;

  private:
    std::array<bool, kCommandCount> enabled_{};
    std::array<std::string, kCommandCount> labels_;
};

} // namespace zped
