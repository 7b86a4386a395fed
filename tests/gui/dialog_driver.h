// Driving a modal dialog from a test: the action runs once the dialog shows (inside its own
// event loop), fills its real widgets and presses its real buttons. A dialog the action left
// open is cancelled so that no test waits forever.
#pragma once

#include "dialogs/form_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace gui_test {

template <class Dialog> void when_shown(std::function<void(Dialog&)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        auto* dialog = dynamic_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            ADD_FAILURE() << "no dialog of the expected kind is showing";
            return;
        }
        act(*dialog);
        if (dialog->isVisible()) dialog->reject();
    });
}

inline void when_form_shown(std::function<void(zeph::FormDialog&)> act) {
    when_shown<zeph::FormDialog>(std::move(act));
}

template <class Widget> Widget* field(zeph::FormDialog& dialog, const std::string& label) {
    auto* widget = qobject_cast<Widget*>(dialog.find_field(label));
    EXPECT_NE(widget, nullptr) << "no field " << label;
    return widget;
}

// Replaces the text of a line edit by typing, as a user does.
inline void type(zeph::FormDialog& dialog, const std::string& label, const std::string& text) {
    if (auto* edit = field<QLineEdit>(dialog, label)) {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, QString::fromStdString(text));
    }
}

inline void choose(zeph::FormDialog& dialog, const std::string& label, const std::string& item) {
    if (auto* combo = field<QComboBox>(dialog, label)) {
        int index = combo->findText(QString::fromStdString(item));
        EXPECT_GE(index, 0) << item << " is not offered by " << label;
        combo->setCurrentIndex(index);
    }
}

// Toggles a check box with the space bar, as from the keyboard.
inline void toggle(zeph::FormDialog& dialog, const std::string& label) {
    if (auto* box = field<QCheckBox>(dialog, label)) QTest::keyClick(box, Qt::Key_Space);
}

inline void set_number(zeph::FormDialog& dialog, const std::string& label, int value) {
    if (auto* spin = field<QSpinBox>(dialog, label)) spin->setValue(value);
}

inline void press_ok(zeph::FormDialog& dialog) {
    QTest::mouseClick(dialog.ok_button(), Qt::LeftButton);
}

inline void press_cancel(zeph::FormDialog& dialog) {
    QTest::mouseClick(dialog.cancel_button(), Qt::LeftButton);
}

} // namespace gui_test
