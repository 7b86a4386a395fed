// Answering the modal dialogs a test's action opens: the answer waits on the event loop for the
// next modal widget and acts on it (presses a button, fills a field). Message boxes answered
// this way run their real exec() path.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>

namespace gui_test {

// Acts on the next modal widget that shows, once. Gives up (doing nothing) after `patience_ms`.
inline void on_next_modal(std::function<void(QWidget*)> act, int patience_ms = 10000) {
    auto* poll = new QTimer;
    auto waited = std::make_shared<int>(0);
    constexpr int kStepMs = 5;
    QObject::connect(poll, &QTimer::timeout, [poll, waited, act = std::move(act), patience_ms] {
        *waited += kStepMs;
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr && *waited < patience_ms) return;
        poll->stop();
        poll->deleteLater();
        if (modal != nullptr) act(modal);
    });
    poll->start(kStepMs);
}

// Presses the button of the next message box; its text goes to `text` when given.
inline void press_in_next_box(QMessageBox::StandardButton button, std::string* text = nullptr,
                              std::string* title = nullptr) {
    on_next_modal([button, text, title](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr) {
            modal->close();
            return;
        }
        if (text != nullptr) *text = box->text().toStdString();
        if (title != nullptr) *title = box->windowTitle().toStdString();
        box->button(button)->click();
    });
}

} // namespace gui_test
