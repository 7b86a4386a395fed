// The report window dock.
#include "report_dock.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QVBoxLayout>

namespace zeph {

namespace {
constexpr const char* kReportName = "Report";

// A line of the report names a file when it is one, or ends in one after a ": ".
std::optional<std::string> existing_file_in(const QString& text) {
    QString candidate = text.trimmed();
    if (candidate.isEmpty()) return std::nullopt;
    if (QFileInfo(candidate).isFile()) return candidate.toStdString();
    qsizetype colon = candidate.lastIndexOf(QStringLiteral(": "));
    if (colon >= 0) {
        QString tail = candidate.mid(colon + 2).trimmed();
        if (QFileInfo(tail).isFile()) return tail.toStdString();
    }
    return std::nullopt;
}
} // namespace

ReportDock::ReportDock(QWidget* parent)
    : QDockWidget(QString::fromUtf8(kReportName), parent), text_(new QPlainTextEdit),
      view_file_(new QPushButton(QStringLiteral("View File"))) {
    setObjectName(QStringLiteral("report"));
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* body = new QWidget;
    auto* column = new QVBoxLayout(body);
    column->setContentsMargins(2, 2, 2, 2);
    column->addWidget(text_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(view_file_);
    buttons->addStretch();
    column->addLayout(buttons);
    setWidget(body);
    connect(view_file_, &QPushButton::clicked, this, [this] {
        if (viewer_) viewer_(named_file());
    });
}

void ReportDock::clear() {
    text_->clear();
}

void ReportDock::set_title(const std::string& title) {
    title_ = QString::fromStdString(title);
    setWindowTitle(title_.isEmpty() ? QString::fromUtf8(kReportName) : title_);
}

void ReportDock::append(const std::string& line) {
    text_->appendPlainText(QString::fromStdString(line));
}

void ReportDock::bring_up() {
    show();
    raise();
}

void ReportDock::close_report() {
    hide();
}

QString ReportDock::text() const {
    return text_->toPlainText();
}

std::optional<std::string> ReportDock::named_file() const {
    if (auto file = existing_file_in(text_->textCursor().block().text())) return file;
    return existing_file_in(title_);
}

} // namespace zeph
