// The dialogs of the objects of a block diagram: "Edit Port" (diagram, component and process
// ports), "Edit Net", "Edit Entry", "Edit Process", "Edit Text" and "Edit Generic".
#pragma once

#include "blockdiagram/diagram_editor.h"
#include "blockdiagram/diagram_object.h"
#include "dialog_outcome.h"

class QWidget;

namespace zeph {

// NoDialog for a component: its dialog, the instance dialog, needs the whole session.
DialogOutcome run_block_object_dialog(QWidget* parent, DiagramEditor& editor,
                                      const DiagramObject& object);

} // namespace zeph
