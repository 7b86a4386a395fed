// Editing the included texts of the current diagram in the external editor.
#include "shell/included_texts.h"

#include "design/architecture.h"
#include "design/block_diagram.h"
#include "design/design_constructors.h"
#include "design/entity.h"
#include "design/external_editor.h"
#include "design/file_text.h"
#include "design/process.h"
#include "design/project_files.h"
#include "design/project_paths.h"
#include "design/state_machine.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"
#include "foundation/system_message.h"
#include "shell/session.h"

namespace zeph {

namespace {

StateMachine* machine_of(const Architecture* architecture, const Process* process) {
    if (process != nullptr) return process->state_machine.get();
    if (architecture != nullptr) return architecture->state_machine.get();
    return nullptr;
}

StateMachine* current_machine(const Design& design) {
    return machine_of(design.current_architecture, design.current_process);
}

bool is_process_text(IncludedText text) {
    return text == IncludedText::ProcessComment || text == IncludedText::ProcessDeclarations;
}

bool is_comment(IncludedText text) {
    return text == IncludedText::EntityComment || text == IncludedText::ArchitectureComment ||
           text == IncludedText::ProcessComment;
}

// The record field that holds the text; null when the owner has no such text.
std::string* text_field(Entity* entity, Architecture* architecture, Process* process,
                        IncludedText text, bool verilog) {
    StateMachine* machine = machine_of(architecture, process);
    if (is_process_text(text) && machine == nullptr) return nullptr;
    switch (text) {
    case IncludedText::EntityComment:
        return &entity->comment;
    case IncludedText::EntityDeclarations:
        return &entity->declarations;
    case IncludedText::ArchitectureComment:
        return &architecture->comment;
    case IncludedText::DeclarationsBefore:
        return verilog ? &architecture->verilog_declarations_before
                       : &architecture->vhdl_declarations_before;
    case IncludedText::DeclarationsAfter:
        return verilog ? &architecture->verilog_declarations_after
                       : &architecture->vhdl_declarations_after;
    case IncludedText::Statements:
        return verilog ? &architecture->verilog_statements : &architecture->vhdl_statements;
    case IncludedText::ProcessComment:
        return &machine->process_comment;
    case IncludedText::ProcessDeclarations:
        return &machine->process_declarations;
    }
    return nullptr;
}

std::string* current_field(Design& design, IncludedText text) {
    return text_field(design.current_entity, design.current_architecture, design.current_process,
                      text, design.target_language == kLanguageVerilog);
}

// Whether the records are still part of the design.
bool still_in_design(Design& design, const Entity* entity, const Architecture* architecture,
                     const Process* process) {
    for (auto& e : design.entities) {
        if (e.get() != entity) continue;
        for (auto& a : e->architectures) {
            if (a.get() != architecture) continue;
            if (process == nullptr) return true;
            if (a->block_diagram == nullptr) return false;
            for (auto& p : a->block_diagram->processes)
                if (p.get() == process) return true;
            return false;
        }
    }
    return false;
}

bool ensure_directory(ui::Platform& platform, const std::string& path) {
    if (is_directory(path)) return true;
    std::string parent = parent_directory(path);
    if (parent != path && !ensure_directory(platform, parent)) return false;
    return create_directory(platform, path);
}

// The include file's name: comments are plain text, declarations and statements take the
// extension of the language, so that the editor colours them.
std::string file_name(const Design& design, IncludedText text) {
    const char* extension = is_comment(text)                             ? ".txt"
                            : design.target_language == kLanguageVerilog ? ".v"
                                                                         : ".vhd";
    std::string process = design.current_process != nullptr ? design.current_process->name : "";
    switch (text) {
    case IncludedText::EntityComment:
        return std::string("entity_comment") + extension;
    case IncludedText::EntityDeclarations:
        return std::string("entity_declarations") + extension;
    case IncludedText::ArchitectureComment:
        return std::string("comment") + extension;
    case IncludedText::DeclarationsBefore:
        return std::string("declarations_before") + extension;
    case IncludedText::DeclarationsAfter:
        return std::string("declarations_after") + extension;
    case IncludedText::Statements:
        return std::string("statements") + extension;
    case IncludedText::ProcessComment:
        return (process.empty() ? std::string("process") : process) + "_comment" + extension;
    case IncludedText::ProcessDeclarations:
        return (process.empty() ? std::string("process") : process) + "_declarations" + extension;
    }
    return "text.txt";
}

// The directory of the text's owner in the working copy, created when missing.
std::optional<std::string> owner_directory(Session& session, IncludedText text) {
    Design& design = *session.design();
    std::string relative =
        text == IncludedText::EntityComment || text == IncludedText::EntityDeclarations
            ? entity_directory(design, *design.current_entity)
            : architecture_directory(design, *design.current_entity, *design.current_architecture);
    std::string directory = join_path(session.project().path(), relative);
    if (!ensure_directory(session.platform(), directory)) return std::nullopt;
    return directory;
}

// The file's text as a record text: "\r" dropped, without the line end of its last line.
std::string record_text(std::string file) {
    std::string text;
    text.reserve(file.size());
    for (char c : file)
        if (c != '\r') text += c;
    if (!text.empty() && text.back() == '\n') text.pop_back();
    return text;
}

std::string file_text(const std::string& text) {
    return text.empty() ? text : text + "\n";
}
} // namespace

void IncludedTextFiles::remember(const Design& design, IncludedText text, std::string path) {
    for (const File& file : files_)
        if (file.path == path) return;
    files_.push_back({design.current_entity, design.current_architecture, design.current_process,
                      text, design.target_language == kLanguageVerilog, std::move(path)});
}

bool IncludedTextFiles::read_back(Design& design) {
    bool changed = false;
    std::erase_if(files_, [&](const File& file) {
        if (!still_in_design(design, file.entity, file.architecture, file.process)) return true;
        std::string* field =
            text_field(file.entity, file.architecture, file.process, file.text, file.verilog);
        std::string bytes;
        if (field == nullptr || !load_text_file(file.path, bytes)) return field == nullptr;
        std::string text = record_text(bytes);
        if (text != *field) {
            *field = text;
            changed = true;
        }
        return false;
    });
    return changed;
}

bool included_text_offered(const Design& design, IncludedText text) {
    const Architecture* architecture = design.current_architecture;
    if (design.current_entity == nullptr || architecture == nullptr) return false;
    if (is_process_text(text)) return current_machine(design) != nullptr;
    if (architecture->kind == kArchitectureHdlFile)
        return text == IncludedText::EntityComment || text == IncludedText::ArchitectureComment;
    return true;
}

bool edit_included_text(Session& session, IncludedText text) {
    Design* design = session.design();
    if (design == nullptr || !included_text_offered(*design, text)) return false;
    ui::Platform& platform = session.platform();
    std::optional<std::string> editor = session.editor_program();
    if (!editor) return false;
    if (editor->empty()) {
        platform.message_box(program_name(), format_text("No %s specified.", "editor"));
        return false;
    }
    std::optional<std::string> directory = owner_directory(session, text);
    if (!directory) return false;
    std::string path = join_path(*directory, file_name(*design, text));
    std::string* field = current_field(*design, text);
    if (field == nullptr) return false;
    if (int failure = save_text_file(path, file_text(*field))) {
        system_message(platform, failure, 1, path.c_str());
        return false;
    }
    session.included_text_files().remember(*design, text, path);
    session.mark_included_texts_accessed();
    if (!launch_editor(platform, *editor, path)) return false;
    session.read_back_included_texts();
    return true;
}

} // namespace zeph
