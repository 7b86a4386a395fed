// Random structured machines for the tests of implicit machines: the form that one sequential
// process can hold, drawn through callbacks so that any fixture can build the records.
#pragma once

#include "design/state_machine.h"

#include <functional>
#include <random>
#include <string>
#include <vector>

namespace zeph::machine_testing {

// Random machines. A structured one is drawn from a program: a sequence of statements, each a
// state, an IF group whose branches meet at a new state, a WHILE loop on a state, or a loop
// through states with one inner IF group, or two loops on a state (on itself and through
// another state); the sequence ends back at the root.
class RandomMachines {
  public:
    explicit RandomMachines(unsigned seed) : random_(seed) {}

    void structured(std::function<State&(const std::string&)> st,
                    std::function<Transition&(State&, State&, const std::string&)> go) {
        st_ = std::move(st);
        go_ = std::move(go);
        State& root = fresh();
        State& last = sequence(root, 0, 6);
        go_(last, root, {});
    }

    State& fresh() { return st_("s" + std::to_string(++count_)); }

  private:
    std::string condition() { return "c" + std::to_string(++conditions_) + " = '1'"; }
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    // Statements after `from` (whose exits are not drawn yet); returns the last state, whose
    // exit the caller draws.
    State& sequence(State& from, int level, int length) {
        State* at = &from;
        for (int i = 0; i < length; ++i)
            at = &statement(*at, level);
        return *at;
    }

    State& statement(State& from, int level) {
        switch (level > 3 ? 0 : pick(5)) {
        case 1: { // IF group: 2..4 branches meeting at a new state
            State& end_if = fresh();
            int branches = 2 + pick(3);
            std::vector<State*> heads;
            for (int b = 0; b < branches; ++b)
                heads.push_back(pick(3) == 0 ? nullptr : &fresh());
            for (int b = 0; b < branches; ++b) {
                State& target = heads[b] != nullptr ? *heads[b] : end_if;
                go_(from, target, b + 1 < branches ? condition() : std::string());
            }
            for (State* head : heads)
                if (head != nullptr) go_(sequence(*head, level + 1, pick(3)), end_if, {});
            return end_if;
        }
        case 2: { // WHILE loop on a new state
            State& s = fresh();
            go_(from, s, {});
            go_(s, s, condition());
            return s;
        }
        case 3: { // loop through states: from -> body (with an inner IF group) -> back
            State& h = fresh();
            go_(from, h, {});
            State& body = fresh();
            go_(h, body, condition());
            State& inner_end = statement_if_only(body);
            go_(inner_end, h, {});
            return h;
        }
        case 4: { // two loops on a new state, then on
            State& h = fresh();
            go_(from, h, {});
            go_(h, h, condition());
            State& through = fresh();
            go_(h, through, condition());
            go_(through, h, {});
            return h;
        }
        default: {
            State& s = fresh();
            go_(from, s, {});
            return s;
        }
        }
    }

    State& statement_if_only(State& from) {
        State& end_if = fresh();
        State& x = fresh();
        go_(from, x, condition());
        go_(from, end_if, {});
        go_(x, end_if, {});
        return end_if;
    }

    std::mt19937 random_;
    std::function<State&(const std::string&)> st_;
    std::function<Transition&(State&, State&, const std::string&)> go_;
    int count_ = 0;
    int conditions_ = 0;
};

} // namespace zeph::machine_testing
