// The verification report: numbered errors, warnings and notes written as lines of the report
// window under a heading naming the object being verified, counted, and summed up at the end.
#pragma once

#include "foundation/kind_vocabulary.h"
#include "ui/platform.h"

#include <string>

namespace zeph {

struct Entity;
struct Architecture;
struct Process;

// What a checking run covers; the word of the summary line.
enum class ReportScope { Design, Architecture, Process };

// Forms of the messages whose variant the checking code chooses (25, 28, 29, 33); kAutoForm
// lets the report pick it from the arguments.
inline constexpr int kAutoForm = -1;
namespace form28 {
inline constexpr int kConflict = 10, kInvalidCode = 11, kCodeLength = 12, kNoCode = 13,
                     kTooManyStates = 14, kTooFewBits = 15, kNoAssignment = 16;
}
namespace form33 {
inline constexpr int kEntangled = 10, kRecursionDepth = 11, kLoopPrecedence = 12,
                     kIllegalBranch = 13;
}

// One finding: the number, its fill-ins, and the objects that receive its severity bit.
struct Finding {
    int number = 0;
    int i1 = 0, i2 = 0, i3 = 0;
    const char* s1 = nullptr;
    const char* s2 = nullptr;
    const char* s3 = nullptr;
    Entity* entity = nullptr;
    Architecture* architecture = nullptr;
    Process* process = nullptr;
    int form = kAutoForm;
};

// The text of a finding without prefix (what follows "Error   %3d: "), with the kind words of
// the language.
std::string report_message_text(const Finding& f, int language);

// The report writes to the report window of its platform.
class Report {
  public:
    explicit Report(ui::Platform& platform) : platform_(platform) {}
    Report(const Report&) = delete;
    Report& operator=(const Report&) = delete;

    ui::Platform& platform() const { return platform_; }

    // Starts a checking run: counts 0, the scope, the language of the kind words, no heading
    // printed yet.
    void start(ReportScope scope, int language = kLanguageVhdl);
    int language() const { return language_; }
    void set_scope(ReportScope scope) { scope_ = scope; }
    // The object under verification; the next message under a different one writes a heading.
    void set_context(Entity* entity, Architecture* architecture, Process* process);

    void report(const Finding& f);
    void report(int number, int i1, int i2, int i3, const char* s1, const char* s2, const char* s3,
                Entity* entity, Architecture* architecture, Process* process);
    // Empty line and "%d error%s, %d warning%s, and %d note%s in this %s."
    void summary();

    void reset_counts();
    int errors() const { return errors_; }
    int warnings() const { return warnings_; }
    int notes() const { return notes_; }

    // Settings "DisableWarnings" and "DisableNotes": still counted and marked, not written.
    bool disable_warnings = false;
    bool disable_notes = false;

  private:
    struct Context {
        Entity* entity = nullptr;
        Architecture* architecture = nullptr;
        Process* process = nullptr;
        bool operator==(const Context&) const = default;
    };
    void write_heading();

    ui::Platform& platform_;
    int language_ = kLanguageVhdl;
    int errors_ = 0;
    int warnings_ = 0;
    int notes_ = 0;
    Context current_;
    Context printed_;
    bool heading_written_ = false;
    ReportScope scope_ = ReportScope::Design;
};

// The heading line for a context ("Architecture 'a' of Entity 'e':", ...); empty without entity.
std::string report_heading(const Entity* entity, const Architecture* architecture,
                           const Process* process, int language = kLanguageVhdl);

} // namespace zeph
