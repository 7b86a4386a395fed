// The packages dialog: the core's PackageListEditor holds the working list, the selection and
// the current entry; every button first hands it the entry as typed, then shows the list and
// the entry again as the editor left them.
#include "dialogs/packages_dialog.h"

#include "dialogs/dialog_fields.h"
#include "dialogs/form_dialog.h"

#include "foundation/strings.h"
#include "hdl/package_binding.h"
#include "hdl/package_list.h"
#include "shell/default_packages.h"
#include "shell/session.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <cctype>

namespace zeph {

namespace {

class PackagesForm {
  public:
    PackagesForm(FormDialog& dialog, PackageListEditor& editor)
        : dialog_(dialog), editor_(editor), list_(new QListWidget(&dialog)) {
        dialog.add_heading(" Specification: ");
        dialog.add_row("", list_);
        add_buttons({"&Up", "&Down"});
        dialog.add_heading(" Current entry: ");
        global_ = dialog.add_check("&Global package", entry_.global);
        library_ = dialog.add_line("&Library:", entry_.library, kNameLimit);
        package_ = dialog.add_line("&Package:", entry_.package, kNameLimit);
        suffix_ = dialog.add_line("&Suffix:", entry_.suffix, kNameLimit);
        file_ = dialog.add_line("&Filename:", entry_.file_name, kValueLimit);
        dialog.add_heading(" Actions: ");
        add_buttons({"&Insert", "&Change", "&Delete"});
        // The selection, not the current row: the list makes its first line current when it
        // takes the focus, which is no choice of the user's.
        QObject::connect(list_, &QListWidget::itemSelectionChanged, &dialog, [this] {
            if (filling_) return;
            take_entry();
            const QList<QListWidgetItem*> chosen = list_->selectedItems();
            std::optional<std::size_t> row;
            if (!chosen.isEmpty()) row = static_cast<std::size_t>(list_->row(chosen.front()));
            editor_.select(row);
            show();
        });
        show();
        library_->setFocus(Qt::OtherFocusReason);
    }

    // OK: the entry as typed, then the editor's own acceptance.
    bool accept() {
        take_entry();
        const bool accepted = editor_.accept();
        show();
        return accepted;
    }

  private:
    void add_buttons(std::initializer_list<const char*> labels) {
        auto* row = new QWidget(&dialog_);
        auto* layout = new QHBoxLayout(row);
        layout->setContentsMargins(0, 0, 0, 0);
        for (const char* label : labels) {
            auto* button = new QPushButton(label, row);
            button->setAutoDefault(false);
            layout->addWidget(button);
            const std::string action = label;
            QObject::connect(button, &QPushButton::clicked, &dialog_,
                             [this, action] { press(action); });
        }
        dialog_.add_row("", row);
    }

    void press(const std::string& action) {
        take_entry();
        if (action == "&Up")
            editor_.up();
        else if (action == "&Down")
            editor_.down();
        else if (action == "&Insert")
            editor_.insert();
        else if (action == "&Change")
            editor_.change();
        else
            editor_.remove();
        show();
    }

    void take_entry() {
        PackageFields& entry = editor_.entry();
        entry.global = global_->isChecked();
        entry.library = library_->text().toStdString();
        entry.package = package_->text().toStdString();
        entry.suffix = suffix_->text().toStdString();
        entry.file_name = file_->text().toStdString();
    }

    void show() {
        filling_ = true;
        list_->clear();
        for (const std::string& line : editor_.lines())
            list_->addItem(QString::fromStdString(line));
        if (std::optional<std::size_t> selected = editor_.selected())
            list_->setCurrentRow(static_cast<int>(*selected));
        const PackageFields& entry = editor_.entry();
        global_->setChecked(entry.global);
        library_->setText(QString::fromStdString(entry.library));
        package_->setText(QString::fromStdString(entry.package));
        suffix_->setText(QString::fromStdString(entry.suffix));
        file_->setText(QString::fromStdString(entry.file_name));
        filling_ = false;
    }

    FormDialog& dialog_;
    PackageListEditor& editor_;
    PackageFields entry_; // the form's own copies, which OK's collection writes into
    QListWidget* list_;
    QCheckBox* global_ = nullptr;
    QLineEdit* library_ = nullptr;
    QLineEdit* package_ = nullptr;
    QLineEdit* suffix_ = nullptr;
    QLineEdit* file_ = nullptr;
    bool filling_ = false;
};

// The binding dialog: the core's PackageBindingEditor holds the selections and the working
// copies of the entities' lists; the buttons are enabled as it allows.
class BindingForm {
  public:
    BindingForm(FormDialog& dialog, PackageBindingEditor& editor)
        : editor_(editor), entities_(new QListWidget(&dialog)),
          packages_(new QListWidget(&dialog)) {
        auto* lists = new QWidget(&dialog);
        auto* layout = new QHBoxLayout(lists);
        layout->setContentsMargins(0, 0, 0, 0);
        auto column = [&](const char* heading, QWidget* list) {
            auto* box = new QWidget(lists);
            auto* inner = new QVBoxLayout(box);
            inner->setContentsMargins(0, 0, 0, 0);
            inner->addWidget(new QLabel(heading, box));
            inner->addWidget(list);
            layout->addWidget(box);
        };
        entities_->setObjectName(QStringLiteral("entities"));
        packages_->setObjectName(QStringLiteral("packages"));
        column(" Entities: ", entities_);
        column(" Packages: ", packages_);
        dialog.add_row("", lists);
        add_ = dialog.add_button("&Add", [this] {
            editor_.add();
            show();
        });
        remove_ = dialog.add_button("&Remove", [this] {
            editor_.remove();
            show();
        });
        for (Entity* entity : editor_.entities())
            entities_->addItem(QString::fromStdString(entity->name));
        QObject::connect(entities_, &QListWidget::currentRowChanged, &dialog, [this](int row) {
            if (filling_) return;
            editor_.select_entity(
                row < 0 ? std::nullopt : std::optional<std::size_t>(static_cast<std::size_t>(row)));
            show();
        });
        QObject::connect(packages_, &QListWidget::currentRowChanged, &dialog, [this](int row) {
            if (filling_) return;
            editor_.select_specification(
                row < 0 ? std::nullopt : std::optional<std::size_t>(static_cast<std::size_t>(row)));
            show();
        });
        if (!editor_.entities().empty()) entities_->setCurrentRow(0);
        show();
    }

  private:
    void show() {
        filling_ = true;
        packages_->clear();
        for (const std::string& line : editor_.lines())
            packages_->addItem(QString::fromStdString(line));
        if (std::optional<std::size_t> spec = editor_.selected_specification())
            packages_->setCurrentRow(static_cast<int>(*spec));
        add_->setEnabled(editor_.can_add());
        remove_->setEnabled(editor_.can_remove());
        filling_ = false;
    }

    PackageBindingEditor& editor_;
    QListWidget* entities_;
    QListWidget* packages_;
    QPushButton* add_ = nullptr;
    QPushButton* remove_ = nullptr;
    bool filling_ = false;
};

} // namespace

DialogOutcome run_default_packages_dialog(QWidget* parent, Session& session) {
    // An entry that does not fit would be written back cut.
    if (std::optional<std::size_t> bad = default_entry_too_long(session.settings())) {
        std::string text = format_text(kDefaultEntryTooLong, *bad + 1);
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
        session.platform().message_box(kDefaultPackagesTitle, text + ".");
        return DialogOutcome::Cancelled;
    }
    PackageListEditor editor = default_package_editor(session);
    FormDialog dialog(parent, kDefaultPackagesTitle);
    PackagesForm form(dialog, editor);
    dialog.set_check([&]() -> std::optional<int> {
        if (!form.accept()) return 0;
        return std::nullopt;
    });
    DialogOutcome outcome = dialog.run();
    if (outcome == DialogOutcome::Accepted) apply_default_packages(session, editor);
    return outcome;
}

DialogOutcome run_package_binding_dialog(QWidget* parent, Session& session) {
    PackageBindingEditor editor(*session.design());
    FormDialog dialog(parent, kPackageBindingTitle);
    BindingForm form(dialog, editor);
    DialogOutcome outcome = dialog.run();
    if (outcome == DialogOutcome::Accepted && editor.commit()) session.mark_modified();
    return outcome;
}

DialogOutcome run_packages_dialog(QWidget* parent, Session& session) {
    Design& design = *session.design();
    PackageListEditor editor = design_package_editor(design, session.events());
    FormDialog dialog(parent, kDesignPackagesTitle);
    PackagesForm form(dialog, editor);
    dialog.set_check([&]() -> std::optional<int> {
        if (!form.accept()) return 0;
        return std::nullopt;
    });
    DialogOutcome outcome = dialog.run();
    if (outcome == DialogOutcome::Accepted) apply_package_list(design, editor, session.events());
    return outcome;
}

} // namespace zeph
