// zeph's main window: the menus and the tool bar built from the command vocabulary as the
// session's state shapes it (rebuilt when the diagram kind, the language or the state changes,
// enabling kept current), the diagram view in the middle, the report window as a dock and the
// status line. Items run the session's operations; dialogs and the editing modes come from
// outside through the hooks below.
#pragma once

#include "design/geometry.h"
#include "dialog_outcome.h"
#include "shell/main_window_state.h"

#include <QKeySequence>
#include <QMainWindow>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QActionGroup;
class QToolBar;

namespace zeph {

class DiagramView;
class HierarchyBrowser;
class QtPlatform;
class ReportDock;
class Session;
class SheetMouseHandler;

class MainWindow : public QMainWindow {
  public:
    using CommandDialogs = std::function<DialogOutcome(QWidget*, Session&, CommandId)>;
    using ObjectEditor = std::function<DialogOutcome(QWidget*, Session&, Point)>;
    using ModeListener = std::function<void(std::optional<CommandId>, int variant)>;

    // Attaches itself to the platform (boxes over the window, the status line, the report
    // dock, picking in the view) until it is destroyed.
    MainWindow(Session& session, QtPlatform& platform, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The dialog of a menu item or tool whose handling is a dialog.
    void set_command_dialogs(CommandDialogs dialogs) { dialogs_ = std::move(dialogs); }
    // The dialog of the object at a point (double-click with the selection tool).
    void set_object_editor(ObjectEditor editor) { object_editor_ = std::move(editor); }
    // The handler of the editing modes in the view, and who learns which mode was chosen.
    void set_editing_handler(SheetMouseHandler* handler);
    void set_mode_listener(ModeListener listener) { mode_listener_ = std::move(listener); }

    DiagramView& view() const { return *view_; }
    ReportDock& report() const { return *report_; }
    HierarchyBrowser& hierarchy() const { return *hierarchy_; }
    QToolBar& tool_bar() const { return *tools_; }

    // Carries out a menu item or tool of the vocabulary.
    void run_command(CommandId id, Handling handling);
    // Brings the menus, the tool bar, the title and the view up to the session's state.
    void refresh();
    // Shows the window as the program starts, with the hierarchy browser when the settings
    // say it was open.
    void show_at_start();

    // The action of a menu path as the vocabulary labels it ("File", "Save"), matched by plain
    // label ignoring case; null when there is none.
    QAction* menu_action(const std::vector<std::string>& path) const;
    // The tool bar action of a command; null when the tool bar has none.
    QAction* tool_action(CommandId id) const;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    struct ShownItem {
        QAction* action = nullptr;
        std::vector<ShownItem> items;
    };
    void rebuild_menus(const std::vector<MenuItem>& menus);
    void add_items(QWidget* menu, const std::vector<MenuItem>& items,
                   std::vector<ShownItem>& shown);
    void update_items(const std::vector<MenuItem>& items, std::vector<ShownItem>& shown);
    void rebuild_tools(const std::vector<Tool>& tools);
    QAction* add_tool(const Tool& tool, QObject* owner);
    void choose_mode(std::optional<CommandId> mode, int variant);
    void keep_mode_current();
    void after_command();

    Session& session_;
    QtPlatform& platform_;
    DiagramView* view_;
    ReportDock* report_;
    HierarchyBrowser* hierarchy_;
    QToolBar* tools_;
    QActionGroup* modes_ = nullptr;
    QObject* tool_actions_ = nullptr; // owns the tool bar's actions of the current build
    std::vector<MenuItem> menus_;
    std::vector<ShownItem> shown_menus_;
    std::vector<Tool> tools_shown_;
    std::vector<QAction*> tool_actions_shown_;
    std::vector<QKeySequence> menu_shortcuts_;
    CommandDialogs dialogs_;
    ObjectEditor object_editor_;
    ModeListener mode_listener_;
    bool in_command_ = false;
};

} // namespace zeph
