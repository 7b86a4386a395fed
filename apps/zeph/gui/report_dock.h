// The report window as a dock of the main window: a read-only text of lines with a title, and
// a "View File" button that shows the file the report names (the line under the cursor, else
// the title) the way the View command does.
#pragma once

#include <QDockWidget>

#include <functional>
#include <optional>
#include <string>

class QPlainTextEdit;
class QPushButton;

namespace zeph {

class ReportDock : public QDockWidget {
  public:
    explicit ReportDock(QWidget* parent = nullptr);

    void clear();
    void set_title(const std::string& title);
    void append(const std::string& line);
    void bring_up();
    void close_report();

    // The text as lines, for the window's own use and for tests.
    QString text() const;
    QString title() const { return title_; }
    QPushButton* view_file_button() const { return view_file_; }
    QPlainTextEdit* lines() const { return text_; }

    // What "View File" does with the named file (nullopt: none named, ask for one).
    void set_file_viewer(std::function<void(const std::optional<std::string>&)> viewer) {
        viewer_ = std::move(viewer);
    }
    // The file the report names: the line under the cursor when it names an existing file,
    // else the title when that does.
    std::optional<std::string> named_file() const;

  private:
    QPlainTextEdit* text_;
    QPushButton* view_file_;
    QString title_;
    std::function<void(const std::optional<std::string>&)> viewer_;
};

} // namespace zeph
