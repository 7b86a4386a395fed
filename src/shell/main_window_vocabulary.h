// The command vocabulary of the main window as data: the menus in order with their items, "&"
// mnemonics, "\t" short-cut texts and status-line descriptions (with the Verilog wordings), the
// "Included Texts" and "List" popups, and the tool bar (common part, block-diagram tools,
// state-diagram tools) with bitmap names, tips, kinds, variants and short-cut keys. Every item
// names one command; a front end displays the vocabulary as the session's state shapes it
// (main_window_state.h) and runs the command (main_window_dispatch.h).
#pragma once

#include <span>

namespace zeph {

enum class CommandId {
    // File
    FileNew,
    FileOpen,
    FileImportVhdl,
    FileSave,
    FileSaveAs,
    FileView,
    FilePrint,
    FileExit,
    // Design
    DesignSetup,
    DesignPackages,
    DesignPackagesPerEntity,
    DesignConfigurations,
    DesignList,
    DesignPurge,
    DesignHierarchyBrowser,
    DesignVerify,
    DesignGenerate,
    // Diagram
    DiagramClear,
    DiagramVerify,
    IncludedTexts, // the popup
    TextEntityComment,
    TextArchitectureComment,
    TextEntityDeclarations,
    TextArchitectureDeclarations, // the popup of the two below
    TextDeclarationsBefore,
    TextDeclarationsAfter,
    TextConcurrentStatements,
    TextProcessComment,
    TextProcessDeclarations,
    DiagramInstantiate,
    DiagramLoadMacro,
    DiagramSaveMacro,
    DiagramLoadLibraryModule,
    DiagramHighlightNet,
    DiagramList, // the popup
    ListActions,
    ListAllActions,
    ListConditions,
    ListAllConditions,
    DiagramActionLabels,
    DiagramConditionLabels,
    DiagramRestState,
    DiagramOptions,
    // Area
    AreaHorizontalStretch,
    AreaVerticalStretch,
    AreaHorizontalContract,
    AreaVerticalContract,
    // Window
    WindowRefresh,
    WindowZoomIn,
    WindowZoomOut,
    WindowZoomArea,
    WindowOverview,
    WindowCopyToClipboard,
    WindowGoTo,
    // Level
    LevelDown,
    LevelUp,
    LevelTop,
    LevelJump,
    // Options
    OptionsGui,
    OptionsSheetDefaults,
    OptionsEnvironment,
    OptionsDefaultPackages,
    OptionsLabelOptions,
    OptionsColors,
    OptionsLoad,
    OptionsSave,
    // Help
    HelpHowToUse,
    HelpAbout,
    // Tools without a menu item
    EditUndo,
    ToolLevel, // the "trap" mode
    ToolZoom,
    SelectionDelete,
    SelectionCopy,
    SelectionMove,
    SelectionResize,
    SelectionRotate,
    EditObject,
    AddComponent,
    AddProcess,
    AddGeneric,
    AddPort,
    AddWire,
    AddBusEntry,
    AddConnectLabel,
    AddText,
    AddState,
    AddTransition,
    AddAction,
};

// The diagrams an item is shown for; an item not shown for the current diagram is left out.
inline constexpr unsigned kForBlockDiagram = 1;
inline constexpr unsigned kForStateDiagram = 2;
inline constexpr unsigned kForHdlFile = 4;
inline constexpr unsigned kForDiagrams = kForBlockDiagram | kForStateDiagram;
inline constexpr unsigned kForAll = kForDiagrams | kForHdlFile;

// What an item needs to be enabled.
inline constexpr unsigned kNeedsNothing = 0;
inline constexpr unsigned kNeedsSelection = 1;      // a selected object
inline constexpr unsigned kNeedsComponent = 2;      // one selected component
inline constexpr unsigned kNeedsVerifiedDesign = 4; // generation is possible
inline constexpr unsigned kNeedsUndo = 8;           // an edit of this diagram to undo
inline constexpr unsigned kNeedsIncludedText = 16;  // the current diagram has the text
inline constexpr unsigned kNeedsBlockDiagram = 32;  // works on block diagrams only so far

// How a command is carried out.
enum class Handling {
    Operation, // an operation of the session, run as it is (it asks what it needs)
    Dialog,    // a dialog of the front end, which calls the session's operations
    Mode,      // a tool that stays selected and acts on clicks in the diagram
    Popup,     // a menu of further items
    NotBuilt,  // offered, but its part of the program is not built yet: always disabled
};

struct MenuEntry {
    int depth; // 0 a menu of the menu bar, 1 its item, 2 an item of a popup, 3 below that
    CommandId id;
    const char* label;
    const char* verilog_label; // null: the same
    const char* description;
    const char* verilog_description; // null: the same
    unsigned shown_for;
    unsigned needs;
    Handling handling;
    const char* shell_command; // for a dialog: the shell command that does its work, or null
};

// Menu bar labels and descriptions come first among the menus' entries (depth 0).
std::span<const MenuEntry> main_menu_entries();

enum class ToolKind {
    Immediate,   // a command
    Mode,        // stays selected, acts on each click in the diagram
    OnSelection, // acts on the current selection
    Variants,    // a choice of variants shown as a second row
    FreeText,    // places a free text
};

enum class ToolGroup { Common, BlockDiagram, StateDiagram };

struct ToolEntry {
    ToolGroup group;
    const char* bitmap;
    const char* tip;
    const char* verilog_tip; // null: the same
    ToolKind kind;
    const char* key; // short-cut key, or null
    CommandId id;
    unsigned needs;
    Handling handling;
    const char* variants_bitmap; // variants tools: the bitmap of the second row
    std::span<const char* const> variants;
    std::span<const char* const> verilog_variants; // empty: the same
};

std::span<const ToolEntry> tool_bar_entries();

} // namespace zeph
