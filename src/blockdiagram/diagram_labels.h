// The labels of diagram objects: a new label with the kind's default size, option word and
// colour, and the text a label shows under its option word.
//
// Option bits (all ones hides the label):
//   component  1 name, 2 ":entity", 4 ":arch(kind letter)"      "u0:counter:rtl(B)"
//   process    1 name, 2 "(kind letter)"                        "pr0(V)"
//   generic    1 name, 2 "(value)"                              "width(8)"
//   port       1 name, 2 "(left:right)", 4 "<special function>" "d(7:0)<Clock>"
#pragma once

#include "blockdiagram/diagram_settings.h"
#include "design/architecture.h"
#include "design/component.h"
#include "design/design_defaults.h"
#include "design/generic.h"
#include "design/label_display.h"
#include "design/port.h"
#include "design/process.h"

#include <string>

namespace zeph {

inline constexpr unsigned kShowName = 1;
inline constexpr unsigned kShowEntity = 2;
inline constexpr unsigned kShowArchitecture = 4;
inline constexpr unsigned kShowProcessKind = 2;
inline constexpr unsigned kShowValue = 2;
inline constexpr unsigned kShowPortRange = 2;
inline constexpr unsigned kShowFunction = 4;

// What a new label takes from the settings: text size and option word of its kind from the
// record defaults, its colour from the diagram settings.
struct DiagramLabelStyle {
    const DesignDefaults& defaults;
    const DiagramSettings& settings;
};

// A label at the anchor with the defaults of its kind (text size, option word, colour).
LabelDisplay make_label(const DiagramLabelStyle& style, LabelKind kind, Point anchor,
                        std::string text = {});
// The colour a label of the kind takes: its object's colour when the settings say so, else
// the foreground colour.
int label_colour(const DiagramSettings& settings, LabelKind kind, bool bus = false);
// The same with the choice given: the object's colour, or the foreground colour.
int label_colour_for(const DiagramSettings& settings, LabelKind kind, bool object_colour,
                     bool bus = false);

std::string component_label_text(const Component& component, unsigned options);
std::string process_label_text(const Process& process, unsigned options);
std::string port_label_text(const Port& port, unsigned options);
std::string generic_label_text(const Generic& generic, unsigned options);
// The label of a component's generic: its actual value, or the default value when it has none.
std::string generic_value_label_text(const GenericValue& value);

// Sets label.text from its option word; a hidden label keeps its text.
void refresh_label(LabelDisplay& label, const std::string& shown);

// Rebuilds every label text of the architecture's diagram that depends on the design records:
// component names, generic values and ports, processes, diagram ports and generics.
void refresh_diagram_labels(Architecture& architecture);

} // namespace zeph
