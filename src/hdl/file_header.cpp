// The file header of generated VHDL and Verilog.
#include "hdl/file_header.h"

#include "design/architecture.h"
#include "design/design.h"
#include "foundation/clock.h"
#include "foundation/strings.h"
#include "hdl/hdl_context.h"
#include "hdl/netlist_text.h"

#include <filesystem>
#include <fstream>

namespace zeph {

namespace {
// Copies the header file unchanged apart from Windows line ends, which a text-mode read
// would have turned into newlines. False when the file does not open.
bool copy_header_file(std::ostream& out, const std::string& path, int language) {
    if (path.empty()) return false;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    write_separator(out, language);
    std::string line;
    while (std::getline(in, line)) {
        bool had_newline = !in.eof();
        if (!line.empty() && line.back() == '\r' && had_newline) line.pop_back();
        out << line;
        if (had_newline) out << '\n';
    }
    write_separator(out, language, true);
    return true;
}

void write_standard_header(std::ostream& out, const HdlContext& context, bool personal) {
    const int language = context.language;
    const char* p = comment_prefix(language);
    const char* b = bare_comment_prefix(language);
    const Design& design = context.design;
    write_separator(out, language);
    out << format_text("%sthe 'Graphical Systems Design Tool' tool.\n%s\n", p, b);
    out << format_text("%s%s (Revision %d).\n", p, kProgramVersionText, kProgramRevision);
    if (personal) {
        out << format_text("%sTime stamp  : %s.\n%s\n", p, date_time_now().c_str(), b);
        out << format_text("%sDesigned by : %s.\n", p, design.designer.c_str());
        out << format_text("%sCompany     : %s.\n", p, design.company.c_str());
        out << format_text("%sDesign info : %s.\n", p, design.design_information.c_str());
    }
    if (design.root != nullptr && !design.root->architectures.empty())
        write_free_texts(out, design.root->architectures.front()->sheet, language);
    write_separator(out, language);
}
} // namespace

void write_file_header(std::ostream& out, const HdlContext& context) {
    const Design& design = context.design;
    const std::string& header =
        context.verilog() ? design.verilog_header_file : design.vhdl_header_file;
    bool copied = copy_header_file(out, header, context.language);
    write_standard_header(out, context, !copied);
}

} // namespace zeph
