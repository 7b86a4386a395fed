// Printing the current diagram (block diagram, state diagram or state-diagram process) through
// Qt's print support: the whole sheet fitted onto one page, drawn by the same renderer as the
// screen and the pictures.
#pragma once

#include "dialog_outcome.h"

class QPrinter;
class QWidget;

namespace zeph {

class Session;

// Draws the current diagram onto the printer as it is set up (a PDF file or a printer).
// False when there is no diagram to print or the printer cannot be painted on.
bool print_diagram(QPrinter& printer, Session& session);

// File > Print: the print dialog, then the page. NoDialog when there is no diagram.
DialogOutcome print_current_diagram(QWidget* parent, Session& session);

} // namespace zeph
