// A dialog made of labelled fields bound to the members of a fields record: line edits, choice
// lists, check boxes and section headings in the order they are added. OK copies every
// widget's value into its member and runs the check the dialog was given; a refusal (whose
// message the core has already shown through the platform) keeps the dialog open with the focus
// on the field the check names. Cancel leaves the record as the widgets never touched it.
#pragma once

#include "dialog_outcome.h"

#include <QDialog>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QFormLayout;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace zeph {

class FormDialog : public QDialog {
  public:
    // The check run by OK: nullopt accepts; a field number refuses (0: no field to focus).
    using Check = std::function<std::optional<int>()>;

    FormDialog(QWidget* parent, const std::string& title);

    // A heading over the fields that follow (" Definition: ", " Grid: ").
    void add_heading(const std::string& text);
    // `field` names the widget for the focus after a refusal; 0 when no check names it.
    QLineEdit* add_line(const std::string& label, std::string& value, int max_length,
                        int field = 0);
    // The choice at position `value - first` of `items` is shown; OK stores position + first.
    QComboBox* add_choice(const std::string& label, int& value,
                          const std::vector<std::string>& items, int first = 0, int field = 0);
    QCheckBox* add_check(const std::string& label, bool& value, int field = 0);
    QSpinBox* add_number(const std::string& label, int& value, int minimum, int maximum,
                         int field = 0);
    // Any other widget in a labelled row; `collect` takes its value on OK.
    void add_row(const std::string& label, QWidget* widget, std::function<void()> collect = {},
                 int field = 0);
    // A push button beside the fields ("C&olors...") running `pressed`.
    QPushButton* add_button(const std::string& label, std::function<void()> pressed);

    // Another field number that puts the focus on the widget (a range as a whole: its left).
    void name_field(int field, QWidget* widget) { remember(field, widget); }

    void set_check(Check check) { check_ = std::move(check); }
    QWidget* field_widget(int field) const;
    // The widget of the row labelled `label` (a check box by its own text), as shown.
    QWidget* find_field(const std::string& label) const;
    QPushButton* ok_button() const;
    QPushButton* cancel_button() const;

    // Runs the dialog modally.
    DialogOutcome run();

  private:
    void accept_if_checked();
    void remember(int field, QWidget* widget);

    QFormLayout* form_;
    QDialogButtonBox* buttons_;
    std::vector<std::function<void()>> collect_;
    std::map<int, QWidget*> fields_;
    Check check_;
};

// The check result of a core dialog operation as FormDialog wants it.
template <class Result> std::optional<int> refused_field(const Result& result, bool refused) {
    if (!refused) return std::nullopt;
    return static_cast<int>(result.field);
}

} // namespace zeph
