// Writing the path tree of an implicit machine. A node at depth d stands at indentation
// 2d + 6:
//
//       s actions ;
//       WAIT UNTIL (clk'event AND (clk = '1')) OR (rst='1') ;  -- s
//       NEXT resetloop WHEN (rst='1') ;
//
//       WHILE (stay) LOOP                    a self-loop: the state's wait again inside
//       ...
//       END LOOP ;
//       IF (a) THEN                          an IF group; the code of its "end_if" state
//         ...                                follows the END IF at the same indentation
//       ELSE
//         ...
//       END IF ;
//
// Chains of plain steps and the code after a group stay at one depth and are followed in a
// loop; only deeper statements recurse, so the recursion is bounded by the tree's depth limit.
#include "hdl/implicit_statements.h"

#include "foundation/strings.h"
#include "statemachine/implicit_path_tree.h"

namespace zeph {

namespace {
constexpr unsigned kKindMask = 0xff; // the branch kind without the path-end mark

int indent_of(const PathNode& node) {
    return 2 * node.depth + 6;
}

bool is_loop(const PathBranch& branch) {
    return (branch.kind & (kBranchSelfLoop | kBranchLoop)) != 0;
}

class StatementWriter {
  public:
    StatementWriter(MachineGeneration& g) : g_(g), reset_(implicit_reset_text(g)) {}

    // The statements from `node` on, until its path ends or meets a state that an enclosing
    // group writes.
    void sequence(const PathNode* node) {
        while (node != nullptr) {
            write_wait(*node);
            if (node->leaf) return;
            node = write_branches(*node);
        }
    }

  private:
    // The state's actions, its WAIT statement and, with a reset, the restart on it.
    void write_wait(const PathNode& node) {
        int i = indent_of(node);
        const MachineGeneration& g = g_;
        write_actions(g_, node.state->action_usages, i);
        const char* clock = g.machine.clock_port.c_str();
        g_.out << g.pad(i)
               << format_text("%s %s (%s'event %s (%s = '%d'))", g.kw("WAIT"), g.kw("UNTIL"), clock,
                              g.kw("AND"), clock,
                              g.machine.clock_edge == kClockFallingEdge ? 0 : 1);
        if (g.reset != nullptr) g_.out << format_text(" %s (%s)", g.kw("OR"), reset_.c_str());
        g_.out << format_text(" ;  %s%s\n", g.prefix(), node.state->name.c_str());
        if (g.reset != nullptr)
            g_.out << g.pad(i)
                   << format_text("%s resetloop %s (%s) ;\n\n", g.kw("NEXT"), g.kw("WHEN"),
                                  reset_.c_str());
    }

    void write_condition(const Transition& t, int indent, const char* keyword,
                         const char* closing) {
        int column = indent + static_cast<int>(std::string_view(keyword).size()) + 1;
        g_.out << g_.pad(indent) << keyword << " " << condition_text(g_, t.condition.label, column)
               << " " << closing << "\n";
    }

    void write_end(int indent, const char* what) {
        g_.out << g_.pad(indent) << format_text("%s %s ;\n", g_.kw("END"), g_.kw(what));
    }

    // The loops and then the leaving branches of a node; returns the node that continues at
    // the same depth, if any.
    const PathNode* write_branches(const PathNode& node) {
        std::vector<const PathBranch*> loops;
        std::vector<const PathBranch*> leaving;
        for (const PathBranch& branch : node.branches)
            (is_loop(branch) ? loops : leaving).push_back(&branch);
        if (loops.size() == 1 && (loops.front()->kind & kBranchSelfLoop) != 0)
            write_self_loop(node, *loops.front());
        else if (!loops.empty())
            write_loops(node, loops);
        return write_leaving(node, leaving);
    }

    void write_self_loop(const PathNode& node, const PathBranch& branch) {
        int i = indent_of(node);
        write_condition(*branch.transition, i, g_.kw("WHILE"), g_.kw("LOOP"));
        write_actions(g_, branch.transition->action_usages, i + 2);
        sequence(branch.child);
        write_end(i, "LOOP");
    }

    // Several loops back to the node: one WHILE on all their conditions, and inside it an IF
    // chain that takes the first loop whose condition holds. Each loop ends with the node's
    // own wait, unless the loops meet inside, where the code after the chain leads back.
    void write_loops(const PathNode& node, const std::vector<const PathBranch*>& loops) {
        int i = indent_of(node);
        g_.out << g_.pad(i) << g_.kw("WHILE") << " ";
        for (std::size_t k = 0; k < loops.size(); ++k) {
            if (k > 0) g_.out << " " << g_.kw("OR") << "\n" << g_.pad(i + 6);
            g_.out << condition_text(g_, loops[k]->transition->condition.label, i + 6);
        }
        g_.out << " " << g_.kw("LOOP") << "\n\n";
        for (std::size_t k = 0; k < loops.size(); ++k) {
            const Transition& t = *loops[k]->transition;
            if (k == 0)
                write_condition(t, i, g_.kw("IF"), g_.kw("THEN"));
            else if (k + 1 < loops.size())
                write_condition(t, i, g_.kw("ELSIF"), g_.kw("THEN"));
            else
                g_.out << g_.pad(i) << g_.kw("ELSE") << "\n";
            write_actions(g_, t.action_usages, i + 2);
            sequence(loops[k]->child);
        }
        write_end(i, "IF");
        sequence(node.after_loop_group);
        write_end(i, "LOOP");
    }

    const PathNode* write_leaving(const PathNode& node,
                                  const std::vector<const PathBranch*>& leaving) {
        int i = indent_of(node);
        bool open_if = false;
        const PathNode* next = nullptr;
        for (const PathBranch* branch : leaving) {
            const Transition& t = *branch->transition;
            unsigned kind = branch->kind & kKindMask;
            bool same_depth = kind == kBranchPlain || kind == kBranchReturn;
            if (kind == kBranchIf || kind == kBranchGroupedIf) {
                write_condition(t, i, g_.kw("IF"), g_.kw("THEN"));
                open_if = true;
            } else if (kind == kBranchElsif) {
                write_condition(t, i, g_.kw("ELSIF"), g_.kw("THEN"));
            } else if (kind == kBranchElse) {
                g_.out << g_.pad(i) << g_.kw("ELSE") << "\n";
            }
            write_actions(g_, t.action_usages, i + 2);
            if (same_depth)
                next = branch->child;
            else
                sequence(branch->child);
        }
        if (open_if) write_end(i, "IF");
        return node.after_group != nullptr ? node.after_group : next;
    }

    MachineGeneration& g_;
    std::string reset_;
};
} // namespace

std::string implicit_reset_text(const MachineGeneration& g) {
    if (g.reset == nullptr) return {};
    const std::string& text = g.text_of(*g.reset->condition.label);
    std::string line = text.substr(0, text.find('\n'));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

void write_implicit_statements(MachineGeneration& g, const PathTree& tree) {
    StatementWriter(g).sequence(tree.root);
}

} // namespace zeph
