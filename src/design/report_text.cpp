// The text of every verification message: the template of its number, filled with kind words
// and the finding's values.
#include "design/architecture.h"
#include "design/report.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/message_table.h"
#include "foundation/strings.h"

#include <string>

namespace zeph {

namespace {

using std::string;

const char* t(int number, int which = variant::kMain) {
    const char* text = message_text(MessageFamily::Verification, number, which);
    return text != nullptr ? text : "";
}

const char* str(const char* s) {
    return s != nullptr ? s : "";
}
bool given(const char* s) {
    return s != nullptr && *s != '\0';
}
const char* language_word(int i3) {
    return i3 == 2 ? "Verilog" : "Vhdl";
}
bool hidden_name(const char* s) {
    return !given(s) || s[0] == '_';
}

// The texts of one language: kind words are owned strings, so that any number of them can be
// combined in one text.
struct MessageText {
    int language;

    string kw(int kind, int number = 1) const { return kind_name(language, kind, 0, number); }
    string Kw(int kind, int number = 1) const {
        return kind_name(language, kind, kKindCapital, number);
    }

    // The net named in messages 17, 20, 118, 119 and 155: a named net or wire i1 of bus s1.
    string net_part(const Finding& f) const {
        if (f.i1 < 0)
            return format_text(fragment_text(fragment::kNetNamed), Kw(f.i2).c_str(), str(f.s1));
        return format_text(fragment_text(fragment::kNetWireOfBus), Kw(kKindWire).c_str(), f.i1,
                           kw(kKindBus).c_str(), str(f.s1));
    }

    string text_17(const Finding& f) const {
        string be = kw(kKindBusEntry);
        string middle;
        switch (f.i3) {
        case 0:
            middle = format_text(t(17, 10), kw(kKindBusEntry, 2).c_str());
            break;
        case 1:
            middle = format_text(t(17, 11), be.c_str(), "Inout", kw(kKindDiagramPort).c_str());
            break;
        case 2:
            middle = format_text(t(17, 12), be.c_str(), kw(kKindPort).c_str());
            break;
        default:
            middle = format_text(t(17, 13), be.c_str());
            break;
        }
        return net_part(f) + t(17) + middle + t(17, variant::kSuffix);
    }

    string text_24(const Finding& f) const {
        if (f.i1 == 0) return format_text(t(24, variant::kAlternative), str(f.s1), str(f.s2));
        string condition = dup_prefix(str(f.s1), 30);
        for (char& c : condition)
            if (c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v') c = ' ';
        string text = t(24) + condition;
        if (string(str(f.s1)).size() > 30) text += "...";
        return text + "'";
    }

    string text_25(const Finding& f) const {
        const char* function = special_function_word(f.i1);
        string port = kw(kKindPort);
        if (f.i3 > 1) return format_text(t(25, 10), function, f.i3, kw(kKindPort, f.i3).c_str());
        if (f.i3 == 0) {
            if (!hidden_name(f.s1)) return format_text(t(25, 11), function, port.c_str(), f.s1);
            return format_text(t(25, 12), function);
        }
        if (f.i2 != 0 && !given(f.s2)) {
            string name = hidden_name(f.s1) ? "" : format_text("'%s' ", f.s1);
            string text = format_text(t(25, 13), function, name.c_str());
            if (f.i2 > 0)
                text += format_text(t(25, 14), kw(kKindBus).c_str(), f.i2, plural_s(f.i2));
            return text;
        }
        if (f.i2 != 0) return format_text(t(25, 15), function, port.c_str(), str(f.s1), str(f.s2));
        string where = hidden_name(f.s1) ? "" : format_text(t(25, 17), port.c_str(), f.s1);
        return format_text(t(25, 16), function, where.c_str());
    }

    int form_28(const Finding& f) const {
        if (f.form != kAutoForm) return f.form;
        if (f.i1 != 0) return form28::kTooManyStates;
        if (f.i3 != 0) return form28::kCodeLength;
        if (f.i2 != 0) return form28::kTooFewBits;
        if (given(f.s1) && given(f.s2)) return form28::kConflict;
        if (given(f.s1)) return form28::kNoCode;
        return form28::kNoAssignment;
    }

    string text_28(const Finding& f) const {
        int form = form_28(f);
        const char* text = t(28, form);
        switch (form) {
        case form28::kConflict:
            return format_text(text, str(f.s1), str(f.s2));
        case form28::kInvalidCode:
            return format_text(text, str(f.s2), str(f.s1));
        case form28::kCodeLength:
            return format_text(text, str(f.s1), f.i3, plural_s(f.i3), f.i2, plural_s(f.i2));
        case form28::kNoCode:
            return format_text(text, str(f.s1));
        case form28::kTooManyStates:
            return format_text(text, f.i2, assignment_name(f.i1));
        case form28::kTooFewBits:
            return format_text(text, f.i2);
        default:
            return format_text(t(28, form28::kNoAssignment), str(f.s1));
        }
    }

    string text_29(const Finding& f) const {
        if (f.i1 != 0 && f.i3 != 0)
            return format_text(t(29, 10), kw(kKindTransition, f.i3).c_str(), str(f.s1), f.i2);
        if (f.i1 != 0) return format_text(t(29, 11), str(f.s1));
        return format_text(t(29, 12), f.i2 != 0 ? "start" : "end", str(f.s1));
    }

    string text_33(const Finding& f) const {
        int form = f.form;
        if (form == kAutoForm)
            form = f.i1 != 0     ? form33::kRecursionDepth
                   : given(f.s3) ? form33::kEntangled
                   : given(f.s2) ? form33::kIllegalBranch
                                 : form33::kLoopPrecedence;
        switch (form) {
        case form33::kEntangled:
            return format_text(t(33, 10), "Implicit", str(f.s1), str(f.s2), str(f.s3));
        case form33::kRecursionDepth:
            return format_text(t(33, 11), f.i1, "Implicit", str(f.s1));
        case form33::kIllegalBranch:
            return format_text(t(33, 13), "Implicit", str(f.s1), str(f.s2));
        default:
            return format_text(t(33, 12), "Implicit", str(f.s1));
        }
    }

    string text_50(const Finding& f) const {
        string text = format_text(t(50), value_role_word(f.i1, false), str(f.s1), kw(f.i2).c_str(),
                                  str(f.s2));
        string referenced = kw(f.i2 == kKindComponentPort ? kKindDiagramGeneric : kKindGeneric);
        if (f.i3 == 1) text += t(50, 11);
        if (f.i3 == 2) text += format_text(t(50, 12), referenced.c_str());
        if (f.i3 == 3) text += format_text(t(50, 13), referenced.c_str());
        return text;
    }

    string text_104(const Finding& f) const {
        if (f.i2 != 0)
            return format_text(t(104, variant::kAlternative), kw(kKindNet).c_str(), str(f.s1),
                               kw(f.i1).c_str(), kw(kKindProcess).c_str(), str(f.s2));
        if (f.i1 == kKindDiagramPort) return format_text(t(104, 10), Kw(f.i1).c_str(), str(f.s1));
        return format_text(t(104), Kw(f.i1).c_str(), str(f.s1), kw(kKindComponent).c_str(),
                           str(f.s2));
    }

    string text_156(const Finding& f) const {
        string text = f.i1 < 0 ? format_text(t(156), kw(f.i2).c_str(), str(f.s1))
                               : format_text(t(156, variant::kAlternative), Kw(kKindWire).c_str(),
                                             f.i1, kw(kKindBus).c_str(), str(f.s1));
        return text + format_text(t(156, variant::kSuffix), kw(kKindNet).c_str());
    }

    string undocumented(const Finding& f) const {
        return format_text(fragment_text(fragment::kUndocumented), f.i1, f.i2, f.i3, str(f.s1),
                           str(f.s2), str(f.s3));
    }

    string text(const Finding& f) const {
        const int n = f.number;
        const char* s1 = str(f.s1);
        const char* s2 = str(f.s2);
        const char* s3 = str(f.s3);
        const char* tl = "Toplevel";
        const char* bd = architecture_kind_word(kArchitectureBlockDiagram);
        switch (n) {
        case 1:
            return format_text(t(1), kw(kKindComponent, 2).c_str(), tl, bd);
        case 2:
            return format_text(t(2), Kw(f.i1, f.i2).c_str(), tl, bd);
        case 3:
        case 101:
            return format_text(t(n), kw(f.i1, 2).c_str());
        case 5:
            return format_text(t(5), Kw(f.i1).c_str(), s1, kw(f.i2).c_str());
        case 6:
            return format_text(t(6), Kw(f.i1).c_str(), s1, kw(kKindEntity).c_str(),
                               kw(kKindComponent).c_str(), s2);
        case 8:
            return format_text(t(8), Kw(kKindBusEntry, f.i1).c_str(), kw(kKindBus).c_str(),
                               kw(kKindNet).c_str(), s1);
        case 9:
            return format_text(t(9), Kw(f.i1).c_str(), s1, kw(f.i2).c_str(), s2);
        case 10:
            return format_text(t(10), kw(kKindBusEntry).c_str(), s1, kw(kKindNet).c_str(), s2);
        case 11:
            return format_text(t(11), value_role_word(f.i1, true), f.i2, kw(kKindBusEntry).c_str(),
                               s1, s2, kw(kKindNet).c_str(), s3);
        case 12:
            return format_text(t(12), Kw(f.i1).c_str(), s1, kw(f.i3).c_str(), s2, "different",
                               "ranges");
        case 13: {
            string text = format_text(t(13), Kw(f.i1).c_str(), s1, kw(f.i3).c_str(), s2,
                                      f.i2 != 0 ? "same" : "different", "types");
            if (f.i2 != 0)
                text += format_text(t(13, variant::kSuffix), kw(kKindBus).c_str(),
                                    kw(kKindBus).c_str());
            return text;
        }
        case 14:
            if (f.i2 == 0) return format_text(t(14), s1, kw(kKindNet).c_str(), s2);
            return format_text(t(14, variant::kAlternative), Kw(kKindBusEntry).c_str(), s1, s2,
                               kw(kKindNet).c_str(), s3);
        case 15:
            if (f.i1 != 0)
                return format_text(t(15), mode_word(f.i2), kw(kKindProcessPort).c_str(),
                                   kw(kKindProcess).c_str(), s2);
            return format_text(t(15, variant::kAlternative), kw(kKindComponentPort).c_str(), s1,
                               kw(kKindComponent).c_str(), s2, "default");
        case 16:
            return format_text(t(16), kw(kKindNet).c_str(), kw(kKindBusEntry).c_str(), s1, s2,
                               kw(kKindNet).c_str(), s3);
        case 17:
            return text_17(f);
        case 20:
            if (f.i3 != 0)
                return net_part(f) + format_text(t(20, variant::kAlternative), "Inout",
                                                 kw(kKindDiagramPort).c_str(),
                                                 kw(kKindDiagramPort, 2).c_str());
            return net_part(f) + format_text(t(20), "Buffer", kw(kKindPort).c_str());
        case 21:
            return format_text(t(21), "NULL", kw(f.i3).c_str(), s2, f.i1, s1, f.i2);
        case 23:
            if (f.i1 != 0) return format_text(t(23), s1, s2);
            return format_text(t(23, variant::kAlternative), "Implicit");
        case 24:
            return text_24(f);
        case 25:
            return text_25(f);
        case 26:
            return t(26);
        case 27:
        case 109:
            if (f.i1 != 0) return format_text(t(n), "Explicit", assignment_name(f.i1));
            return format_text(t(n, variant::kAlternative), "Implicit");
        case 28:
            return text_28(f);
        case 29:
            return text_29(f);
        case 30:
        case 107:
            return format_text(t(n, f.i1 != 0 ? variant::kAlternative : variant::kMain), s1);
        case 31:
            return format_text(t(31), "Implicit", f.i1);
        case 108:
            return format_text(t(108), "Explicit", f.i1);
        case 32: {
            string text = format_text(t(32), kw(kKindCondition).c_str(), s1, f.i1, s2, f.i2);
            if (given(f.s3)) text += format_text(t(32, variant::kSuffix), s3);
            return text;
        }
        case 33:
            return text_33(f);
        case 34:
            return format_text(t(34), language_word(f.i3), s1);
        case 35:
            return format_text(t(35), s1, kw(kKindProcess, 2).c_str(), s2, s3,
                               kw(kKindArchitecture).c_str(),
                               f.architecture != nullptr ? f.architecture->name.c_str() : "");
        case 40:
        case 41:
        case 42:
        case 45:
        case 46:
        case 47:
            return format_text(t(n), Kw(f.i1).c_str(), s1, t(n, variant::kPhrase));
        case 48:
            return format_text(t(48), kw(f.i1).c_str(), s1);
        case 60:
            return format_text(t(60), Kw(f.i1).c_str(), s1,
                               architecture_kind_word(kArchitectureStateDiagram));
        case 50:
            return text_50(f);
        case 102:
            if (given(f.s1))
                return format_text(t(102, variant::kAlternative), language_word(f.i3), s1);
            return format_text(t(102), language_word(f.i3));
        case 103:
            return format_text(t(103), kw(kKindWire).c_str(), kw(kKindNet).c_str(), s1, s2);
        case 104:
            return text_104(f);
        case 105:
            if (f.i1 != 0)
                return format_text(t(105, variant::kAlternative), Kw(f.i2).c_str(), s1,
                                   kw(f.i2).c_str());
            return format_text(t(105), Kw(f.i2).c_str(), s1);
        case 106:
            if (given(f.s1))
                return format_text(t(106, variant::kAlternative), Kw(kKindAction).c_str(), s3, s1,
                                   s2);
            return format_text(t(106), Kw(kKindAction).c_str(), s3, s2);
        case 110:
            return format_text(t(110), Kw(f.i1).c_str(), s1, kw(f.i3).c_str(), s2,
                               kw(kKindGeneric, 2).c_str());
        case 111:
            return format_text(t(111), value_role_word(f.i1, true), s1, kw(f.i2).c_str(), s2,
                               kw(kKindEntity).c_str());
        case 118:
            return net_part(f) + format_text(t(118), "receiving", kw(kKindPort).c_str());
        case 119:
            return net_part(f) + format_text(t(119), "driving", kw(kKindPort).c_str());
        case 151:
            return format_text(t(151), value_role_word(f.i1, true), s1, kw(f.i2).c_str(), s2,
                               kw(f.i3).c_str());
        case 153:
            return format_text(t(153), kw(f.i1).c_str(), s1);
        case 154:
            return format_text(t(154), "In", kw(kKindPort).c_str(), s1, kw(kKindComponent).c_str(),
                               s2);
        case 155:
            return net_part(f) + t(155);
        case 156:
            return text_156(f);
        case 157:
            return format_text(t(157), language_word(f.i3), s1);
        default:
            return undocumented(f);
        }
    }
};

} // namespace

string report_message_text(const Finding& f, int language) {
    return MessageText{language}.text(f);
}

} // namespace zeph
