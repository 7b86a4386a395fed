// The labels dialog of state diagrams on Qt: the list of action or condition labels with
// "&New", "&Edit", "&Delete", the text of the selected label per language, the defaults of
// actions, and for "Edit Transition" "As&ynchronous" and "&Priority:". The core's
// LabelListDialog holds the working copy and the rules; this only shows it.
#pragma once

#include "design/state_machine.h"
#include "dialog_outcome.h"
#include "statemachine/label_list_dialog.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTreeWidget;

namespace zeph {

class Session;

class LabelsDialog : public QDialog {
  public:
    LabelsDialog(QWidget* parent, Session& session, StateMachine& machine,
                 LabelDialogPurpose purpose, LabelDialogTarget target);
    ~LabelsDialog() override;

    QTreeWidget* list() const { return list_; }
    QPlainTextEdit* text() const { return text_; }
    QPushButton* button(const char* label) const;
    QCheckBox* asynchronous() const { return asynchronous_; }
    QSpinBox* priority() const { return priority_; }
    // Selects the entry of that name (none: no label); false when there is none.
    bool select_label(const std::optional<std::string>& name);

  private:
    void fill_list();
    void show_selected();
    void selection_changed();
    bool commit_text();
    void press(Outcome (LabelListDialog::*action)(const std::optional<std::string>&));
    void press_delete();
    void switch_view();
    void ok();
    QWidget* widget_of(LabelDialogField field) const;

    Session& session_;
    StateMachine& machine_;
    StateDiagramSettings settings_;
    MachineContext context_;
    LabelListDialog logic_;
    LabelDialogPurpose purpose_;
    QTreeWidget* list_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    QPushButton* view_ = nullptr;
    QCheckBox* on_states_ = nullptr;
    QCheckBox* on_transitions_ = nullptr;
    QCheckBox* asynchronous_ = nullptr;
    QSpinBox* priority_ = nullptr;
    std::vector<QPushButton*> buttons_;
    bool text_changed_ = false;
    bool filling_ = false;
};

DialogOutcome run_labels_dialog(QWidget* parent, Session& session, StateMachine& machine,
                                LabelDialogPurpose purpose, LabelDialogTarget target = {});

} // namespace zeph
