// The configurations dialog. New configurations join the design at once (their name is checked
// against the others there) and leave it again when the dialog is cancelled or they are
// deleted in it; configurations that existed before are deleted, and info texts changed, only
// by OK.
#include "dialogs/configurations_dialog.h"

#include "dialogs/form_dialog.h"

#include "blockdiagram/configurations.h"
#include "shell/hierarchy_operations.h"
#include "shell/session.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>
#include <map>

namespace zeph {

namespace {

constexpr int kInfoLimit = 50;

class ConfigurationsForm {
  public:
    ConfigurationsForm(FormDialog& dialog, Session& session)
        : dialog_(dialog), session_(session), design_(*session.design()),
          list_(new QListWidget(&dialog)) {
        dialog.add_heading(" Configurations: ");
        dialog.add_row("C&onfigurations:", list_);
        info_ = dialog.add_line("&Info:", info_value_, kInfoLimit);
        add_buttons();
        std::vector<std::string> actions(std::begin(kConfigurationActions),
                                         std::end(kConfigurationActions));
        dialog.add_choice("Ac&tion:", action_, actions);
        QObject::connect(list_, &QListWidget::currentRowChanged, &dialog, [this](int row) {
            if (filling_) return;
            take_info();
            selected_ = row >= 0 && static_cast<std::size_t>(row) < shown_.size()
                            ? shown_[static_cast<std::size_t>(row)]
                            : nullptr;
            show_info();
        });
        selected_ = design_.current_configuration;
        show();
    }

    // OK: deletions, info texts, then the selected configuration becomes current.
    void accept() {
        take_info();
        bool changed = false;
        for (Configuration* gone : deleted_) {
            delete_configuration(design_, *gone);
            infos_.erase(gone);
            changed = true;
        }
        for (auto& [configuration, info] : infos_) {
            std::string kept = info.substr(0, kInfoLimit);
            if (kept == configuration->description) continue;
            configuration->description = kept;
            changed = true;
        }
        changed = changed || !added_.empty();
        added_.clear();
        if (changed) {
            session_.project().mark_configuration_changed();
            session_.mark_modified();
        }
        if (selected_ != nullptr)
            make_configuration_current(session_, *selected_,
                                       static_cast<ConfigurationAction>(action_));
    }

    // Cancel: the configurations made in the dialog go again.
    void cancel() {
        for (Configuration* made : added_)
            delete_configuration(design_, *made);
        added_.clear();
    }

  private:
    void add_buttons() {
        auto* row = new QWidget(&dialog_);
        auto* layout = new QHBoxLayout(row);
        layout->setContentsMargins(0, 0, 0, 0);
        auto add = [&](const char* label, void (ConfigurationsForm::*pressed)()) {
            auto* button = new QPushButton(label, row);
            button->setAutoDefault(false);
            layout->addWidget(button);
            QObject::connect(button, &QPushButton::clicked, &dialog_,
                             [this, pressed] { (this->*pressed)(); });
        };
        add("&New", &ConfigurationsForm::add_new);
        add("&Edit", &ConfigurationsForm::edit);
        add("&Delete", &ConfigurationsForm::remove);
        dialog_.add_row("", row);
    }

    void add_new() {
        take_info();
        Configuration* made =
            new_configuration(session_.platform(), design_, design_.language_checking);
        if (made == nullptr) return;
        added_.push_back(made);
        infos_[made] = made->description;
        selected_ = made;
        show();
    }

    void edit() {
        info_->setFocus(Qt::OtherFocusReason);
        info_->selectAll();
    }

    void remove() {
        if (selected_ == nullptr) return;
        take_info();
        Configuration* gone = selected_;
        infos_.erase(gone);
        auto made = std::find(added_.begin(), added_.end(), gone);
        if (made != added_.end()) {
            added_.erase(made);
            delete_configuration(design_, *gone);
        } else {
            deleted_.push_back(gone);
        }
        selected_ = nullptr;
        show();
    }

    bool is_deleted(const Configuration* configuration) const {
        return std::find(deleted_.begin(), deleted_.end(), configuration) != deleted_.end();
    }

    // The info field into the working text of the selected configuration.
    void take_info() {
        if (selected_ != nullptr) infos_[selected_] = info_->text().toStdString();
    }

    void show_info() {
        std::string info;
        if (selected_ != nullptr) {
            auto known = infos_.find(selected_);
            info = known != infos_.end() ? known->second : selected_->description;
        }
        info_->setText(QString::fromStdString(info));
    }

    void show() {
        filling_ = true;
        list_->clear();
        shown_.clear();
        std::vector<std::string> lines = configuration_list(design_);
        for (std::size_t i = 0; i < design_.configurations.size() && i < lines.size(); ++i) {
            Configuration* configuration = design_.configurations[i].get();
            if (is_deleted(configuration)) continue;
            shown_.push_back(configuration);
            list_->addItem(QString::fromStdString(lines[i]));
            if (configuration == selected_) list_->setCurrentRow(list_->count() - 1);
        }
        if (std::find(shown_.begin(), shown_.end(), selected_) == shown_.end()) selected_ = nullptr;
        show_info();
        filling_ = false;
    }

    FormDialog& dialog_;
    Session& session_;
    Design& design_;
    QListWidget* list_;
    QLineEdit* info_ = nullptr;
    std::string info_value_;
    int action_ = 0;
    std::vector<Configuration*> shown_; // parallel to the list's rows
    std::vector<Configuration*> added_;
    std::vector<Configuration*> deleted_;
    std::map<Configuration*, std::string> infos_;
    Configuration* selected_ = nullptr;
    bool filling_ = false;
};

} // namespace

DialogOutcome run_configurations_dialog(QWidget* parent, Session& session) {
    FormDialog dialog(parent, kConfigurationsTitle);
    ConfigurationsForm form(dialog, session);
    dialog.set_check([&]() -> std::optional<int> {
        form.accept();
        return std::nullopt;
    });
    DialogOutcome outcome = dialog.run();
    if (outcome != DialogOutcome::Accepted) form.cancel();
    return outcome;
}

} // namespace zeph
