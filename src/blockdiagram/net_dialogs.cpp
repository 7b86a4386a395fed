// The "Edit Net" and "Edit Entry" dialogs: field checks in the dialog's order, then the update.
#include "blockdiagram/net_dialogs.h"

#include "blockdiagram/bus_entries.h"
#include "blockdiagram/net_lookup.h"
#include "design/name_limits.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"
#include "foundation/system_message.h"

namespace zeph {

namespace {

template <class Field> DialogResult<Field> refused(Field field) {
    return {Outcome::Refused, field};
}

void say(ui::Platform& platform, const std::string& text) {
    platform.status(text, true);
}

bool identifier_is_legal(ui::Platform& platform, const std::string& name, const NetRules& rules) {
    int code = check_identifier(name, kMaxHdlName, rules.rules);
    if (code != 0) system_message(platform, code, 0, name.c_str());
    return code == 0;
}

bool range_value_is_legal(ui::Platform& platform, std::string& value, const NetRules& rules) {
    if (normalise_range_value(value, rules.rules)) return true;
    system_message(platform, 50, 0, value.c_str());
    return false;
}

bool same_fields(const NetFields& a, const NetFields& b) {
    return a.name == b.name && a.type_name == b.type_name && a.register_flag == b.register_flag &&
           a.left == b.left && a.right == b.right && a.direction == b.direction &&
           a.default_value == b.default_value && a.signal_kind == b.signal_kind;
}

void bound_net_fields(NetFields& fields) {
    fields.name = bounded(fields.name, kMaxHdlName);
    fields.type_name = bounded(fields.type_name, kMaxHdlName);
    fields.left = bounded(fields.left, kMaxHdlName);
    fields.right = bounded(fields.right, kMaxHdlName);
    fields.default_value = bounded(fields.default_value, kMaxValue);
}

// The dialog offers the type, the direction and the signal kind only for VHDL, and the
// register flag only for Verilog; what it does not show keeps the net's value.
void keep_hidden_fields(NetFields& fields, const Net& net, const NetRules& rules) {
    if (rules.language == kLanguageVerilog) {
        fields.type_name = net.type_name;
        fields.direction = net.range.direction;
        fields.signal_kind = net.signal_kind;
    } else {
        fields.register_flag = net.register_flag;
    }
}

// The checks of "Edit Net" that do not depend on the range.
DialogResult<NetField> check_name_and_type(ui::Platform& platform, NetFields& fields,
                                           const NetRules& rules) {
    if (!fields.name.empty() && !identifier_is_legal(platform, fields.name, rules))
        return refused(NetField::Name);
    if (rules.language != kLanguageVerilog && rules.type_checks && !fields.type_name.empty() &&
        !identifier_is_legal(platform, fields.type_name, rules))
        return refused(NetField::Type);
    if (rules.language != kLanguageVerilog)
        fields.type_name = normalise_type_name(fields.type_name);
    return {Outcome::Done, NetField::None};
}

DialogResult<NetField> check_range_and_default(ui::Platform& platform, NetFields& fields,
                                               const NetRules& rules) {
    if (fields.left.empty() != fields.right.empty()) {
        say(platform, "Neither or both ranges must specified.");
        return refused(NetField::Range);
    }
    if (!fields.left.empty() && !range_value_is_legal(platform, fields.left, rules))
        return refused(NetField::LeftRange);
    if (!fields.right.empty() && !range_value_is_legal(platform, fields.right, rules))
        return refused(NetField::RightRange);
    bool bus = !fields.left.empty();
    if (!default_value_is_legal(fields.default_value,
                                effective_type_name(fields.type_name, bus, rules))) {
        system_message(platform, 50, 0, fields.default_value.c_str());
        return refused(NetField::DefaultValue);
    }
    return {Outcome::Done, NetField::None};
}

void apply_net_fields(Net& net, const NetFields& fields) {
    bool relabel =
        fields.name != net.name || fields.left != net.range.left || fields.right != net.range.right;
    net.name = fields.name;
    net.type_name = fields.type_name;
    net.register_flag = fields.register_flag;
    net.default_value = fields.default_value;
    net.signal_kind = fields.signal_kind;
    net.bus = !fields.left.empty();
    net.range.has_range = net.bus;
    net.range.left = fields.left;
    net.range.right = fields.right;
    net.range.direction = fields.direction;
    if (net.bus) copy_direction_to_entries(net);
    if (relabel) refresh_net_labels(net);
    net.status |= kNetGeometryChanged;
}

} // namespace

NetFields net_fields(const Net& net) {
    NetFields fields;
    fields.name = net.name;
    fields.type_name = net.type_name;
    fields.register_flag = net.register_flag;
    if (net.bus) {
        fields.left = net.range.left;
        fields.right = net.range.right;
    }
    fields.direction = net.range.direction;
    fields.default_value = net.default_value;
    fields.signal_kind = net.signal_kind;
    return fields;
}

DialogResult<NetField> edit_net(ui::Platform& platform, Net& net, NetFields fields,
                                const NetRules& rules) {
    bound_net_fields(fields);
    keep_hidden_fields(fields, net, rules);
    if (auto result = check_name_and_type(platform, fields, rules);
        result.outcome == Outcome::Refused)
        return result;
    if (auto result = check_range_and_default(platform, fields, rules);
        result.outcome == Outcome::Refused)
        return result;
    if (same_fields(fields, net_fields(net))) return {Outcome::Unchanged, NetField::None};
    apply_net_fields(net, fields);
    return {Outcome::Done, NetField::None};
}

EntryFields entry_fields(const BusEntry& entry) {
    EntryFields fields;
    fields.slice = entry.slice;
    if (entry.slice) {
        fields.left = entry.index;
        fields.right = entry.right;
    } else {
        fields.index = entry.index;
    }
    return fields;
}

DialogResult<EntryField> edit_bus_entry(ui::Platform& platform, BusEntry& entry, EntryFields fields,
                                        const NetRules& rules) {
    fields.index = bounded(fields.index, kMaxHdlName);
    fields.left = bounded(fields.left, kMaxHdlName);
    fields.right = bounded(fields.right, kMaxHdlName);
    if (fields.slice) {
        if (fields.left.empty() || fields.right.empty()) {
            const char* what = fields.left.empty() && fields.right.empty() ? "ranges"
                               : fields.left.empty()                       ? "left range"
                                                                           : "right range";
            say(platform, format_text("No %s specified.", what));
            return refused(fields.left.empty() ? EntryField::LeftRange : EntryField::RightRange);
        }
        if (!range_value_is_legal(platform, fields.left, rules))
            return refused(EntryField::LeftRange);
        if (!range_value_is_legal(platform, fields.right, rules))
            return refused(EntryField::RightRange);
    } else {
        if (fields.index.empty()) {
            say(platform, format_text("No %s specified.", "index"));
            return refused(EntryField::Index);
        }
        if (!range_value_is_legal(platform, fields.index, rules)) return refused(EntryField::Index);
    }
    std::string index = fields.slice ? fields.left : fields.index;
    std::string right = fields.slice ? fields.right : std::string();
    if (entry.slice == fields.slice && entry.index == index && entry.right == right)
        return {Outcome::Unchanged, EntryField::None};
    entry.slice = fields.slice;
    entry.index = index;
    entry.right = right;
    entry.label.text = bus_entry_label_text(entry);
    return {Outcome::Done, EntryField::None};
}

} // namespace zeph
