// "Edit Instance" on the form framework with an architecture list. The list edits the core's
// InstanceFields rows (new, renamed, retyped and deleted rows, the binding as the selected
// row); OK is the core's edit_instance with its checks and questions.
#include "dialogs/instance_dialog.h"

#include "dialogs/dialog_fields.h"
#include "dialogs/form_dialog.h"

#include "blockdiagram/edit_instance.h"
#include "design/architecture.h"
#include "foundation/kind_vocabulary.h"
#include "foundation/strings.h"
#include "shell/session.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>

namespace zeph {

namespace {

// The dialog lists the kinds in this order.
constexpr int kKindOrder[] = {kArchitectureHdlFile, kArchitectureBlockDiagram,
                              kArchitectureStateDiagram};
const std::vector<std::string> kKindChoices = {"HDL File", "Block Diagram", "State Diagram"};

int kind_position(int kind) {
    for (int i = 0; i < 3; ++i)
        if (kKindOrder[i] == kind) return i;
    return -1;
}

// "a" and the smallest number no row carries.
std::string new_row_name(const InstanceFields& fields) {
    for (int n = 0;; ++n) {
        std::string name = "a" + std::to_string(n);
        if (architecture_row(fields, name) < 0) return name;
    }
}

// The list, its buttons and the type of the selected row, over the fields' rows.
class ArchitectureList {
  public:
    ArchitectureList(FormDialog& dialog, Session& session, InstanceFields& fields)
        : session_(session), fields_(fields), list_(new QListWidget(&dialog)),
          kind_(new QComboBox(&dialog)) {
        for (const std::string& choice : kKindChoices)
            kind_->addItem(QString::fromStdString(choice));
        auto* buttons = new QWidget(&dialog);
        auto* row = new QHBoxLayout(buttons);
        row->setContentsMargins(0, 0, 0, 0);
        for (const char* label : {"&New", "&Edit", "&Delete"}) {
            auto* button = new QPushButton(label, buttons);
            button->setAutoDefault(false);
            row->addWidget(button);
            QObject::connect(button, &QPushButton::clicked, &dialog,
                             [this, label] { press(label); });
        }
        dialog.add_row("&Binding indication:", list_, [this] {
            fields_.binding = list_->currentRow() >= 0 ? row_of(list_->currentRow()) : -1;
        });
        dialog.add_row("", buttons);
        dialog.add_row("Architecture &type:", kind_);
        QObject::connect(list_, &QListWidget::currentRowChanged, &dialog,
                         [this](int) { show_kind(); });
        QObject::connect(kind_, &QComboBox::currentIndexChanged, &dialog, [this](int position) {
            if (ArchitectureRow* r = current(); !showing_ && r != nullptr && position >= 0)
                r->kind = kKindOrder[position];
        });
        fill(fields_.binding);
    }

  private:
    // The field row of a list position (deleted rows are not listed).
    int row_of(int position) const {
        int shown = -1;
        for (std::size_t i = 0; i < fields_.architectures.size(); ++i)
            if (!fields_.architectures[i].deleted && ++shown == position)
                return static_cast<int>(i);
        return -1;
    }

    ArchitectureRow* current() {
        int row = list_->currentRow() >= 0 ? row_of(list_->currentRow()) : -1;
        return row >= 0 ? &fields_.architectures[static_cast<std::size_t>(row)] : nullptr;
    }

    void fill(int selected_row) {
        list_->clear();
        int position = 0;
        for (std::size_t i = 0; i < fields_.architectures.size(); ++i) {
            if (fields_.architectures[i].deleted) continue;
            list_->addItem(QString::fromStdString(fields_.architectures[i].name));
            if (static_cast<int>(i) == selected_row) list_->setCurrentRow(position);
            ++position;
        }
        show_kind();
    }

    void show_kind() {
        ArchitectureRow* r = current();
        showing_ = true;
        kind_->setEnabled(r != nullptr);
        kind_->setCurrentIndex(r != nullptr ? kind_position(r->kind) : -1);
        showing_ = false;
    }

    std::optional<std::string> ask_name(const std::string& proposal) {
        const std::string prompt = format_text(
            "Enter %s:", kind_name(session_.language(), kKindArchitecture, 0, 1).c_str());
        return session_.platform().prompt_text(prompt, proposal, kNameLimit);
    }

    void press(const std::string& label) {
        if (label == "&New") {
            std::optional<std::string> name = ask_name(new_row_name(fields_));
            if (!name || name->empty()) return;
            fields_.architectures.push_back({nullptr, *name, kArchitectureBlockDiagram, false});
            fill(static_cast<int>(fields_.architectures.size()) - 1);
            return;
        }
        ArchitectureRow* r = current();
        if (r == nullptr) return;
        const int row = static_cast<int>(r - fields_.architectures.data());
        if (label == "&Edit") {
            if (std::optional<std::string> name = ask_name(r->name); name && !name->empty())
                r->name = *name;
            fill(row);
            return;
        }
        r->deleted = true;
        fill(-1);
    }

    Session& session_;
    InstanceFields& fields_;
    QListWidget* list_;
    QComboBox* kind_;
    bool showing_ = false; // the type shown follows the selection, which is no choice
};

} // namespace

DialogOutcome run_instance_dialog(QWidget* parent, Session& session, Component& component) {
    DiagramEditor& editor = session.editor();
    InstanceFields f = instance_fields(component);
    FormDialog dialog(parent, "Edit Instance");
    dialog.add_heading(" Instance: ");
    dialog.add_line("&Label:", f.label, kNameLimit);
    dialog.add_heading(" " + kind_name(session.language(), kKindEntity, kKindCapital, 1) + ": ");
    dialog.add_line("&Name:", f.entity_name, kNameLimit);
    dialog.add_heading("Hdl source:");
    dialog.add_check("&External generated", f.external);
    dialog.add_line("&Library:", f.library_name, kNameLimit);
    ArchitectureList architectures(dialog, session, f);
    bool changed = false;
    dialog.set_check([&]() -> std::optional<int> {
        Outcome outcome = edit_instance(editor, component, f);
        if (outcome == Outcome::Refused) return 0;
        changed = outcome == Outcome::Done;
        return std::nullopt;
    });
    DialogOutcome outcome = dialog.run();
    if (changed) session.mark_modified();
    return outcome;
}

} // namespace zeph
