// The labelled-field dialog that every dialog of the main window is built from.
#include "dialogs/form_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace zeph {

namespace {

QString text_of(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

FormDialog::FormDialog(QWidget* parent, const std::string& title)
    : QDialog(parent), form_(new QFormLayout),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel)) {
    setWindowTitle(text_of(title));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form_);
    layout->addWidget(buttons_);
    QObject::connect(buttons_, &QDialogButtonBox::accepted, this, [this] { accept_if_checked(); });
    QObject::connect(buttons_, &QDialogButtonBox::rejected, this, [this] { reject(); });
}

void FormDialog::add_heading(const std::string& text) {
    auto* heading = new QLabel(text_of(text), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    form_->addRow(heading);
}

QLineEdit* FormDialog::add_line(const std::string& label, std::string& value, int max_length,
                                int field) {
    auto* edit = new QLineEdit(text_of(value), this);
    edit->setMaxLength(max_length);
    form_->addRow(text_of(label), edit);
    collect_.push_back([edit, &value] { value = edit->text().toStdString(); });
    remember(field, edit);
    return edit;
}

QComboBox* FormDialog::add_choice(const std::string& label, int& value,
                                  const std::vector<std::string>& items, int first, int field) {
    auto* combo = new QComboBox(this);
    for (const std::string& item : items)
        combo->addItem(text_of(item));
    combo->setCurrentIndex(value - first);
    form_->addRow(text_of(label), combo);
    collect_.push_back([combo, &value, first] {
        if (combo->currentIndex() >= 0) value = combo->currentIndex() + first;
    });
    remember(field, combo);
    return combo;
}

QCheckBox* FormDialog::add_check(const std::string& label, bool& value, int field) {
    auto* box = new QCheckBox(text_of(label), this);
    box->setChecked(value);
    form_->addRow(box);
    collect_.push_back([box, &value] { value = box->isChecked(); });
    remember(field, box);
    return box;
}

QSpinBox* FormDialog::add_number(const std::string& label, int& value, int minimum, int maximum,
                                 int field) {
    auto* spin = new QSpinBox(this);
    spin->setRange(minimum, maximum);
    spin->setValue(value);
    form_->addRow(text_of(label), spin);
    collect_.push_back([spin, &value] { value = spin->value(); });
    remember(field, spin);
    return spin;
}

void FormDialog::add_row(const std::string& label, QWidget* widget, std::function<void()> collect,
                         int field) {
    form_->addRow(text_of(label), widget);
    if (collect) collect_.push_back(std::move(collect));
    remember(field, widget);
}

QPushButton* FormDialog::add_button(const std::string& label, std::function<void()> pressed) {
    auto* button = new QPushButton(text_of(label), this);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, this,
                     [pressed = std::move(pressed)] { pressed(); });
    form_->addRow(button);
    return button;
}

QWidget* FormDialog::field_widget(int field) const {
    auto found = fields_.find(field);
    return found != fields_.end() ? found->second : nullptr;
}

QWidget* FormDialog::find_field(const std::string& label) const {
    const QString wanted = text_of(label);
    for (int row = 0; row < form_->rowCount(); ++row) {
        QLayoutItem* label_item = form_->itemAt(row, QFormLayout::LabelRole);
        QLayoutItem* field_item = form_->itemAt(row, QFormLayout::FieldRole);
        QLayoutItem* spanning = form_->itemAt(row, QFormLayout::SpanningRole);
        if (label_item != nullptr && field_item != nullptr)
            if (auto* shown = qobject_cast<QLabel*>(label_item->widget());
                shown != nullptr && shown->text() == wanted)
                return field_item->widget();
        if (spanning != nullptr)
            if (auto* button = qobject_cast<QAbstractButton*>(spanning->widget());
                button != nullptr && button->text() == wanted)
                return button;
    }
    return nullptr;
}

QPushButton* FormDialog::ok_button() const {
    return buttons_->button(QDialogButtonBox::Ok);
}

QPushButton* FormDialog::cancel_button() const {
    return buttons_->button(QDialogButtonBox::Cancel);
}

DialogOutcome FormDialog::run() {
    return exec() == QDialog::Accepted ? DialogOutcome::Accepted : DialogOutcome::Cancelled;
}

void FormDialog::accept_if_checked() {
    for (const auto& collect : collect_)
        collect();
    std::optional<int> refused = check_ ? check_() : std::nullopt;
    if (!refused) {
        accept();
        return;
    }
    if (QWidget* widget = field_widget(*refused)) {
        widget->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->selectAll();
    }
}

void FormDialog::remember(int field, QWidget* widget) {
    if (field != 0 && !fields_.contains(field)) fields_[field] = widget;
}

} // namespace zeph
