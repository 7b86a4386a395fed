// Report state: headings, counts, status bits, suppression and the summary line.
#include "design/report.h"

#include "design/architecture.h"
#include "design/entity.h"
#include "design/process.h"
#include "design/status_flags.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/message_table.h"
#include "foundation/strings.h"

namespace zeph {

namespace {

std::string capital_word(int language, int kind) {
    return kind_name(language, kind, kKindCapital, 1);
}
} // namespace

std::string report_heading(const Entity* entity, const Architecture* architecture,
                           const Process* process, int language) {
    auto word = [language](int kind) { return capital_word(language, kind); };
    if (entity == nullptr) return {};
    if (architecture == nullptr)
        return format_text(fragment_text(fragment::kHeadingEntity), word(kKindEntity).c_str(),
                           entity->name.c_str());
    std::string part;
    if (entity->name == "Toplevel")
        part = format_text(fragment_text(fragment::kHeadingToplevel), "Toplevel",
                           architecture_kind_word(kArchitectureBlockDiagram));
    else
        part = format_text(fragment_text(fragment::kHeadingArchitecture),
                           word(kKindArchitecture).c_str(), architecture->name.c_str(),
                           word(kKindEntity).c_str(), entity->name.c_str());
    if (process != nullptr)
        return format_text(fragment_text(fragment::kHeadingProcess), word(kKindProcess).c_str(),
                           process->name.c_str(), part.c_str());
    return part + ":";
}

void Report::start(ReportScope scope, int language) {
    reset_counts();
    scope_ = scope;
    language_ = language;
    current_ = {};
    printed_ = {};
    heading_written_ = false;
}

void Report::reset_counts() {
    errors_ = 0;
    warnings_ = 0;
    notes_ = 0;
}

void Report::set_context(Entity* entity, Architecture* architecture, Process* process) {
    current_ = {entity, architecture, process};
}

void Report::write_heading() {
    if (heading_written_ && current_ == printed_) return;
    printed_ = current_;
    heading_written_ = true;
    std::string heading =
        report_heading(current_.entity, current_.architecture, current_.process, language_);
    if (heading.empty()) return;
    platform_.report_append("");
    platform_.report_append(heading);
}

void Report::report(const Finding& f) {
    Severity severity = severity_of(f.number);
    unsigned bit = kStatusError;
    int prefix = fragment::kPrefixError;
    bool suppressed = false;
    switch (severity) {
    case Severity::Error:
        ++errors_;
        break;
    case Severity::Warning:
        ++warnings_;
        bit = kStatusWarning;
        prefix = fragment::kPrefixWarning;
        suppressed = disable_warnings;
        break;
    case Severity::Note:
        ++notes_;
        bit = kStatusNote;
        prefix = fragment::kPrefixNote;
        suppressed = disable_notes;
        break;
    }
    if (f.entity != nullptr) f.entity->status |= bit;
    if (f.architecture != nullptr) f.architecture->status |= bit;
    if (f.process != nullptr) f.process->status |= bit;
    // A suppressed message writes nothing, not even the heading it would have come under.
    if (suppressed) return;
    write_heading();
    platform_.report_append(format_text(fragment_text(prefix), f.number) +
                            report_message_text(f, language_));
}

void Report::report(int number, int i1, int i2, int i3, const char* s1, const char* s2,
                    const char* s3, Entity* entity, Architecture* architecture, Process* process) {
    report(Finding{number, i1, i2, i3, s1, s2, s3, entity, architecture, process, kAutoForm});
}

void Report::summary() {
    std::string scope_word = kind_name(language_,
                                       scope_ == ReportScope::Design         ? kKindDesign
                                       : scope_ == ReportScope::Architecture ? kKindArchitecture
                                                                             : kKindProcess,
                                       0, 1);
    platform_.report_append("");
    platform_.report_append(format_text(fragment_text(fragment::kSummary), errors_,
                                        plural_s(errors_), warnings_, plural_s(warnings_), notes_,
                                        plural_s(notes_), scope_word.c_str()));
    printed_ = {};
    heading_written_ = false;
}

} // namespace zeph
