// The dialogs of the objects of a block diagram: "Edit Port" (diagram, component and process
// ports), "Edit Net", "Edit Entry", "Edit Process", "Edit Text" and "Edit Generic".
#pragma once

#include "blockdiagram/diagram_editor.h"
#include "blockdiagram/diagram_object.h"
#include "blockdiagram/free_texts.h"
#include "dialog_outcome.h"

#include <functional>

class QWidget;

namespace zeph {

// NoDialog for a component: its dialog, the instance dialog, needs the whole session.
DialogOutcome run_block_object_dialog(QWidget* parent, DiagramEditor& editor,
                                      const DiagramObject& object);

// "Edit Text" of a free text on any sheet; `apply` runs the edit on OK (a refusal keeps the
// dialog open).
DialogOutcome run_text_dialog(QWidget* parent, const LabelDisplay& text,
                              const std::function<Outcome(const TextFields&)>& apply);

} // namespace zeph
