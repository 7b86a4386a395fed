// Fixture of the state machine verification scenarios. A scenario is built in three steps
// with real files and the real zeph program: a shell script draws the entities, their ports
// with special functions and the block diagrams with their processes, and saves the project;
// the machines themselves are then drawn with the model's editing operations into the saved
// design file (the shell has no state diagram commands yet); finally zeph opens the project
// and verifies the design. The report window's lines are what the scenario compares.
#pragma once

#include "golden_files.h"
#include "shell/test_files.h"
#include "shell/zeph_process.h"

#include "design/block_diagram.h"
#include "design/design.h"
#include "design/design_file.h"
#include "design/entity.h"
#include "statemachine/diagram_geometry.h"
#include "statemachine/machine_context.h"
#include "statemachine/machine_labels.h"
#include "statemachine/machine_options.h"
#include "statemachine/state_edits.h"
#include "statemachine/transition_edits.h"
#include "ui/scripted_platform.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace zeph::machine_verify_testing {

// Draws one machine with the editing operations: states on a grid, transitions between
// them, global and reset transitions from free points, labels and their usages.
class MachineDrawing {
  public:
    MachineDrawing(const Design& design, StateMachine& drawn)
        : machine(drawn), context_{design, platform_, settings_} {}

    // A state of that name in the next place of a grid of six columns.
    State& state(const std::string& name) {
        int n = static_cast<int>(machine.states.size());
        Point at{768 + 768 * (n % 6), 768 + 768 * (n / 6)};
        State* added = nullptr;
        EXPECT_EQ(add_state(machine, context_, at, name, &added), Outcome::Done) << name;
        return *added;
    }
    State& rest() {
        EXPECT_EQ(add_rest_state(machine, context_, {5376, 768}), Outcome::Done);
        return *machine.rest;
    }
    // A curve from one state to the other (a loop when they are one).
    Transition& connect(State& from, State& to, Label* condition = nullptr) {
        Transition* added = nullptr;
        EXPECT_EQ(add_curved_transition(machine, context_, box_centre(from.box), box_centre(to.box),
                                        &added),
                  Outcome::Done);
        if (condition != nullptr) set_condition(*added, condition);
        return *added;
    }
    // A transition from a free point of the sheet: a global transition.
    Transition& global(State& to, Label* condition = nullptr) {
        Transition* added = nullptr;
        Point origin{128 + 96 * static_cast<int>(machine.transitions.size()), 128};
        EXPECT_EQ(add_transition(machine, context_, {origin, box_centre(to.box)}, &added),
                  Outcome::Done);
        if (condition != nullptr) set_condition(*added, condition);
        return *added;
    }
    // The reset transition to the state with a legal condition.
    Transition& reset(State& to, Label& condition) {
        Transition& t = global(to);
        EXPECT_EQ(edit_transition(machine, context_, t, {&condition, true, 0}).outcome,
                  Outcome::Done);
        return t;
    }
    // A transition that leaves the state and ends on the sheet.
    Transition& loose(State& from, Point end) {
        Transition* added = nullptr;
        EXPECT_EQ(add_transition(machine, context_, {box_centre(from.box), end}, &added),
                  Outcome::Done);
        return *added;
    }
    void set_condition(Transition& t, Label* condition) {
        EXPECT_EQ(edit_transition(machine, context_, t, {condition, false, t.priority}).outcome,
                  Outcome::Done);
    }
    void set_priority(Transition& t, int priority) {
        EXPECT_EQ(
            edit_transition(machine, context_, t, {t.condition.label, false, priority}).outcome,
            Outcome::Done);
    }
    Label& condition(const std::string& name, const std::string& vhdl,
                     const std::string& verilog = {}) {
        return add_label(machine.condition_labels, name, vhdl, verilog, 0);
    }
    Label& action(const std::string& name, const std::string& vhdl, unsigned flags = 0,
                  const std::string& verilog = {}) {
        return add_label(machine.action_labels, name, vhdl, verilog, flags);
    }
    void use(Label& label, State& state) {
        Point at = state_action_place(state.box, static_cast<int>(state.action_usages.size()));
        state.action_usages.push_back(new_usage(&label, at, styled_label(settings_.actions, at)));
        state.action_usages.back()->state = &state;
    }
    void use(Label& label, Transition& t) {
        Point at = transition_action_place(t.points, static_cast<int>(t.action_usages.size()));
        t.action_usages.push_back(new_usage(&label, at, styled_label(settings_.actions, at)));
        t.action_usages.back()->transition = &t;
    }
    void options(int style, int assignment) {
        MachineOptionsFields fields = machine_options_fields(machine);
        fields.style = style;
        fields.assignment = assignment;
        EXPECT_EQ(apply_machine_options(machine, context_, fields).outcome, Outcome::Done);
    }
    // Rebuilds the labels that the drawing shows.
    void finish() { refresh_machine_labels(machine, context_.verilog()); }

    StateMachine& machine;

  private:
    Label& add_label(std::vector<std::unique_ptr<Label>>& list, const std::string& name,
                     const std::string& vhdl, const std::string& verilog, unsigned flags) {
        list.push_back(std::make_unique<Label>());
        Label& label = *list.back();
        label.name = name;
        label.vhdl_text = vhdl;
        label.verilog_text = verilog.empty() ? vhdl : verilog;
        label.flags = flags;
        label.number = static_cast<int>(list.size());
        return label;
    }

    ui::ScriptedPlatform platform_;
    StateDiagramSettings settings_;
    MachineContext context_;
};

class MachineVerifyTest : public ::testing::Test {
  protected:
    MachineVerifyTest() {
        shell_test::write_file(dir / "config/zeph/zeph.ini", "[GUI]\nSaveSettingsOnExit=no\n");
    }

    shell_test::ZephResult zeph(std::vector<std::string> args, const std::string& commands) {
        shell_test::write_file(dir / "run.zeph", commands);
        args.insert(args.begin(), {"--batch", dir / "run.zeph"});
        shell_test::ZephRun run;
        run.args = std::move(args);
        run.cwd = dir.path();
        run.env = {{"XDG_CONFIG_HOME", dir / "config"}, {"HOME", dir.path()}};
        return shell_test::run_zeph(run);
    }

    // The project "fsm.vdp" drawn by the script, saved; then its design read for the machines.
    void draw_blocks(const std::string& script) {
        shell_test::ZephResult r = zeph({}, "save-as fsm.vdp\n" + script + "save\nexit\n");
        ASSERT_EQ(r.status, 0) << r.out << r.err;
        std::string text = shell_test::read_file(design_file());
        ASSERT_EQ(read_design_text(text, design), 0);
    }
    std::string design_file() const { return dir / "fsm.vdp/design/design.vdf"; }
    void save_design() { shell_test::write_file(design_file(), design_file_text(design)); }

    // The machine of the entity's first architecture, or of a process of its block diagram.
    MachineDrawing draw(const std::string& entity, const std::string& process = {}) {
        Entity* e = nullptr;
        for (auto& candidate : design.entities)
            if (candidate->name == entity) e = candidate.get();
        if (e == nullptr) throw std::runtime_error("no entity " + entity);
        Architecture& a = *e->architectures.front();
        if (process.empty()) return MachineDrawing(design, *a.state_machine);
        for (auto& p : a.block_diagram->processes)
            if (p->name == process) return MachineDrawing(design, *p->state_machine);
        throw std::runtime_error("no process " + process);
    }

    // The report window's lines of the commands, run on the opened project.
    std::string report_of(const std::string& commands) {
        shell_test::ZephResult r = zeph({"fsm"}, commands + "exit\n");
        EXPECT_EQ(r.status, 0) << r.out << r.err;
        std::istringstream in(r.out);
        std::string line, report;
        while (std::getline(in, line))
            if (line.rfind("report:", 0) == 0)
                report += (line.size() > 8 ? line.substr(8) : std::string()) + "\n";
        return report;
    }
    // The report of the design with the machines drawn so far.
    std::string verified() {
        save_design();
        return report_of("verify-design\n");
    }

    ::testing::AssertionResult matches_golden(const std::string& name, const std::string& text) {
        return testing_support::matches_golden_file("statemachine/" + name, text);
    }

    shell_test::ScratchDir dir;
    Design design;
};

// Shell lines for component u<slot> of a new state-diagram entity on the top level, with ports
// given as "MODE NAME [FUNCTION]" on its left side (outputs on its right); unless it is kept,
// the component is deleted again and only its entity stays.
inline std::string machine_entity(int slot, const std::string& name,
                                  const std::vector<std::string>& ports, bool keep = false) {
    int x = keep ? 1024 : 2560;
    std::ostringstream script;
    script << "add-component " << x << " 1024 u" << slot << " " << name << " state\n";
    int left = 1100;
    int right = 1100;
    for (const std::string& spec : ports) {
        std::istringstream words(spec);
        std::string mode, port, function;
        words >> mode >> port >> function;
        bool out = mode != "in";
        int px = out ? x + 512 : x;
        int& y = out ? right : left;
        script << "add-port " << mode << " " << (out ? px - 6 : px + 6) << " " << y << " " << port
               << "\n";
        if (!function.empty())
            script << "edit-port " << px << " " << y << " function=" << function << "\n";
        y += 128;
    }
    if (!keep) script << "select-object component u" << slot << "\nanswer yes\ndelete\n";
    return script.str();
}

} // namespace zeph::machine_verify_testing
