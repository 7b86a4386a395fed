// The included texts of the current diagram (Diagram menu, "I&ncluded Texts"): comments,
// declarations and statements of the entity, the architecture and a state-diagram process
// that generation writes around its own text. Each is opened in the external editor as a file
// of the working copy and stored back as the record's text.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zeph {

class Session;
struct Architecture;
struct Design;
struct Entity;
struct Process;

enum class IncludedText {
    EntityComment,
    EntityDeclarations,
    ArchitectureComment,
    DeclarationsBefore, // of the design's language
    DeclarationsAfter,
    Statements,
    ProcessComment, // of a state diagram (architecture or process)
    ProcessDeclarations,
};

// The include files opened in the editor, to be read back: the editor may hand a file to an
// instance that runs already and return at once, so the text is taken again before every save.
class IncludedTextFiles {
  public:
    void remember(const Design& design, IncludedText text, std::string path);
    // Takes every remembered file back into its text; true when a text changed. Files whose
    // owner left the design are forgotten.
    bool read_back(Design& design);
    void forget() { files_.clear(); }

  private:
    struct File {
        Entity* entity = nullptr;
        Architecture* architecture = nullptr;
        Process* process = nullptr;
        IncludedText text = IncludedText::EntityComment;
        bool verilog = false; // the language whose field the file holds
        std::string path;
    };
    std::vector<File> files_;
};

// Whether the current diagram has the text: the entity's and the architecture's texts for
// every diagram but an HDL file (which has only the comments), the process texts for state
// diagrams.
bool included_text_offered(const Design& design, IncludedText text);

// Writes the text into its include file, runs the editor on it, and takes the file back as
// the text: a change marks the design modified; in any case the include files count as
// accessed (they are read again before every save, since an editor that hands the file to a
// running instance returns at once). False when the text is not offered, no editor is set
// ("No editor specified.") or the file could not be written or started.
bool edit_included_text(Session& session, IncludedText text);

} // namespace zeph
