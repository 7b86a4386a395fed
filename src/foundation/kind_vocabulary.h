// The one vocabulary of object kinds: every message and generated comment names objects
// with these words, in the VHDL or the Verilog column by the design's target language.
#pragma once

#include <string>

namespace zeph {

enum ObjectKind : int {
    kKindDesign = 0,
    kKindEntity = 1,
    kKindArchitecture = 2,
    kKindProcess = 3,
    kKindComponent = 4,
    kKindGeneric = 5,
    kKindPort = 6,
    kKindDiagramGeneric = 7,
    kKindDiagramPort = 8,
    kKindComponentGeneric = 9,
    kKindComponentPort = 10,
    kKindProcessPort = 11,
    kKindNet = 12,
    kKindBusEntry = 13,
    kKindRatsnest = 14,
    kKindWire = 15,
    kKindBus = 16,
    kKindConfiguration = 17,
    kKindConnectByName = 18,
    kKindState = 19,
    kKindTransition = 20,
    kKindAction = 21,
    kKindCondition = 22,
    kKindLabel = 23,
    kKindText = 24,
    kKindPoint = 25,
    kKindSegment = 26,
    kKindTestbench = 27,
};
inline constexpr int kKindCount = 28;

// Flag of kind_name: capitalise the first letter.
inline constexpr int kKindCapital = 4;

// Target language codes (1 VHDL, 2 Verilog); the column of the vocabulary.
inline constexpr int kLanguageVhdl = 1;
inline constexpr int kLanguageVerilog = 2;

// The word of a kind in the language's column (Verilog for 2, VHDL otherwise): singular for
// number 1, plural otherwise; flag 4 capitalises. An unknown kind gives "".
std::string kind_name(int language, int kind, int flags, int number);

} // namespace zeph
