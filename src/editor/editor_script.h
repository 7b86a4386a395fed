// The script mode: named commands of the command table, typed keys and text, pastes, cursor
// placement and checks of the text, one per line, run on an editor session without a terminal.
// Every line but "answer" is echoed as "command: LINE"; a failure prints "error: ..." and makes
// the run end with status 1.
#pragma once

#include <istream>
#include <string>
#include <vector>

namespace zped {

class BatchEditorUi;
class EditorSession;

class EditorScript {
  public:
    EditorScript(EditorSession& session, BatchEditorUi& ui) : session_(session), ui_(ui) {}

    // Opens the files of the command line, the script's first "answer" lines answering their
    // questions (those left stay for the first command), then runs the rest of the script. Returns
    // the exit status: 0 when every line succeeded, 1 otherwise.
    int run(std::istream& script, const std::vector<std::string>& files);

    // Runs one line; false when it failed.
    bool run_line(const std::string& line);
    bool exit_requested() const;

  private:
    bool run_words(const std::vector<std::string>& words);
    bool run_table_command(int index, const std::vector<std::string>& words);
    bool type(const std::vector<std::string>& words);
    bool key(const std::vector<std::string>& words);
    bool paste(const std::vector<std::string>& words);
    bool place_cursor(const std::vector<std::string>& words, bool select);
    bool show(const std::vector<std::string>& words);
    bool state();
    bool size(const std::vector<std::string>& words);
    bool error(const std::string& text);
    // Ends a command: an abandoned question or answers it left over make it fail.
    bool finish(const std::string& name, bool ok);

    EditorSession& session_;
    BatchEditorUi& ui_;
};

} // namespace zped
