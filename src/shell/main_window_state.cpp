// Shaping the vocabulary by the session's state.
#include "shell/main_window_state.h"

#include "blockdiagram/diagram_editor.h"
#include "design/architecture.h"
#include "design/process.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"
#include "shell/included_texts.h"
#include "shell/session.h"
#include "shell/state_diagram_edits.h"
#include "shell/verification.h"

namespace zeph {

namespace {

unsigned shown_mask(DiagramKind kind) {
    switch (kind) {
    case DiagramKind::BlockDiagram:
        return kForBlockDiagram;
    case DiagramKind::StateDiagram:
        return kForStateDiagram;
    case DiagramKind::HdlFile:
        return kForHdlFile;
    case DiagramKind::None:
        break;
    }
    return 0;
}

bool is_included_text(CommandId id, IncludedText* text) {
    switch (id) {
    case CommandId::TextEntityComment:
        *text = IncludedText::EntityComment;
        return true;
    case CommandId::TextEntityDeclarations:
        *text = IncludedText::EntityDeclarations;
        return true;
    case CommandId::TextArchitectureComment:
        *text = IncludedText::ArchitectureComment;
        return true;
    case CommandId::TextDeclarationsBefore:
        *text = IncludedText::DeclarationsBefore;
        return true;
    case CommandId::TextDeclarationsAfter:
        *text = IncludedText::DeclarationsAfter;
        return true;
    case CommandId::TextConcurrentStatements:
        *text = IncludedText::Statements;
        return true;
    case CommandId::TextProcessComment:
        *text = IncludedText::ProcessComment;
        return true;
    case CommandId::TextProcessDeclarations:
        *text = IncludedText::ProcessDeclarations;
        return true;
    default:
        return false;
    }
}

class Rules {
  public:
    explicit Rules(const Session& session)
        : session_(session), kind_(current_diagram_kind(session)),
          verilog_(session.language() == kLanguageVerilog) {}

    DiagramKind kind() const { return kind_; }
    bool verilog() const { return verilog_; }
    bool shown(unsigned shown_for) const {
        return kind_ == DiagramKind::None || (shown_for & shown_mask(kind_)) != 0;
    }

    bool enabled(CommandId id, unsigned needs, Handling handling) const {
        if (handling == Handling::NotBuilt) return false;
        if (session_.design() == nullptr)
            return id == CommandId::FileNew || id == CommandId::FileOpen ||
                   id == CommandId::FileExit || id == CommandId::OptionsLoad ||
                   id == CommandId::OptionsSave;
        if ((needs & kNeedsBlockDiagram) && kind_ != DiagramKind::BlockDiagram) return false;
        if ((needs & kNeedsVerifiedDesign) && !generation_possible(session_)) return false;
        if (kind_ == DiagramKind::StateDiagram) {
            if (!enabled_on_state_diagram(id, needs)) return false;
        } else if (!enabled_on_block_diagram(needs)) {
            return false;
        }
        IncludedText text = IncludedText::EntityComment;
        if ((needs & kNeedsIncludedText) && is_included_text(id, &text) &&
            !included_text_offered(*session_.design(), text))
            return false;
        return true;
    }

  private:
    bool enabled_on_block_diagram(unsigned needs) const {
        const DiagramEditor& editor = session_.editor();
        if ((needs & kNeedsUndo) && !editor.can_undo()) return false;
        bool has_selection = editor.is_open() && !editor.selection().empty();
        if ((needs & kNeedsSelection) && !has_selection) return false;
        if (needs & kNeedsComponent) {
            const Selection& s = editor.selection();
            if (!editor.is_open() || s.size() != 1 ||
                s.front().type != DiagramObjectType::Component)
                return false;
        }
        return true;
    }

    // A state diagram keeps its own undo history and selection; its selection is only
    // deleted, moved and copied.
    bool enabled_on_state_diagram(CommandId id, unsigned needs) const {
        if ((needs & kNeedsUndo) && !state_diagram_can_undo(session_)) return false;
        if ((needs & kNeedsSelection) && !state_diagram_has_selection(session_)) return false;
        if (id == CommandId::SelectionResize || id == CommandId::SelectionRotate) return false;
        return (needs & kNeedsComponent) == 0;
    }

    const Session& session_;
    DiagramKind kind_;
    bool verilog_;
};

const char* worded(const char* vhdl, const char* verilog, bool in_verilog) {
    return in_verilog && verilog != nullptr ? verilog : vhdl;
}

MenuItem item_of(const MenuEntry& e, const Rules& rules) {
    MenuItem item;
    item.id = e.id;
    item.label = worded(e.label, e.verilog_label, rules.verilog());
    item.description = worded(e.description, e.verilog_description, rules.verilog());
    item.handling = e.handling;
    item.shell_command = e.shell_command;
    item.enabled = e.handling == Handling::Popup || rules.enabled(e.id, e.needs, e.handling);
    return item;
}

// A popup with no item shown is left out; one whose items are all disabled is disabled.
void settle_popup(MenuItem& popup) {
    if (popup.handling != Handling::Popup || popup.items.empty()) return;
    bool any = false;
    for (MenuItem& item : popup.items) {
        settle_popup(item);
        any = any || item.enabled;
    }
    popup.enabled = any;
}

} // namespace

DiagramKind current_diagram_kind(const Session& session) {
    const Design* design = session.design();
    if (design == nullptr || design->current_architecture == nullptr) return DiagramKind::None;
    if (design->current_process != nullptr)
        return design->current_process->kind == kProcessStateDiagram ? DiagramKind::StateDiagram
                                                                     : DiagramKind::HdlFile;
    switch (design->current_architecture->kind) {
    case kArchitectureBlockDiagram:
        return DiagramKind::BlockDiagram;
    case kArchitectureStateDiagram:
        return DiagramKind::StateDiagram;
    default:
        return DiagramKind::HdlFile;
    }
}

std::vector<MenuItem> main_menus(const Session& session) {
    Rules rules(session);
    std::vector<MenuItem> menus;
    // The open popup at each depth; an entry below a left-out one is left out too.
    std::vector<MenuItem*> open(4, nullptr);
    int skipped_below = -1;
    for (const MenuEntry& e : main_menu_entries()) {
        if (skipped_below >= 0 && e.depth > skipped_below) continue;
        skipped_below = -1;
        if (!rules.shown(e.shown_for)) {
            skipped_below = e.depth;
            continue;
        }
        MenuItem item = item_of(e, rules);
        if (e.depth == 0) {
            menus.push_back(std::move(item));
            open[0] = &menus.back();
        } else {
            std::vector<MenuItem>& siblings = open[static_cast<std::size_t>(e.depth) - 1]->items;
            siblings.push_back(std::move(item));
            open[static_cast<std::size_t>(e.depth)] = &siblings.back();
        }
    }
    for (MenuItem& menu : menus)
        for (MenuItem& item : menu.items)
            settle_popup(item);
    return menus;
}

std::vector<Tool> tool_bar(const Session& session) {
    Rules rules(session);
    std::vector<Tool> tools;
    for (const ToolEntry& e : tool_bar_entries()) {
        bool wanted =
            e.group == ToolGroup::Common ||
            (e.group == ToolGroup::BlockDiagram && rules.kind() == DiagramKind::BlockDiagram) ||
            (e.group == ToolGroup::StateDiagram && rules.kind() == DiagramKind::StateDiagram);
        if (!wanted) continue;
        Tool tool;
        tool.id = e.id;
        tool.bitmap = e.bitmap;
        tool.tip = worded(e.tip, e.verilog_tip, rules.verilog());
        tool.kind = e.kind;
        tool.key = e.key != nullptr ? e.key : "";
        tool.handling = e.handling;
        tool.enabled = rules.enabled(e.id, e.needs, e.handling);
        if (e.variants_bitmap != nullptr) {
            tool.variants_bitmap = e.variants_bitmap;
            std::span<const char* const> variants =
                rules.verilog() && !e.verilog_variants.empty() ? e.verilog_variants : e.variants;
            for (const char* v : variants)
                tool.variants.push_back(v);
            int chosen = session.tool_variant(tool.variants_bitmap);
            tool.chosen_variant =
                chosen >= 0 && chosen < static_cast<int>(tool.variants.size()) ? chosen : 0;
        }
        tools.push_back(std::move(tool));
    }
    return tools;
}

std::string plain_label(std::string_view label) {
    std::string plain;
    for (char c : label.substr(0, label.find('\t')))
        if (c != '&') plain += c;
    if (plain.ends_with("...")) plain.resize(plain.size() - 3);
    return plain;
}

const MenuItem* find_menu_item(const std::vector<MenuItem>& menus,
                               const std::vector<std::string>& path) {
    const std::vector<MenuItem>* level = &menus;
    const MenuItem* found = nullptr;
    for (const std::string& name : path) {
        found = nullptr;
        for (const MenuItem& item : *level)
            if (equal_ignoring_case(plain_label(item.label), plain_label(name))) {
                found = &item;
                break;
            }
        if (found == nullptr) return nullptr;
        level = &found->items;
    }
    return found;
}

} // namespace zeph
