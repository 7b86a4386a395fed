// Writing the Leonardo script, running elsyn and putting the directory back as it was.
#include "editor/leonardo.h"

#include "editor/compile_source.h"
#include "editor/edit_buffer.h"
#include "editor/editor_session.h"
#include "editor/editor_ui.h"
#include "editor/file_text.h"
#include "editor/program_run.h"
#include "editor/settings.h"
#include "foundation/strings.h"

#include <cstdio>
#include <fstream>

namespace zped {

using zeph::format_text;

namespace {

bool write_whole_file(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out << bytes;
    out.close();
    return static_cast<bool>(out);
}

} // namespace

void LeonardoSettings::load(const Settings& s) {
    path = zeph::bounded(s.read_string(kLeonardoSection, "Path", ""), kToolFieldLength);
    timeout = zeph::bounded(s.read_string(kLeonardoSection, "Timeout", ""), kToolFieldLength);
    library = zeph::bounded(s.read_string(kLeonardoSection, "Library", "work"), kToolFieldLength);
}

void LeonardoSettings::save(Settings& s) const {
    s.write_string(kLeonardoSection, "Path", path);
    s.write_string(kLeonardoSection, "Timeout", timeout);
    s.write_string(kLeonardoSection, "Library", library);
}

std::string leonardo_script_line(const std::string& file) {
    return format_text("analyze -work work %s\n", file.c_str());
}

ProgramCommand leonardo_command(const LeonardoSettings& s) {
    std::string program = "elsyn";
    if (!s.path.empty()) program = s.path + (s.path.back() == '/' ? "" : "/") + program;
    ProgramCommand command;
    command.text = format_text("%s -file %s", quote_command_word(program).c_str(), kLeonardoScript);
    command.argv = {program, "-file", kLeonardoScript};
    return command;
}

int run_leonardo(EditorSession& session) {
    EditBuffer* source = source_for_compiling(session);
    if (!source) return 1;
    std::string file = source_file_part(*source);
    std::string directory = source_directory(*source);
    std::string script = directory + "/" + kLeonardoScript;

    // A script file of the user's own in that directory is put back afterwards.
    FileContents before = read_file(script);
    if (!before.opened() && before.problem != ReadProblem::Missing) {
        editor_ui().message_box(kErrorTitle, format_text("Cannot open %s file '%s'.",
                                                         "Leonardo script", script.c_str()));
        return 1;
    }
    if (!write_whole_file(script, leonardo_script_line(file))) {
        editor_ui().message_box(kErrorTitle, format_text("Cannot open %s file '%s'.",
                                                         "Leonardo script", script.c_str()));
        return 1;
    }
    std::string path;
    LeonardoSettings settings = session.leonardo;
    if (session.settings.expand_path(settings.path, path)) settings.path = path;

    ProgramRun run;
    run.command = leonardo_command(settings);
    run.command.working_directory = directory;
    run.title = "Leonardo synthesis";
    run.parser = ErrorParser::Leonardo;
    run.compiled_file = file;
    int result = run_program(session, run);

    if (before.opened()) {
        if (!write_whole_file(script, before.data))
            editor_ui().message_box(kErrorTitle, format_text("Cannot open %s file '%s'.",
                                                             "Leonardo script", script.c_str()));
    } else
        std::remove(script.c_str());
    return result;
}

} // namespace zped
