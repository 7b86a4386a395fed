// The main window.
#include "main_window.h"

#include "diagram_view.h"
#include "foundation/strings.h"
#include "foundation/system_message.h"
#include "hierarchy_browser.h"
#include "qt_platform.h"
#include "qt_text.h"
#include "report_dock.h"
#include "shell/main_window_dispatch.h"
#include "shell/session.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace zeph {

namespace {
// The short-cut text after "\t" of a menu label.
QKeySequence shortcut_of(const std::string& label) {
    std::size_t tab = label.find('\t');
    if (tab == std::string::npos) return {};
    return QKeySequence::fromString(qt_text(label.substr(tab + 1)));
}

// Two builds of the menus look the same: the window keeps its actions and only updates them.
bool same_shape(const std::vector<MenuItem>& a, const std::vector<MenuItem>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].id != b[i].id || a[i].label != b[i].label ||
            a[i].description != b[i].description || a[i].handling != b[i].handling ||
            !same_shape(a[i].items, b[i].items))
            return false;
    return true;
}

bool same_shape(const std::vector<Tool>& a, const std::vector<Tool>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].id != b[i].id || a[i].tip != b[i].tip || a[i].bitmap != b[i].bitmap ||
            a[i].variants != b[i].variants || a[i].handling != b[i].handling)
            return false;
    return true;
}

bool is_mode(const Tool& tool) {
    return tool.handling == Handling::Mode;
}

// The tool's face: its bitmap's name, with the chosen variant's word for a variants tool.
QString tool_text(const Tool& tool) {
    QString text = qt_text(tool.bitmap);
    if (!text.isEmpty()) text[0] = text[0].toUpper();
    return text;
}
} // namespace

MainWindow::MainWindow(Session& session, QtPlatform& platform, QWidget* parent)
    : QMainWindow(parent), session_(session), platform_(platform),
      view_(new DiagramView(session, this)), report_(new ReportDock(this)),
      hierarchy_(new HierarchyBrowser(session, this)),
      tools_(new QToolBar(QStringLiteral("Tools"), this)) {
    setObjectName(QStringLiteral("zeph"));
    setCentralWidget(view_);
    addDockWidget(Qt::BottomDockWidgetArea, report_);
    report_->hide();
    addDockWidget(Qt::LeftDockWidgetArea, hierarchy_);
    hierarchy_->hide();
    hierarchy_->set_change_listener([this] { refresh(); });
    hierarchy_->set_busy_check([this] { return in_command_; });
    tools_->setObjectName(QStringLiteral("tools"));
    tools_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    addToolBar(Qt::TopToolBarArea, tools_);
    statusBar()->showMessage(QString());
    platform_.attach(this, statusBar(), report_, view_);
    report_->set_file_viewer([this](const std::optional<std::string>& file) {
        session_.view(file);
        refresh();
    });
    view_->set_change_listener([this] { refresh(); });
    view_->set_double_click([this](Point at) {
        if (!object_editor_) return false;
        DialogOutcome outcome = object_editor_(this, session_, at);
        return outcome != DialogOutcome::NoDialog;
    });
    resize(1024, 768);
    refresh();
}

MainWindow::~MainWindow() {
    platform_.detach();
}

void MainWindow::set_editing_handler(SheetMouseHandler* handler) {
    view_->set_editing_handler(handler);
}

void MainWindow::refresh() {
    std::vector<MenuItem> menus = main_menus(session_);
    if (same_shape(menus, menus_))
        update_items(menus, shown_menus_);
    else
        rebuild_menus(menus);
    menus_ = std::move(menus);

    std::vector<Tool> tools = zeph::tool_bar(session_);
    if (same_shape(tools, tools_shown_)) {
        for (std::size_t i = 0; i < tools.size(); ++i)
            tool_actions_shown_[i]->setEnabled(tools[i].enabled);
    } else {
        rebuild_tools(tools);
    }
    tools_shown_ = std::move(tools);
    keep_mode_current();

    std::string title = session_.title();
    setWindowTitle(qt_text(title.empty() ? program_name() : title));
    view_->sync();
    hierarchy_->refresh();
}

void MainWindow::rebuild_menus(const std::vector<MenuItem>& menus) {
    // The old menus may be showing the action that is running now: they go when it returns.
    for (QAction* old : menuBar()->actions()) {
        menuBar()->removeAction(old);
        if (QMenu* menu = old->menu()) menu->deleteLater();
    }
    shown_menus_.clear();
    menu_shortcuts_.clear();
    add_items(menuBar(), menus, shown_menus_);
}

void MainWindow::add_items(QWidget* parent, const std::vector<MenuItem>& items,
                           std::vector<ShownItem>& shown) {
    for (const MenuItem& item : items) {
        ShownItem entry;
        QString description = qt_text(item.description);
        if (item.handling == Handling::Popup || !item.items.empty()) {
            auto* menu = new QMenu(qt_text(item.label), parent);
            entry.action = menu->menuAction();
            add_items(menu, item.items, entry.items);
        } else {
            entry.action = new QAction(qt_text(item.label), parent);
            QKeySequence key = shortcut_of(item.label);
            if (!key.isEmpty()) {
                entry.action->setShortcut(key);
                menu_shortcuts_.push_back(key);
            }
            CommandId id = item.id;
            Handling handling = item.handling;
            connect(entry.action, &QAction::triggered, this,
                    [this, id, handling] { run_command(id, handling); });
        }
        entry.action->setStatusTip(description);
        connect(entry.action, &QAction::hovered, this,
                [this, description] { statusBar()->showMessage(description); });
        entry.action->setEnabled(item.enabled);
        parent->addAction(entry.action);
        shown.push_back(std::move(entry));
    }
}

void MainWindow::update_items(const std::vector<MenuItem>& items, std::vector<ShownItem>& shown) {
    for (std::size_t i = 0; i < items.size() && i < shown.size(); ++i) {
        shown[i].action->setEnabled(items[i].enabled);
        update_items(items[i].items, shown[i].items);
    }
}

void MainWindow::rebuild_tools(const std::vector<Tool>& tools) {
    tools_->clear();
    if (tool_actions_ != nullptr) tool_actions_->deleteLater();
    tool_actions_ = new QObject(this);
    modes_ = new QActionGroup(tool_actions_);
    modes_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    tool_actions_shown_.clear();
    for (const Tool& tool : tools)
        tool_actions_shown_.push_back(add_tool(tool, tool_actions_));
}

QAction* MainWindow::add_tool(const Tool& tool, QObject* owner) {
    auto* action = new QAction(tool_text(tool), owner);
    action->setToolTip(qt_text(tool.tip));
    action->setStatusTip(qt_text(tool.tip));
    action->setEnabled(tool.enabled);
    action->setData(static_cast<int>(tool.id));
    QKeySequence key = QKeySequence::fromString(qt_text(tool.key));
    bool taken =
        std::find(menu_shortcuts_.begin(), menu_shortcuts_.end(), key) != menu_shortcuts_.end();
    if (!key.isEmpty() && !taken) action->setShortcut(key);
    CommandId id = tool.id;
    if (is_mode(tool)) {
        action->setCheckable(true);
        modes_->addAction(action);
        std::string variants = tool.variants_bitmap;
        connect(action, &QAction::toggled, this, [this, id, variants](bool on) {
            if (on)
                choose_mode(id, variants.empty() ? 0 : session_.tool_variant(variants));
            else if (view_->mode() == id)
                choose_mode(std::nullopt, 0);
        });
    } else {
        Handling handling = tool.handling;
        connect(action, &QAction::triggered, this,
                [this, id, handling] { run_command(id, handling); });
    }
    if (tool.variants.empty()) {
        tools_->addAction(action);
        return action;
    }
    // A variants tool: the button selects the remembered variant, its menu chooses another.
    auto* menu = new QMenu(this);
    connect(action, &QObject::destroyed, menu, &QObject::deleteLater);
    auto* choices = new QActionGroup(menu); // the check mark follows the chosen variant
    std::string bitmap = tool.variants_bitmap;
    for (std::size_t i = 0; i < tool.variants.size(); ++i) {
        QAction* variant = menu->addAction(qt_text(tool.variants[i]));
        variant->setCheckable(true);
        choices->addAction(variant);
        variant->setChecked(static_cast<int>(i) == tool.chosen_variant);
        int index = static_cast<int>(i);
        connect(variant, &QAction::triggered, this, [this, action, bitmap, id, index] {
            session_.choose_tool_variant(bitmap, index);
            if (action->isChecked())
                choose_mode(id, index);
            else
                action->setChecked(true);
            refresh();
        });
    }
    action->setMenu(menu);
    tools_->addAction(action);
    if (auto* button = qobject_cast<QToolButton*>(tools_->widgetForAction(action)))
        button->setPopupMode(QToolButton::MenuButtonPopup);
    return action;
}

void MainWindow::choose_mode(std::optional<CommandId> mode, int variant) {
    view_->set_mode(mode, variant);
    if (mode_listener_) mode_listener_(mode, variant);
    if (mode) statusBar()->clearMessage();
}

// After a rebuild the chosen mode stays checked while its tool is still there and enabled;
// otherwise the view goes back to plain selection.
void MainWindow::keep_mode_current() {
    std::optional<CommandId> mode = view_->mode();
    if (!mode) return;
    for (std::size_t i = 0; i < tools_shown_.size(); ++i) {
        if (tools_shown_[i].id != *mode || !is_mode(tools_shown_[i])) continue;
        QAction* action = tool_actions_shown_[i];
        if (action->isEnabled()) {
            QSignalBlocker quiet(action);
            action->setChecked(true);
            return;
        }
    }
    choose_mode(std::nullopt, 0);
}

void MainWindow::show_at_start() {
    show();
    if (session_.settings().gui.tree_displayed) hierarchy_->bring_up();
}

void MainWindow::run_command(CommandId id, Handling handling) {
    if (in_command_) return; // a nested event loop (a pick, a child) is running one already
    // The window shows the hierarchy in its browser; the shell lists it as a report.
    if (id == CommandId::DesignHierarchyBrowser) {
        hierarchy_->bring_up();
        return;
    }
    in_command_ = true;
    switch (handling) {
    case Handling::Operation:
        if (run_operation(session_, id) == CommandOutcome::Exit) {
            in_command_ = false;
            close();
            return;
        }
        break;
    case Handling::Dialog:
        if (!dialogs_ || dialogs_(this, session_, id) == DialogOutcome::NoDialog)
            QApplication::beep();
        break;
    case Handling::Mode:
        for (QAction* action : tool_actions_shown_)
            if (action->data().toInt() == static_cast<int>(id) && action->isCheckable())
                action->setChecked(true);
        break;
    case Handling::Popup:
    case Handling::NotBuilt:
        break;
    }
    in_command_ = false;
    after_command();
}

void MainWindow::after_command() {
    refresh();
}

QAction* MainWindow::menu_action(const std::vector<std::string>& path) const {
    const std::vector<ShownItem>* level = &shown_menus_;
    const std::vector<MenuItem>* items = &menus_;
    QAction* found = nullptr;
    for (const std::string& word : path) {
        found = nullptr;
        for (std::size_t i = 0; i < items->size() && i < level->size(); ++i) {
            if (to_lower_ascii(plain_label((*items)[i].label)) == to_lower_ascii(word)) {
                found = (*level)[i].action;
                const std::vector<ShownItem>* next_level = &(*level)[i].items;
                items = &(*items)[i].items;
                level = next_level;
                break;
            }
        }
        if (found == nullptr) return nullptr;
    }
    return found;
}

QAction* MainWindow::tool_action(CommandId id) const {
    for (std::size_t i = 0; i < tools_shown_.size(); ++i)
        if (tools_shown_[i].id == id) return tool_actions_shown_[i];
    return nullptr;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (session_.close_for_exit())
        event->accept();
    else
        event->ignore();
}

} // namespace zeph
