// The Qt platform layer.
#include "qt_platform.h"
#include "qt_text.h"

#include "file_filters.h"
#include "report_dock.h"
#include "sheet_picker.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QStatusBar>

namespace zeph {

namespace {
// Keeps a busy cursor while a child runs.
class BusyCursor {
  public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::BusyCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// Runs the child on the event loop, so that the window repaints and the output can be shown
// as it comes; the user's input waits until the child has ended.
ui::ChildResult run_on_event_loop(const ui::ChildProcess& child, const ui::OutputSink* sink) {
    ui::ChildResult result;
    if (child.argv.empty()) return result;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    if (!child.working_dir.empty()) process.setWorkingDirectory(qt_text(child.working_dir));
    QStringList arguments;
    for (std::size_t i = 1; i < child.argv.size(); ++i)
        arguments << qt_text(child.argv[i]);

    QEventLoop loop;
    bool failed_to_start = false;
    QObject::connect(&process, &QProcess::readyReadStandardOutput, &loop, [&] {
        QByteArray piece = process.readAllStandardOutput();
        if (sink != nullptr)
            (*sink)(std::string_view(piece.constData(), static_cast<std::size_t>(piece.size())));
        else
            result.output.append(piece.constData(), static_cast<std::size_t>(piece.size()));
    });
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) {
            failed_to_start = true;
            loop.quit();
        }
    });
    BusyCursor busy;
    process.start(qt_text(child.argv.front()), arguments, QIODevice::ReadOnly);
    if (!failed_to_start) loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (failed_to_start) return result;
    // What came after the last readyRead.
    QByteArray rest = process.readAllStandardOutput();
    if (!rest.isEmpty()) {
        if (sink != nullptr)
            (*sink)(std::string_view(rest.constData(), static_cast<std::size_t>(rest.size())));
        else
            result.output.append(rest.constData(), static_cast<std::size_t>(rest.size()));
    }
    result.started = true;
    // On a crash Qt gives the signal number as the exit code.
    result.exit_code =
        process.exitStatus() == QProcess::CrashExit ? 128 + process.exitCode() : process.exitCode();
    return result;
}
} // namespace

QtPlatform::QtPlatform(std::string program_title) : program_title_(std::move(program_title)) {}

void QtPlatform::attach(QWidget* window, QStatusBar* status, ReportDock* report,
                        SheetPicker* picker) {
    window_ = window;
    status_ = status;
    report_ = report;
    picker_ = picker;
    if (report_ == nullptr) return;
    std::vector<HeldCall> held = std::move(held_);
    held_.clear();
    for (const HeldCall& call : held) {
        switch (call.kind) {
        case HeldCall::Clear:
            report_clear();
            break;
        case HeldCall::Title:
            report_title(call.text);
            break;
        case HeldCall::Append:
            report_append(call.text);
            break;
        case HeldCall::BringUp:
            report_bring_up();
            break;
        case HeldCall::Close:
            report_close();
            break;
        }
    }
}

void QtPlatform::message_box(const std::string& title, const std::string& text) {
    QMessageBox box(QMessageBox::Information, qt_text(title.empty() ? program_title_ : title),
                    qt_text(text), QMessageBox::Ok, window_);
    box.exec();
}

ui::Answer QtPlatform::ask(const std::string& title, const std::string& question,
                           bool with_cancel) {
    QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
    if (with_cancel) buttons |= QMessageBox::Cancel;
    QMessageBox box(QMessageBox::Question, qt_text(title.empty() ? program_title_ : title),
                    qt_text(question), buttons, window_);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(with_cancel ? QMessageBox::Cancel : QMessageBox::No);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return ui::Answer::Yes;
    case QMessageBox::No:
        return ui::Answer::No;
    default:
        return with_cancel ? ui::Answer::Cancel : ui::Answer::No;
    }
}

ui::Answer QtPlatform::ask_yes_no(const std::string& title, const std::string& question) {
    return ask(title, question, false);
}

ui::Answer QtPlatform::ask_yes_no_cancel(const std::string& title, const std::string& question) {
    return ask(title, question, true);
}

std::optional<std::string> QtPlatform::prompt_text(const std::string& prompt,
                                                   const std::string& proposal,
                                                   std::size_t max_length) {
    QInputDialog dialog(window_);
    dialog.setWindowTitle(qt_text(program_title_));
    dialog.setLabelText(qt_text(prompt));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextValue(qt_text(proposal));
    if (auto* edit = dialog.findChild<QLineEdit*>())
        edit->setMaxLength(static_cast<int>(std::min<std::size_t>(max_length, 32767)));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    QString text = dialog.textValue();
    if (static_cast<std::size_t>(text.size()) > max_length)
        text.truncate(static_cast<qsizetype>(max_length));
    return text.toStdString();
}

void QtPlatform::status(const std::string& text, bool beep) {
    if (beep) {
        ++beeps_;
        QApplication::beep();
    }
    if (status_ != nullptr) status_->showMessage(qt_text(text));
}

void QtPlatform::report_clear() {
    if (report_ == nullptr)
        held_.push_back({HeldCall::Clear, {}});
    else
        report_->clear();
}

void QtPlatform::report_title(const std::string& title) {
    if (report_ == nullptr)
        held_.push_back({HeldCall::Title, title});
    else
        report_->set_title(title);
}

void QtPlatform::report_append(const std::string& line) {
    if (report_ == nullptr)
        held_.push_back({HeldCall::Append, line});
    else
        report_->append(line);
}

void QtPlatform::report_bring_up() {
    if (report_ == nullptr)
        held_.push_back({HeldCall::BringUp, {}});
    else
        report_->bring_up();
}

void QtPlatform::report_close() {
    if (report_ == nullptr)
        held_.push_back({HeldCall::Close, {}});
    else
        report_->close_report();
}

std::optional<std::string> QtPlatform::file_dialog(const ui::FileDialog& dialog, bool saving) {
    QFileDialog files(window_, qt_text(dialog.title), qt_text(dialog.start_dir),
                      qt_file_filter(dialog.filter));
    files.setOption(QFileDialog::DontUseNativeDialog);
    files.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    files.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!dialog.proposal.empty()) files.selectFile(qt_text(dialog.proposal));
    if (files.exec() != QDialog::Accepted || files.selectedFiles().isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(files.selectedFiles().front()).toStdString();
}

std::optional<std::string> QtPlatform::open_file(const ui::FileDialog& dialog) {
    return file_dialog(dialog, false);
}

std::optional<std::string> QtPlatform::save_file(const ui::FileDialog& dialog) {
    return file_dialog(dialog, true);
}

std::optional<ui::Point> QtPlatform::pick_point(const std::string& prompt) {
    if (picker_ == nullptr) return std::nullopt;
    return picker_->pick_point(prompt);
}

std::optional<ui::Rect> QtPlatform::pick_rect(const std::string& prompt) {
    if (picker_ == nullptr) return std::nullopt;
    return picker_->pick_rect(prompt);
}

void QtPlatform::set_clipboard(const std::string& text) {
    QApplication::clipboard()->setText(qt_text(text));
}

std::string QtPlatform::clipboard() {
    return QApplication::clipboard()->text().toStdString();
}

ui::ChildResult QtPlatform::run_child(const ui::ChildProcess& child) {
    return run_on_event_loop(child, nullptr);
}

ui::ChildResult QtPlatform::run_child_streamed(const ui::ChildProcess& child,
                                               const ui::OutputSink& sink) {
    return run_on_event_loop(child, &sink);
}

} // namespace zeph
