// The "Edit Net" dialog: its checks in order, and what a successful OK changes.
#include "net_test_support.h"

#include "blockdiagram/net_dialogs.h"
#include "foundation/kind_vocabulary.h"

namespace zeph::net_testing {
namespace {

class NetEditDialog : public NetDiagramTest {
  protected:
    NetEditDialog() : net(add_net({{{0, 0}, {512, 0}}}, "d")) {
        net.label.options = kNetShowName | kNetShowRange;
        net.bus_entries.push_back(std::make_unique<BusEntry>());
        net.bus_entries.back()->index = "2";
    }
    DialogResult<NetField> edit(NetFields fields) { return edit_net(platform, net, fields, rules); }
    NetFields fields() const { return net_fields(net); }

    Net& net;
};

TEST_F(NetEditDialog, ChecksRunInDialogOrderAndChangeNothingOnRefusal) {
    NetFields f = fields();
    f.name = "a b";
    f.left = "7";
    f.default_value = "'2'";
    EXPECT_EQ(edit(f).field, NetField::Name) << "the name comes first";
    EXPECT_EQ(platform.last_status(), "Error    45: 'a b' is not a legal VHDL identifier");

    f.name = "data";
    f.type_name = "std logic";
    EXPECT_EQ(edit(f).field, NetField::Type);

    f.type_name = "";
    EXPECT_EQ(edit(f).field, NetField::Range);
    EXPECT_EQ(platform.last_status(), "Neither or both ranges must specified.");

    f.right = "0-";
    EXPECT_EQ(edit(f).field, NetField::RightRange);
    EXPECT_EQ(platform.last_status(), "Error    50: '0-' is not a legal value in this context");

    f.left = f.right = "";
    EXPECT_EQ(edit(f).field, NetField::DefaultValue);
    EXPECT_EQ(platform.last_status(), "Error    50: ''2'' is not a legal value in this context");

    EXPECT_EQ(net.name, "d");
    EXPECT_FALSE(net.bus);

    f.name = "signal";
    EXPECT_EQ(edit(f).field, NetField::Name);
    EXPECT_EQ(platform.last_status(), "Error    40: 'signal' is a VHDL reserved word");
}

TEST_F(NetEditDialog, TypeChecksCanBeSwitchedOffAndBuiltinNamesAreNormalised) {
    NetFields f = fields();
    f.type_name = "BIT_vector";
    f.left = "7";
    f.right = "0";
    ASSERT_EQ(edit(f).outcome, Outcome::Done);
    EXPECT_EQ(net.type_name, "Bit_Vector");

    f.type_name = "my type";
    EXPECT_EQ(edit(f).outcome, Outcome::Refused);
    rules.type_checks = false;
    EXPECT_EQ(edit(f).outcome, Outcome::Done);
    EXPECT_EQ(net.type_name, "my type");
}

TEST_F(NetEditDialog, BothRangesMakeABusAndGiveTheDirectionToItsEntries) {
    NetFields f = fields();
    f.name = "data";
    f.left = "( 7 )";
    f.right = "0";
    f.direction = kDirectionTo;
    f.default_value = "x\"00\"";
    ASSERT_EQ(edit(f).outcome, Outcome::Done);
    EXPECT_TRUE(net.bus);
    EXPECT_TRUE(net.range.has_range);
    EXPECT_EQ(net.range.left, "7");
    EXPECT_EQ(net.bus_entries[0]->direction, kDirectionTo);
    EXPECT_EQ(net.label.text, "data(7:0)");
    EXPECT_EQ(net.bus_entries[0]->label.text, "(2)");

    EXPECT_EQ(edit(fields()).outcome, Outcome::Unchanged);

    f = fields();
    f.left = f.right = "";
    f.default_value = "";
    ASSERT_EQ(edit(f).outcome, Outcome::Done);
    EXPECT_FALSE(net.bus);
    EXPECT_FALSE(net.range.has_range);
    EXPECT_EQ(net.label.text, "data");
}

TEST_F(NetEditDialog, FieldsTheLanguageDoesNotOfferKeepTheNetsValues) {
    net.type_name = "std logic"; // read from a file; not legal, but not shown for Verilog
    net.signal_kind = 2;
    net.range.direction = kDirectionTo;
    rules.language = kLanguageVerilog;
    NetFields f = fields();
    f.type_name = "other";
    f.signal_kind = 0;
    f.direction = kDirectionDownto;
    f.register_flag = true;
    f.left = "3";
    f.right = "0";
    ASSERT_EQ(edit(f).outcome, Outcome::Done) << "the hidden type is not checked";
    EXPECT_EQ(net.type_name, "std logic");
    EXPECT_EQ(net.signal_kind, 2);
    EXPECT_EQ(net.range.direction, kDirectionTo);
    EXPECT_TRUE(net.register_flag);

    rules.language = kLanguageVhdl;
    f = fields();
    f.type_name = "word";
    f.register_flag = false;
    ASSERT_EQ(edit(f).outcome, Outcome::Done);
    EXPECT_EQ(net.type_name, "word");
    EXPECT_TRUE(net.register_flag) << "Register is a Verilog field";
}

TEST_F(NetEditDialog, DefaultValuesAreJudgedForTheBuiltinScalarTypes) {
    EXPECT_TRUE(default_value_is_legal("'1'", "Bit"));
    EXPECT_FALSE(default_value_is_legal("1", "Bit"));
    EXPECT_TRUE(default_value_is_legal("TRUE", "Boolean"));
    EXPECT_FALSE(default_value_is_legal("yes", "Boolean"));
    EXPECT_TRUE(default_value_is_legal("-5", "Integer"));
    EXPECT_FALSE(default_value_is_legal("-5", "Natural"));
    EXPECT_TRUE(default_value_is_legal("0", "natural"));
    EXPECT_FALSE(default_value_is_legal("0", "Positive"));
    EXPECT_TRUE(default_value_is_legal("whatever", "std_logic")) << "not judged here";
    EXPECT_TRUE(default_value_is_legal("", "Bit"));
}

} // namespace
} // namespace zeph::net_testing
