// Printing a buffer: its lines (or the selected ones) laid out in pages, drawn as a PDF file and
// handed to the printing service (CUPS, through `lp`). Without a service or a printer the PDF
// file is kept beside the printed file, or in the directory the settings name, and the status
// line says where.
#pragma once

#include "editor/print_pages.h"

#include <string>

namespace zped {

class EditorSession;
struct Dialog;
struct EditBuffer;
struct PrintSettings;

// How a job ended.
enum class PrintOutcome {
    Printed,  // the printing service took it
    SavedPdf, // no service or printer: the pages are in a PDF file
    Failed,   // nothing was printed or kept (the messages said why)
};

// The colour and typeface runs of a line as the buffer's language gives them; nothing (plain
// text) when the settings print without syntax.
LineStyler print_styler(const EditorSession& session, const EditBuffer& buffer);

// The pages of a buffer as the settings lay them out, for a page of `frame` cells.
PrintedDocument printed_pages(const EditorSession& session, const EditBuffer& buffer,
                              const PrintSettings& settings, bool selected_only, PageFrame frame);

// Prints the buffer; `pdf_path` receives the file of a SavedPdf outcome.
PrintOutcome print_buffer(EditorSession& session, const EditBuffer& buffer, bool selected_only,
                          std::string* pdf_path = nullptr);

// The "Print" dialog filled from the settings.
Dialog print_dialog(const PrintSettings& settings, const std::string& printer, bool has_selection);

// PrintText.
int print_text(EditorSession& session);

} // namespace zped
