// The datapath design of the generation tests.
#include "datapath_design.h"

#include "design/status_flags.h"
#include "hdl/hdl_file_place.h"
#include "hdl/meta_comment.h"
#include "hdl/skeleton.h"
#include "ui/scripted_platform.h"

#include <sstream>

namespace hdl_text_test {

namespace {
void mark_verified(Design& design) {
    for (auto& entity : design.entities) {
        entity->status = kStatusPhase1 | kStatusPhase2 | kStatusPhase3 | kStatusVerifiedDown;
        for (auto& architecture : entity->architectures)
            architecture->status = entity->status;
    }
}

void build_buf4(Datapath& d, Design& design) {
    d.buf4 = &add_entity_named(design, "buf4");
    add_generic(*d.buf4, "delay", 7, "1", 3, "not used by the wiring");
    add_port(*d.buf4, "a", kModeIn, make_range("3", "0"));
    add_port(*d.buf4, "y", kModeOut, make_range("3", "0"));
    add_port(*d.buf4, "c", kModeOut).comment = "left open";
    d.wiring = &add_arch(*d.buf4, kArchitectureBlockDiagram, "wiring");
    Net& through = with_class(add_net(*d.wiring, "", make_range("3", "0")), 15);
    attach_port(through, *d.wiring, "a");
    attach_port(through, *d.wiring, "y");
}

void build_inv4(Datapath& d, Design& design) {
    d.inv4 = &add_entity_named(design, "inv4");
    add_port(*d.inv4, "a", kModeIn, make_range("3", "0"));
    add_port(*d.inv4, "y", kModeOut, make_range("3", "0"));
    d.rtl = &add_hdl_arch(*d.inv4, "rtl");
}

void build_structure(Datapath& d, Design& design) {
    d.datapath = &add_entity_named(design, "datapath");
    Entity& e = *d.datapath;
    e.comment = "The datapath of the generation tests.";
    add_port(e, "x", kModeIn, make_range("7", "0"));
    add_port(e, "y", kModeOut, make_range("7", "0"));
    add_port(e, "z", kModeOut);
    add_port(e, "p", kModeOut).comment = "NOT x(1)";
    add_port(e, "w", kModeOut, make_range("3", "0"));
    add_port(e, "io", kModeInout, make_range("1", "0"));
    add_port(e, "q", kModeOut);
    Architecture& a = add_arch(e, kArchitectureBlockDiagram, "structure");
    d.structure = &a;
    a.comment = "Buses, entries and local signals.";
    a.vhdl_declarations_after = "CONSTANT zero : Bit := '0' ;";
    a.vhdl_statements = "ASSERT zero = '0' REPORT \"zero is one\" ;";
    a.verilog_declarations_after = "wires end here";
    a.verilog_statements = "statements follow";
    LabelDisplay text;
    text.text = "x passes to y through two buffers.";
    a.sheet.texts.push_back(text);

    Component& u1 = add_instance(a, "u1", *d.buf4, d.wiring);
    set_generic_value(u1, "delay", "2", 3);
    Component& u2 = add_instance(a, "u2", *d.buf4, d.wiring);
    Component& u3 = add_instance(a, "u3", *d.inv4, d.rtl);
    d.ctrl = &add_hdl_process(a, "ctrl");
    Port& low_in = add_process_port(*d.ctrl, "low", kModeIn, 1);
    Port& pz_out = add_process_port(*d.ctrl, "pz", kModeOut, 0);

    Net& x = with_class(add_net(a, "", make_range("7", "0")), 3);
    attach_port(x, a, "x");
    BusEntry& e1 = add_entry(x, "3", "0", 32);
    BusEntry& e2 = add_entry(x, "7", "4", 32);
    BusEntry& e3 = add_entry(x, "0", "", 32);
    BusEntry& e4 = add_entry(x, "1", "", 32);
    Net& to_u1 = with_class(add_net(a, "", make_range("3", "0")), 3);
    link_entry(to_u1, e1, x);
    attach_component(to_u1, u1, "a");
    Net& mid = with_class(add_net(a, "mid", make_range("3", "0")), 7);
    attach_component(mid, u1, "y");
    attach_component(mid, u2, "a");
    attach_component(mid, u3, "a");
    Net& y = with_class(add_net(a, "", make_range("7", "0")), 3);
    attach_port(y, a, "y");
    BusEntry& f1 = add_entry(y, "3", "0", 64);
    BusEntry& f2 = add_entry(y, "7", "4", 64);
    Net& from_u2 = with_class(add_net(a, "", make_range("3", "0")), 3);
    attach_component(from_u2, u2, "y");
    link_entry(from_u2, f1, y);
    Net& high = with_class(add_net(a, "", make_range("7", "4")), 11);
    link_entry(high, e2, x);
    link_entry(high, f2, y);
    Net& to_z = with_class(add_net(a, ""), 27);
    link_entry(to_z, e3, x);
    attach_port(to_z, a, "z");
    Net& low = with_class(add_net(a, "low"), 15);
    link_entry(low, e4, x);
    attach_process(low, *d.ctrl, low_in);
    Net& pz = with_class(add_net(a, "pz"), 15);
    pz.register_flag = true;
    attach_process(pz, *d.ctrl, pz_out);
    attach_port(pz, a, "p");
    Net& link = with_class(add_net(a, "link", make_range("1", "0")), 15);
    attach_port(link, a, "io");
    BusEntry& l0 = add_entry(link, "0", "", 32);
    Net& to_q = with_class(add_net(a, ""), 27);
    link_entry(to_q, l0, link);
    attach_port(to_q, a, "q");

    ui::ScriptedPlatform quiet; // the signal names are checked, nothing is shown
    HdlContext scratch(design, quiet);
    Net& inverted = with_class(
        add_named_signal(a, d.named_signals, scratch, "inv_out", make_range("3", "0")), 15);
    attach_component(inverted, u3, "y");
    attach_port(inverted, a, "w");
    d.signals = scratch.connect_by_name_signals;
}
} // namespace

void build_datapath(Design& design, Datapath& d) {
    d.toplevel = &add_entity_named(design, "Toplevel");
    design.root = d.toplevel;
    Architecture& top = add_arch(*d.toplevel, kArchitectureBlockDiagram, "top");
    build_buf4(d, design);
    build_inv4(d, design);
    build_structure(d, design);
    add_instance(top, "dp", *d.datapath, d.structure);
    mark_verified(design);
}

::testing::AssertionResult write_datapath_files(const HdlContext& context, Datapath& d) {
    bool verilog = context.verilog();
    struct File {
        Architecture* architecture;
        Process* process;
        Entity* entity;
        std::string start, user, end;
    };
    std::vector<File> files;
    if (verilog) {
        files.push_back({d.rtl, nullptr, d.inv4, "", "  assign y = ~a ;\n", ""});
        files.push_back({d.structure, d.ctrl, d.datapath,
                         "  always @(low)\n  begin : ctrl // ZEPH/Verilog sens.list\n",
                         "    pz = ~low ;\n", "  end // ctrl\n"});
    } else {
        files.push_back({d.rtl, nullptr, d.inv4, "architecture rtl of inv4 is\n",
                         "BEGIN\n  y <= NOT a ;\n", "end rtl;\n"});
        files.push_back({d.structure, d.ctrl, d.datapath,
                         "ctrl: process (low) -- ZEPH/VHDL sens.list\n",
                         "  BEGIN\n    pz <= NOT low ;\n", "end process ctrl;\n"});
    }
    for (File& f : files) {
        HdlFile& record = f.process ? *f.process->hdl_file : *f.architecture->hdl_file;
        std::filesystem::path path =
            hdl_file_path(context.place, *f.entity, *f.architecture, record, context.language);
        std::ostringstream meta;
        write_meta_comment(meta, context, *f.entity, *f.architecture, f.process);
        write_file(path, meta.str() + "\n" + f.start + f.user + f.end);
        record.skeleton_current = 0;
        if (!ensure_skeleton(context, path, *f.entity, nullptr, *f.architecture, f.process))
            return ::testing::AssertionFailure() << "refresh failed:\n" << read_file(path);
    }
    return ::testing::AssertionSuccess();
}

} // namespace hdl_text_test
