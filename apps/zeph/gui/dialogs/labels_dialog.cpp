// The labels dialog: every button goes to the core's LabelListDialog, and the list, the text
// and the check boxes are shown again from it after each step, so that a refusal (already
// reported by the core) leaves the dialog as the core left it.
#include "dialogs/labels_dialog.h"

#include "dialogs/machine_dialogs.h"

#include "shell/machine_settings.h"
#include "shell/session.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zeph {

namespace {

struct PurposeWords {
    LabelDialogPurpose purpose;
    const char* title;
    const char* undo_description;
};

constexpr PurposeWords kPurposes[] = {
    {LabelDialogPurpose::ActionLabels, "Action Labels", "action labels"},
    {LabelDialogPurpose::ConditionLabels, "Condition Labels", "condition labels"},
    {LabelDialogPurpose::AddUsage, "Add Usage of Action", "add action"},
    {LabelDialogPurpose::EditUsage, "Edit Usage of Action", "edit action"},
    {LabelDialogPurpose::EditTransition, "Edit Transition", "edit transition"},
};

const PurposeWords& words_of(LabelDialogPurpose purpose) {
    for (const PurposeWords& words : kPurposes)
        if (words.purpose == purpose) return words;
    return kPurposes[0];
}

// The entry index a list row stands for.
constexpr int kEntryRole = Qt::UserRole;

} // namespace

LabelsDialog::LabelsDialog(QWidget* parent, Session& session, StateMachine& machine,
                           LabelDialogPurpose purpose, LabelDialogTarget target)
    : QDialog(parent), session_(session), machine_(machine),
      settings_(state_diagram_settings(session)), context_{*session.design(), session.platform(),
                                                           settings_},
      logic_(machine, context_, purpose, target), purpose_(purpose) {
    setWindowTitle(words_of(purpose).title);
    auto* layout = new QVBoxLayout(this);
    list_ = new QTreeWidget(this);
    list_->setColumnCount(2);
    list_->setHeaderLabels({"Label", "Text"});
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    layout->addWidget(list_);

    auto* row = new QHBoxLayout;
    for (const char* label : {"&New", "&Edit", "&Delete"}) {
        auto* button = new QPushButton(label, this);
        button->setAutoDefault(false);
        buttons_.push_back(button);
        row->addWidget(button);
    }
    layout->addLayout(row);
    QObject::connect(buttons_[0], &QPushButton::clicked, this,
                     [this] { press(&LabelListDialog::press_new); });
    QObject::connect(buttons_[1], &QPushButton::clicked, this,
                     [this] { press(&LabelListDialog::press_edit); });
    QObject::connect(buttons_[2], &QPushButton::clicked, this, [this] { press_delete(); });

    layout->addWidget(new QLabel(" Hdl: ", this));
    text_ = new QPlainTextEdit(this);
    layout->addWidget(text_);
    view_ = new QPushButton(this);
    view_->setAutoDefault(false);
    layout->addWidget(view_);
    QObject::connect(view_, &QPushButton::clicked, this, [this] { switch_view(); });
    QObject::connect(text_, &QPlainTextEdit::textChanged, this, [this] {
        if (!filling_) text_changed_ = true;
    });

    const bool actions = purpose == LabelDialogPurpose::ActionLabels;
    if (actions && machine.style == kStyleExplicit) {
        layout->addWidget(new QLabel(" Default on: ", this));
        on_states_ = new QCheckBox("&States", this);
        on_transitions_ = new QCheckBox("&Transitions", this);
        layout->addWidget(on_states_);
        layout->addWidget(on_transitions_);
        for (QCheckBox* box : {on_states_, on_transitions_})
            QObject::connect(box, &QCheckBox::clicked, this, [this] {
                logic_.set_defaults(on_states_->isChecked(), on_transitions_->isChecked());
                show_selected();
            });
    }
    if (purpose == LabelDialogPurpose::EditTransition) {
        auto* form = new QFormLayout;
        asynchronous_ = new QCheckBox("As&ynchronous", this);
        asynchronous_->setChecked(logic_.asynchronous);
        priority_ = new QSpinBox(this);
        priority_->setRange(0, 1000000);
        priority_->setValue(logic_.priority);
        form->addRow(asynchronous_);
        form->addRow("&Priority:", priority_);
        layout->addLayout(form);
    }
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(box);
    QObject::connect(box, &QDialogButtonBox::accepted, this, [this] { ok(); });
    QObject::connect(box, &QDialogButtonBox::rejected, this, [this] { reject(); });
    QObject::connect(list_, &QTreeWidget::itemSelectionChanged, this,
                     [this] { selection_changed(); });
    fill_list();
}

LabelsDialog::~LabelsDialog() = default;

QPushButton* LabelsDialog::button(const char* label) const {
    for (QPushButton* b : buttons_)
        if (b->text() == label) return b;
    return nullptr;
}

bool LabelsDialog::select_label(const std::optional<std::string>& name) {
    if (!name) {
        list_->clearSelection();
        return true;
    }
    std::optional<std::size_t> found = logic_.find(*name);
    if (!found) return false;
    for (int i = 0; i < list_->topLevelItemCount(); ++i)
        if (list_->topLevelItem(i)->data(0, kEntryRole).toULongLong() == *found)
            list_->setCurrentItem(list_->topLevelItem(i));
    return true;
}

void LabelsDialog::fill_list() {
    filling_ = true;
    list_->clear();
    const auto& entries = logic_.entries();
    const bool verilog = logic_.viewing_verilog();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].deleted) continue;
        const std::string& text = verilog ? entries[i].verilog_text : entries[i].vhdl_text;
        auto* item =
            new QTreeWidgetItem(list_, {QString::fromStdString(entries[i].name),
                                        QString::fromStdString(text.substr(0, text.find('\n')))});
        item->setData(0, kEntryRole, static_cast<qulonglong>(i));
        if (logic_.selected() == i) item->setSelected(true);
    }
    filling_ = false;
    show_selected();
}

void LabelsDialog::show_selected() {
    filling_ = true;
    const bool verilog = logic_.viewing_verilog();
    view_->setText(verilog ? "&View Vhdl" : "&View Verilog");
    std::optional<std::size_t> selected = logic_.selected();
    const LabelEntry* entry = selected ? &logic_.entries()[*selected] : nullptr;
    text_->setPlainText(entry == nullptr ? QString()
                                         : QString::fromStdString(verilog ? entry->verilog_text
                                                                          : entry->vhdl_text));
    if (on_states_ != nullptr) {
        on_states_->setChecked(entry != nullptr && (entry->flags & kDefaultOnStates) != 0);
        on_transitions_->setChecked(entry != nullptr &&
                                    (entry->flags & kDefaultOnTransitions) != 0);
    }
    text_changed_ = false;
    filling_ = false;
}

// The typed text goes to the entry it was typed for before anything else happens.
bool LabelsDialog::commit_text() {
    if (!text_changed_) return true;
    text_changed_ = false;
    return logic_.set_text(text_->toPlainText().toStdString()) != Outcome::Refused;
}

void LabelsDialog::selection_changed() {
    if (filling_) return;
    commit_text();
    QList<QTreeWidgetItem*> chosen = list_->selectedItems();
    std::optional<std::size_t> index;
    if (!chosen.isEmpty()) index = chosen.front()->data(0, kEntryRole).toULongLong();
    logic_.select(index);
    fill_list();
}

void LabelsDialog::press(Outcome (LabelListDialog::*action)(const std::optional<std::string>&)) {
    commit_text();
    (logic_.*action)(std::nullopt);
    fill_list();
}

void LabelsDialog::press_delete() {
    commit_text();
    logic_.press_delete();
    fill_list();
}

void LabelsDialog::switch_view() {
    commit_text();
    logic_.view(!logic_.viewing_verilog());
    fill_list();
}

QWidget* LabelsDialog::widget_of(LabelDialogField field) const {
    switch (field) {
    case LabelDialogField::List:
    case LabelDialogField::Condition:
        return list_;
    case LabelDialogField::Asynchronous:
        return asynchronous_;
    case LabelDialogField::Priority:
        return priority_;
    case LabelDialogField::None:
        break;
    }
    return nullptr;
}

void LabelsDialog::ok() {
    if (!commit_text()) return;
    if (asynchronous_ != nullptr) {
        logic_.asynchronous = asynchronous_->isChecked();
        logic_.priority = priority_->value();
    }
    DialogResult<LabelDialogField> result;
    machine_edit(session_, machine_, words_of(purpose_).undo_description,
                 [&](const MachineContext&) {
                     result = logic_.confirm();
                     return result.outcome;
                 });
    if (result.outcome != Outcome::Refused) {
        accept();
        return;
    }
    if (QWidget* widget = widget_of(result.field)) widget->setFocus(Qt::OtherFocusReason);
}

DialogOutcome run_labels_dialog(QWidget* parent, Session& session, StateMachine& machine,
                                LabelDialogPurpose purpose, LabelDialogTarget target) {
    LabelsDialog dialog(parent, session, machine, purpose, target);
    return dialog.exec() == QDialog::Accepted ? DialogOutcome::Accepted : DialogOutcome::Cancelled;
}

} // namespace zeph
