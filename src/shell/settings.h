// The program-wide settings of zeph, one field per key of "zeph.ini", grouped by section.
// The initialisers are the defaults: a key that is missing or cannot be read takes them.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zeph {

// A window rectangle as the settings keep it: position and extent.
struct WindowRect {
    int left = 0;
    int top = 0;
    int width = 800;
    int height = 600;
    bool operator==(const WindowRect&) const = default;
};

// One entry of the default library and package list (section "Packages").
struct PackageEntry {
    std::string library;
    std::string package;
    std::string suffix;
    bool global = false;
    std::string file;
    bool operator==(const PackageEntry&) const = default;
};

// The five kinds of generated files, each with its own extension.
enum class FileKind { Vhdl, Entity, Architecture, Configuration, Verilog };

struct Settings {
    struct Gui {
        int grid_factor = 1; // 1 to 9
        int sheet_size = 1;  // 1 to 8, written by name (sheet_size_name)
        int max_undos = 50;  // 1 to 50
        bool save_settings_on_exit = true;
        WindowRect user_area;
        bool tree_displayed = false;
        std::string font;
        bool speed_bar_left = false;
        bool return_is_next_dlg = false;
        bool operator==(const Gui&) const = default;
    } gui;

    struct Environment {
        std::string editor; // up to 256 characters
        bool editor_as_viewer = true;
        std::string designs, macros, libraries, outputs; // up to 255; logical names allowed
        std::string vhdl_ext = "vhd";
        std::string entity_ext = "ent";
        std::string architecture_ext = "arc";
        std::string configuration_ext = "cf";
        std::string verilog_ext = "v";
        int generate_parts = 52; // 0 to 84, bit 64 dropped when bit 32 is set
        int split_files = 0;     // 0 to 2
        bool overwrite_out_files = false;
        bool confirm_replace_names = false;
        int backup_time = 5; // minutes, 0 to 30; 0 switches the autobackup off
        bool create_design_bak_dir = false;
        bool operator==(const Environment&) const = default;
    } environment;

    // Label text sizes per object kind, 2 to 50.
    struct TextSize {
        int components = 16, processes = 16, generics = 12, ports = 12, connect_labels = 12,
            nets = 12, bus_entries = 10, states = 10, conditions = 10, actions = 10,
            priorities = 10, free_placed_texts = 12;
        bool operator==(const TextSize&) const = default;
    } text_size;

    // Default label option words per object kind, from 1 to the default.
    struct LabelFormats {
        int components = 7, processes = 3, generics = 3, ports = 7, nets = 3, bus_entries = 3,
            states = 7;
        bool operator==(const LabelFormats&) const = default;
    } label_formats;

    // Label drawn in its object's colour (on) or in the foreground colour.
    struct LabelColours {
        bool components = true, processes = true, generics = false, ports = false,
             connect_labels = false, nets = true, bus_entries = true, states = false,
             conditions = false, actions = false, priorities = false;
        bool operator==(const LabelColours&) const = default;
    } label_colours;

    // Colour numbers 0 to 15 of the drawing elements.
    struct Colours {
        int components = 1, component_background = 11, processes = 6, process_background = 2,
            generics = 5, ports = 5, wires = 3, buses = 4, grid = 8, selected = 15,
            selected_background = 14, foreground = 15,
            free_placed_texts = 15, // a file without the key takes its foreground value
            background = 0, component_leaves = 14, external_leaves = 7, block_leaves = 2,
            vhdl_leaves = 1, state_leaves = 3, current_leaf = 5, highlight_leaf = 11,
            leaves_foreground = 15, leaves_background = 10, states = 5, state_background = 11,
            transitions = 3, actions = 1;
        bool operator==(const Colours&) const = default;
    } colours;

    // Default architecture names per kind, up to 32 characters; empty: a generated name.
    struct DefaultNames {
        std::string block_diagram_archs, vhdl_file_archs, state_diagram_archs, external_archs;
        bool operator==(const DefaultNames&) const = default;
    } default_names;

    struct Miscellaneous {
        std::string company;                  // up to 50 characters
        std::string signal_type, vector_type; // up to 32 characters
        bool texts_in_foreground = false;
        std::string default_language = "Vhdl"; // exactly "Vhdl": VHDL, anything else Verilog
        bool operator==(const Miscellaneous&) const = default;
    } miscellaneous;

    struct Tools {
        int synthesis_tool = 0;         // 0 to 7, written by name (synthesis_tool_name)
        int analysis_tool = 1;          // AnalysisTool: 0 "-", 1 "Modelsim", 2 "GHDL", 3 "Icarus"
        std::string working_library;    // up to 32 characters
        std::string modelsim;           // simulator options, up to 100 characters
        std::string modelsim_exec_path; // up to 256 characters
        bool operator==(const Tools&) const = default;
    } tools;

    std::vector<PackageEntry> packages; // "Package0", "Package1", ... in list order

    struct StateDiagrams {
        int arrow_length = 12; // 5 to 50, in units of 8
        bool thick_state_border = true;
        int arrow_position = 0;
        bool operator==(const StateDiagrams&) const = default;
    } state_diagrams;

    struct Verify {
        bool disable_notes = false;
        bool disable_warnings = false;
        int check_vhdl_words = 1; // 1 VHDL rules, 2 Verilog rules, 3 both
        // The environment dialog's "Disable type and range checks", key "DisableTypeChecks".
        bool disable_type_checks = false;
        bool operator==(const Verify&) const = default;
    } verify;

    // Logical directory definitions: name and path, in file order.
    std::vector<std::pair<std::string, std::string>> directories;

    // Accessors for the layers that take their defaults from here.

    // 1 (VHDL) when the default language is "Vhdl", else 2 (Verilog); also the checking of new
    // designs.
    int default_target_language() const { return miscellaneous.default_language == "Vhdl" ? 1 : 2; }
    // The configured name for new architectures of a kind (architecture kind numbers of the
    // design model); external entities have their own. Empty: generate one.
    const std::string& default_architecture_name(int architecture_kind, bool external) const;
    const std::string& extension(FileKind kind) const;
    // The arrow length of transitions in sheet units.
    int arrow_length_units() const { return state_diagrams.arrow_length * 8; }
    // The definition of a logical directory (names compare ignoring case), or null.
    const std::string* directory(std::string_view name) const;

    bool operator==(const Settings&) const = default;
};

} // namespace zeph
