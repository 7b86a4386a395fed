// The print job: pages, the PDF file, `lp`, and the PDF file kept when nothing can print it.
#include "editor/print_job.h"

#include "editor/line_colouring.h"

#include "editor/block_edits.h"
#include "editor/dialog.h"
#include "editor/dialog_fields.h"
#include "editor/editor_session.h"
#include "editor/editor_ui.h"
#include "editor/pdf_pages.h"
#include "foundation/clock.h"
#include "foundation/file_names.h"
#include "foundation/strings.h"
#include "ui/piped_child.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace zped {

using zeph::format_text;

namespace {

// lp hands the file to the scheduler and returns; a scheduler that does not answer must not
// hang the editor.
constexpr int kLpTimeoutMs = 30000;
constexpr int kLpstatTimeoutMs = 5000;
constexpr const char* kDefaultPrinter = "default printer";
constexpr const char* kPrintTitle = "Print";

struct PrinterName {
    std::string name;
    std::string port;
};

// The printer a job goes to and where it is reached, as CUPS reports them.
PrinterName printer_of(const PrintSettings& settings) {
    PrinterName printer{settings.destination, "CUPS"};
    if (!ui::program_on_path("lp")) return {"PDF file", "no printing service"};
    if (printer.name.empty() && ui::program_on_path("lpstat")) {
        ui::PipedResult r = ui::run_piped({"lpstat", "-d"}, "", true, kLpstatTimeoutMs);
        std::size_t colon = r.output.find(": ");
        if (r.exit_code == 0 && colon != std::string::npos)
            printer.name =
                std::string(zeph::trim_blanks(std::string_view(r.output).substr(colon + 2)));
    }
    if (printer.name.empty()) printer.name = kDefaultPrinter;
    if (ui::program_on_path("lpstat") && printer.name != kDefaultPrinter) {
        ui::PipedResult r =
            ui::run_piped({"lpstat", "-v", printer.name}, "", true, kLpstatTimeoutMs);
        std::size_t colon = r.output.find(": ");
        if (r.exit_code == 0 && colon != std::string::npos)
            printer.port =
                std::string(zeph::trim_blanks(std::string_view(r.output).substr(colon + 2)));
    }
    return printer;
}

std::string printer_text(const PrinterName& printer) {
    return format_text("%s on %s", printer.name.c_str(), printer.port.c_str());
}

PdfPageStyle page_style(const PrintSettings& settings) {
    return {settings.font_points(), settings.left_margin_chars(), settings.landscape,
            settings.syntax && settings.color};
}

// A PDF file of the pages in the temporary directory; empty when none could be made.
std::string temporary_pdf(const PrintedDocument& pages, const PdfPageStyle& style,
                          std::string& problem) {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/zped-print-XXXXXX.pdf";
    int fd = mkstemps(pattern.data(), 4);
    if (fd < 0) {
        problem = "no temporary file";
        return "";
    }
    close(fd);
    if (write_pdf(pages, style, pattern, problem)) return pattern;
    std::remove(pattern.c_str());
    return "";
}

// Where the pages are kept when they cannot be printed: the settings' directory, else the
// printed file's, with the file's name and ".pdf".
std::string kept_pdf_path(const EditorSession& session, const EditBuffer& buffer) {
    std::string directory;
    if (!session.print.pdf_directory.empty())
        session.settings.expand_path(session.print.pdf_directory, directory);
    std::string name = buffer.absolute_name.empty() ? buffer.file_name : buffer.absolute_name;
    if (directory.empty()) directory = std::filesystem::path(name).parent_path().string();
    if (directory.empty()) directory = std::filesystem::current_path().string();
    return directory + "/" + zeph::file_part(name) + ".pdf";
}

// Moves the temporary file to its place (copying across file systems); false when it cannot.
bool keep_pdf(const std::string& from, const std::string& to) {
    std::error_code error;
    std::filesystem::rename(from, to, error);
    if (!error) return true;
    // Another file system: copy beside the target first, so a failed copy leaves no half file.
    std::string part = to + ".part";
    if (!std::filesystem::copy_file(from, part, std::filesystem::copy_options::overwrite_existing,
                                    error)) {
        std::filesystem::remove(part, error);
        return false;
    }
    std::filesystem::rename(part, to, error);
    if (error) std::filesystem::remove(part, error);
    std::filesystem::remove(from, error);
    return !error;
}

PrintOutcome keep_instead(EditorSession& session, const EditBuffer& buffer,
                          const std::string& temporary, std::string* pdf_path) {
    std::string target = kept_pdf_path(session, buffer);
    if (!keep_pdf(temporary, target)) {
        std::remove(temporary.c_str());
        editor_ui().message_box(kPrintTitle, "Error in printing.");
        return PrintOutcome::Failed;
    }
    editor_ui().status(format_text("No printer reached: the pages are in '%s'.", target.c_str()),
                       false);
    if (pdf_path) *pdf_path = target;
    return PrintOutcome::SavedPdf;
}

std::vector<std::string_view> lines_to_print(const EditBuffer& buffer, bool selected_only,
                                             int& first_number) {
    LineRange range{0, buffer.line_count() - 1};
    if (selected_only)
        if (std::optional<LineRange> lines = selected_lines(buffer)) range = *lines;
    // The empty line after a final line end is not printed.
    if (range.last > range.first && buffer.line(range.last).empty()) --range.last;
    first_number = range.first + 1;
    std::vector<std::string_view> lines;
    for (int i = range.first; i <= range.last; ++i)
        lines.push_back(buffer.line(i));
    return lines;
}

void take_print_dialog(const Dialog& d, PrintSettings& s) {
    s.file_in_header = d.field("file")->checked;
    s.date_in_header = d.field("date")->checked;
    s.line_numbers = d.field("line-numbers")->checked;
    s.wrap_lines = d.field("wrap")->checked;
    s.syntax = d.field("syntax")->checked;
    s.color = d.field("color")->checked;
    s.landscape = d.field("landscape")->checked;
    s.left_margin = zeph::bounded(d.field("left-margin")->text, kMaxPrintNumber);
    s.font_size = zeph::bounded(d.field("font-size")->text, kMaxPrintNumber);
}

} // namespace

LineStyler print_styler(const EditorSession& session, const EditBuffer& buffer) {
    const Language& language = session.languages.entry(buffer.language);
    if (language.empty()) return {};
    // Printing finishes while the session, and so the language, still exists.
    return [&language](std::string_view line, std::vector<StyledRun>& runs) {
        std::vector<ColourRun> coloured;
        colour_line(language, line, coloured);
        runs.clear();
        for (const ColourRun& run : coloured) {
            const ItemStyle& style = language.style(run.item);
            runs.push_back({run.start, run.length, style.colour, style.typeface});
        }
    };
}

PrintedDocument printed_pages(const EditorSession& session, const EditBuffer& buffer,
                              const PrintSettings& settings, bool selected_only, PageFrame frame) {
    PageText text;
    if (settings.file_in_header) text.file_name = buffer.file_name;
    if (settings.date_in_header) text.date = zeph::date_today();
    text.line_numbers = settings.line_numbers;
    text.wrap_lines = settings.wrap_lines;
    text.tab_size = buffer.tab_size;
    int first_number = 1;
    std::vector<std::string_view> lines = lines_to_print(buffer, selected_only, first_number);
    LineStyler styler = settings.syntax ? print_styler(session, buffer) : LineStyler{};
    return lay_out_pages(lines, first_number, text, frame, styler);
}

PrintOutcome print_buffer(EditorSession& session, const EditBuffer& buffer, bool selected_only,
                          std::string* pdf_path) {
    const PrintSettings& settings = session.print;
    editor_ui().progress("Printing " + buffer.file_name);
    PdfPageStyle style = page_style(settings);
    PrintedDocument pages =
        printed_pages(session, buffer, settings, selected_only, pdf_page_frame(style));
    std::string problem;
    std::string temporary = temporary_pdf(pages, style, problem);
    std::string description =
        settings.destination.empty() ? std::string(kDefaultPrinter) : settings.destination;
    if (temporary.empty()) {
        editor_ui().message_box(
            kPrintTitle, format_text("Unable to access printer driver '%s'.", description.c_str()));
        editor_ui().message_box(kPrintTitle, "Error in printing.");
        return PrintOutcome::Failed;
    }
    if (!ui::program_on_path("lp")) return keep_instead(session, buffer, temporary, pdf_path);

    std::vector<std::string> lp{"lp", "-s", "-t", zeph::file_part(buffer.file_name)};
    if (!settings.destination.empty()) {
        lp.push_back("-d");
        lp.push_back(settings.destination);
    }
    lp.push_back("--");
    lp.push_back(temporary);
    ui::PipedResult r = ui::run_piped(lp, "", false, kLpTimeoutMs);
    if (r.started && !r.timed_out && r.exit_code == 0) {
        std::remove(temporary.c_str());
        editor_ui().status(
            format_text("Printed '%s' on %s.", buffer.file_name.c_str(), description.c_str()),
            false);
        return PrintOutcome::Printed;
    }
    // A named printer that does not take the job is an error; without one (no default
    // destination, no scheduler) the pages are kept as a file instead.
    if (!settings.destination.empty())
        editor_ui().message_box(kPrintTitle,
                                format_text("Unable to open printer '%s'.", description.c_str()));
    return keep_instead(session, buffer, temporary, pdf_path);
}

Dialog print_dialog(const PrintSettings& s, const std::string& printer, bool has_selection) {
    Dialog d;
    d.title = "Print";
    d.fields.push_back(note_field("printer", "Printer:"));
    d.fields.back().text = printer;
    d.fields.push_back(note_field("options", " Options: "));
    d.fields.push_back(check_field("file", "&Filename", s.file_in_header,
                                   "The file name at the left of every page's header."));
    d.fields.push_back(
        check_field("date", "&Date", s.date_in_header, "Today's date before the page number."));
    d.fields.push_back(check_field("line-numbers", "&Line numbers", s.line_numbers,
                                   "Every line's number in a shaded column."));
    d.fields.push_back(check_field("wrap", "&Wrap lines", s.wrap_lines,
                                   "Continue long lines on the next row instead of cutting them."));
    d.fields.push_back(check_field("syntax", "&SyntaxPrint", s.syntax,
                                   "Print in the typefaces (and colours) of the language."));
    d.fields.push_back(
        check_field("color", "&Use Color", s.color, "Print the language's colours."));
    d.fields.push_back(
        check_field("landscape", "&Landscape", s.landscape, "Print across the long side."));
    d.fields.push_back(
        check_field("selected", "&Selected Text", has_selection, "Print only the selected lines."));
    d.fields.push_back(number_field("left-margin", "&LeftMargin:", s.left_margin_chars(), 0, 99,
                                    "The left margin in characters."));
    d.fields.push_back(number_field("font-size", "F&ontsize:", static_cast<int>(s.font_points()), 4,
                                    72, "The size of the printed text in points."));
    d.buttons = {"&Print", "&Cancel", "&Setup"};
    return d;
}

int print_text(EditorSession& session) {
    EditBuffer* buffer = session.active();
    if (!buffer) return 1;
    PrintSettings& settings = session.print;
    Dialog d = print_dialog(settings, printer_text(printer_of(settings)), buffer->has_selection);
    for (;;) {
        std::optional<int> pressed = editor_ui().run_dialog(d);
        if (!pressed || *pressed == 1) return 1;
        take_print_dialog(d, settings);
        if (*pressed == 0) break;
        // Setup: the CUPS destination (empty: the default printer).
        std::optional<std::string> destination = editor_ui().prompt(
            "Printer setup", "Printer (empty: the default printer):", settings.destination);
        if (destination) {
            settings.destination =
                zeph::bounded(zeph::trim_blanks(*destination), kMaxPrintDestination);
            d.field("printer")->text = printer_text(printer_of(settings));
        }
    }
    return print_buffer(session, *buffer, d.field("selected")->checked) == PrintOutcome::Failed ? 1
                                                                                                : 0;
}

} // namespace zped
