// The sample machines and their variants.
#include "sample_machines.h"

#include "foundation/strings.h"

#include <gtest/gtest.h>

namespace machine_hdl_test {

namespace {
std::string bits_of(int value, int width) {
    std::string bits;
    for (int bit = width - 1; bit >= 0; --bit)
        bits += ((value >> bit) & 1) != 0 ? '1' : '0';
    return bits;
}

// The ports every sample has, and its inputs.
Entity& sample_entity(Design& design, SampleMachine& sample) {
    Entity& entity = add_machine_entity(design, sample.name);
    sample.entity = &entity;
    add_machine_port(entity, "clk", kModeIn, kFunctionClock);
    add_machine_port(entity, "rst", kModeIn, kFunctionReset);
    for (const std::string& input : sample.inputs)
        add_machine_port(entity, input, kModeIn);
    add_machine_port(entity, "o", kModeOut, kFunctionNone, sample.width, true);
    add_machine_port(entity, "p", kModeOut, kFunctionNone, 0, true);
    if (sample.reset_output) add_machine_port(entity, "r", kModeOut, kFunctionNone, 0, true);
    return entity;
}

// State action: o takes the code of the state.
void moore(MachineBuilder& b, State& state, int value, int width) {
    std::string bits = bits_of(value, width);
    Label& label = b.action("o_" + state.name, "o <= \"" + bits + "\" ;",
                            format_text("o = %d'b%s ;", width, bits.c_str()));
    b.use(label, state);
}

// The pulse: 0 on every transition, 1 on the ones given.
Label& pulse(MachineBuilder& b) {
    b.action("p_low", "p <= '0' ;", "p = 1'b0 ;", kDefaultOnTransitions);
    return b.action("p_high", "p <= '1' ;", "p = 1'b1 ;");
}

Label& high(MachineBuilder& b, const std::string& name, const std::string& input) {
    return b.condition(name, input + " = '1'", input + " == 1'b1");
}

Label& reset_high(MachineBuilder& b) {
    return b.condition("reset", "rst='1'", "rst==1");
}
} // namespace

SampleMachine build_traffic_light(Design& design) {
    SampleMachine sample{nullptr, "traffic", {"car"}, 3};
    Entity& entity = sample_entity(design, sample);
    MachineBuilder b(design, machine_of(entity));
    State& red = b.state("red");
    State& green = b.state("green");
    State& yellow = b.state("yellow");
    Label& car = high(b, "", "car");
    Label& p = pulse(b);
    b.use(p, b.connect(red, green, &car));
    b.connect(red, red);
    b.connect(green, yellow);
    b.connect(yellow, red);
    b.reset(red, reset_high(b));
    moore(b, red, 4, 3);
    moore(b, green, 1, 3);
    moore(b, yellow, 2, 3);
    return sample;
}

SampleMachine build_sequence_detector(Design& design) {
    SampleMachine sample{nullptr, "detector", {"x", "clear"}, 2};
    Entity& entity = sample_entity(design, sample);
    MachineBuilder b(design, machine_of(entity));
    State& idle = b.state("idle");
    State& got1 = b.state("got1");
    State& got10 = b.state("got10");
    State& found = b.state("found");
    Label& one = high(b, "one", "x");
    Label& clear = high(b, "clear", "clear");
    Label& p = pulse(b);
    b.global(idle, &clear);
    b.connect(idle, got1, &one);
    b.connect(idle, idle);
    b.connect(got1, got1, &one);
    b.connect(got1, got10);
    b.use(p, b.connect(got10, found, &one));
    b.connect(got10, idle);
    b.connect(found, got1, &one);
    b.connect(found, got10);
    b.reset(idle, reset_high(b));
    moore(b, idle, 0, 2);
    moore(b, got1, 1, 2);
    moore(b, got10, 2, 2);
    moore(b, found, 3, 2);
    return sample;
}

SampleMachine build_rest_machine(Design& design) {
    SampleMachine sample{nullptr, "rested", {"go"}, 2};
    sample.rest = true;
    Entity& entity = sample_entity(design, sample);
    MachineBuilder b(design, machine_of(entity));
    State& a = b.state("a");
    State& bb = b.state("b");
    State& c = b.state("c");
    State& rest = b.rest();
    Label& go = high(b, "", "go");
    Label& p = pulse(b);
    b.connect(a, bb, &go);
    b.connect(a, a);
    b.use(p, b.connect(bb, c));
    b.connect(c, a);
    b.connect(rest, a);
    b.reset(a, reset_high(b));
    moore(b, a, 1, 2);
    moore(b, bb, 2, 2);
    moore(b, c, 3, 2);
    moore(b, rest, 0, 2);
    return sample;
}

SampleMachine build_reset_actions_machine(Design& design) {
    SampleMachine sample{nullptr, "runner", {"start", "stop"}, 2};
    sample.reset_output = true;
    sample.active_low = true;
    Entity& entity = sample_entity(design, sample);
    MachineBuilder b(design, machine_of(entity));
    State& idle = b.state("idle");
    State& run = b.state("run");
    State& done = b.state("done");
    Label& start = high(b, "start", "start");
    Label& stop = high(b, "", "stop");
    Label& p = pulse(b);
    b.connect(idle, run, &start);
    b.connect(idle, idle);
    b.use(p, b.connect(run, done, &stop));
    b.connect(run, run);
    b.connect(done, idle);
    Transition& reset = b.reset(idle, b.condition("reset_low", "rst='0'", "rst==0"));
    b.use(b.action("mark", "r <= '1' ;", "r = 1'b1 ;"), reset);
    moore(b, idle, 0, 2);
    moore(b, run, 1, 2);
    moore(b, done, 2, 2);
    return sample;
}

SampleMachine build_ring(Design& design, int count) {
    SampleMachine sample{nullptr, "ring", {"step"}, 5};
    Entity& entity = sample_entity(design, sample);
    MachineBuilder b(design, machine_of(entity));
    std::vector<State*> states;
    for (int i = 0; i < count; ++i)
        states.push_back(&b.state("r" + std::to_string(i)));
    Label& step = high(b, "", "step");
    Label& p = pulse(b);
    for (int i = 0; i < count; ++i) {
        Transition& forward = b.connect(*states[i], *states[(i + 1) % count], &step);
        if (i + 1 == count) b.use(p, forward);
        b.connect(*states[i], *states[i]);
        moore(b, *states[i], i, 5);
    }
    b.reset(*states.front(), reset_high(b));
    return sample;
}

namespace {
// The pulse without a default: 1 on the transitions given, 0 by its own action elsewhere.
struct OwnPulse {
    Label& high;
    Label& low;
};
OwnPulse own_pulse(MachineBuilder& b) {
    return {b.action("p_high", "p <= '1' ;", "p = 1'b1 ;"),
            b.action("p_low", "p <= '0' ;", "p = 1'b0 ;")};
}

Label& low_input(MachineBuilder& b, const std::string& name, const std::string& input) {
    return b.condition(name, input + " = '0'", input + " == 1'b0");
}

Transition& pulsed_step(MachineBuilder& b, Label& action, State& from, State& to,
                        Label* condition = nullptr) {
    Transition& t = b.connect(from, to, condition);
    b.use(action, t);
    return t;
}
} // namespace

SampleMachine build_implicit_traffic_light(Design& design) {
    SampleMachine sample{nullptr, "itraffic", {"car"}, 3};
    Entity& entity = sample_entity(design, sample);
    MachineBuilder b(design, machine_of(entity));
    State& red = b.state("red");
    State& green = b.state("green");
    State& yellow = b.state("yellow");
    OwnPulse p = own_pulse(b);
    pulsed_step(b, p.high, red, green, &high(b, "", "car"));
    pulsed_step(b, p.low, red, red);
    pulsed_step(b, p.low, green, yellow);
    pulsed_step(b, p.low, yellow, red);
    b.reset(red, reset_high(b));
    moore(b, red, 4, 3);
    moore(b, green, 1, 3);
    moore(b, yellow, 2, 3);
    return sample;
}

SampleMachine build_implicit_runner(Design& design) {
    SampleMachine sample{nullptr, "irunner", {"start", "stop"}, 2};
    sample.reset_output = true;
    sample.active_low = true;
    Entity& entity = sample_entity(design, sample);
    MachineBuilder b(design, machine_of(entity));
    State& idle = b.state("idle");
    State& run = b.state("run");
    State& done = b.state("done");
    OwnPulse p = own_pulse(b);
    pulsed_step(b, p.low, idle, run, &high(b, "start", "start"));
    pulsed_step(b, p.low, idle, idle);
    pulsed_step(b, p.low, run, run, &low_input(b, "", "stop"));
    pulsed_step(b, p.high, run, done);
    pulsed_step(b, p.low, done, idle);
    Transition& reset = b.reset(idle, b.condition("reset_low", "rst='0'", "rst==0"));
    b.use(b.action("mark", "r <= '1' ;", "r = 1'b1 ;"), reset);
    moore(b, idle, 0, 2);
    moore(b, run, 1, 2);
    moore(b, done, 2, 2);
    return sample;
}

SampleMachine build_implicit_ring(Design& design, int count) {
    SampleMachine sample{nullptr, "iring", {"step"}, 5};
    Entity& entity = sample_entity(design, sample);
    MachineBuilder b(design, machine_of(entity));
    std::vector<State*> states;
    for (int i = 0; i < count; ++i)
        states.push_back(&b.state("r" + std::to_string(i)));
    Label& still = low_input(b, "", "step");
    OwnPulse p = own_pulse(b);
    for (int i = 0; i < count; ++i) {
        pulsed_step(b, p.low, *states[i], *states[i], &still);
        pulsed_step(b, i + 1 == count ? p.high : p.low, *states[i], *states[(i + 1) % count]);
        moore(b, *states[i], i, 5);
    }
    b.reset(*states.front(), reset_high(b));
    return sample;
}

SampleMachine build_implicit_mixer(Design& design) {
    SampleMachine sample{nullptr, "imixer", {"go", "a", "b"}, 3};
    Entity& entity = sample_entity(design, sample);
    MachineBuilder b(design, machine_of(entity));
    const char* names[] = {"idle", "sel", "ax", "bx", "meet", "h", "k", "done"};
    std::vector<State*> s;
    for (const char* name : names)
        s.push_back(&b.state(name));
    State& idle = *s[0];
    State& sel = *s[1];
    State& ax = *s[2];
    State& bx = *s[3];
    State& meet = *s[4];
    State& h = *s[5];
    State& k = *s[6];
    State& done = *s[7];
    OwnPulse p = own_pulse(b);
    Label& a = high(b, "", "a");
    Label& bb = high(b, "", "b");
    pulsed_step(b, p.high, idle, sel, &high(b, "go", "go"));
    pulsed_step(b, p.low, idle, idle);
    // IF / ELSIF / ELSE, meeting at "meet".
    pulsed_step(b, p.low, sel, ax, &a);
    pulsed_step(b, p.high, sel, bx, &bb);
    pulsed_step(b, p.low, sel, meet);
    pulsed_step(b, p.low, ax, meet);
    pulsed_step(b, p.low, bx, meet);
    pulsed_step(b, p.low, meet, h);
    // Two loops on h: on itself while a, through k while b.
    pulsed_step(b, p.low, h, h, &a);
    pulsed_step(b, p.high, h, k, &bb);
    pulsed_step(b, p.low, k, h);
    pulsed_step(b, p.low, h, done);
    pulsed_step(b, p.low, done, idle);
    b.reset(idle, reset_high(b));
    for (int i = 0; i < 8; ++i)
        moore(b, *s[static_cast<std::size_t>(i)], i, 3);
    return sample;
}

void give_user_codes(StateMachine& machine) {
    int n = static_cast<int>(machine.states.size());
    int width = 1;
    while ((1 << width) < n)
        ++width;
    // Counting down from the top code, so that no state keeps its Binary code.
    for (const auto& state : machine.states)
        state->code = bits_of((1 << width) - state->number, width);
}

std::string MachineVariant::label() const {
    if (style == kStyleImplicit) return format_text("implicit e%d", clock_edge);
    return format_text("a%d d%d t%d s%d e%d", assignment, decoding, transition_actions,
                       state_actions, clock_edge);
}

std::vector<MachineVariant> all_variants() {
    const int timings[] = {kActionsCombinational, kActionsClocked, kActionsCombinedProcess};
    std::vector<MachineVariant> variants;
    for (int assignment = kAssignmentEnumerate; assignment <= kAssignmentUserDefined;
         ++assignment) {
        bool hot = assignment == kAssignmentOneHot || assignment == kAssignmentTwoHot;
        for (int decoding = kDecodingCase; decoding <= (hot ? kDecodingCase : kDecodingIfElse);
             ++decoding)
            for (int ta : timings)
                for (int sa : timings) {
                    if (ta == kActionsClocked && sa == kActionsCombinedProcess) continue;
                    for (int edge = kClockRisingEdge; edge <= kClockFallingEdge; ++edge)
                        variants.push_back({assignment, decoding, ta, sa, edge});
                }
    }
    return variants;
}

bool prepare_variant(Design& design, SampleMachine& sample, const MachineVariant& variant,
                     std::vector<std::string>* errors) {
    Architecture& architecture = *sample.entity->architectures.front();
    MachineBuilder b(design, *architecture.state_machine);
    MachineOptionsFields fields = b.options();
    if (variant.style == kStyleImplicit) {
        fields.style = kStyleImplicit;
        fields.assignment = kAssignmentNone;
        fields.clock_edge = variant.clock_edge;
        b.options(fields);
        std::vector<std::string> found =
            machine_errors(verify_machine(design, *sample.entity, architecture));
        if (errors != nullptr) *errors = found;
        return found.empty();
    }
    fields.style = kStyleExplicit;
    fields.assignment = variant.assignment;
    fields.decoding = variant.decoding;
    fields.transition_actions = variant.transition_actions;
    fields.state_actions = variant.state_actions;
    fields.clock_edge = variant.clock_edge;
    b.options(fields);
    if (variant.assignment == kAssignmentUserDefined) give_user_codes(b.machine);
    std::vector<std::string> found =
        machine_errors(verify_machine(design, *sample.entity, architecture));
    if (errors != nullptr) *errors = found;
    return found.empty();
}

} // namespace machine_hdl_test
