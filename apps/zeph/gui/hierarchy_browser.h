// The hierarchy browser: a dock of the main window showing the design's hierarchy as a tree
// (entities, their architectures, the components with the architectures of their entities,
// processes). A double-click on a node goes to its diagram; the context menu offers "Bind
// Architecture" and "Delete Architecture" on an architecture node and "Go to Testbench" on an
// entity or component node, each through the session's hierarchy operations.
#pragma once

#include "blockdiagram/hierarchy_tree.h"

#include <QDockWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QMenu;
class QTreeWidget;
class QTreeWidgetItem;

namespace zeph {

class Session;

class HierarchyBrowser : public QDockWidget {
  public:
    HierarchyBrowser(Session& session, QWidget* parent = nullptr);

    // Who learns that a command of the browser changed the session (the window refreshes).
    void set_change_listener(std::function<void()> listener) { changed_ = std::move(listener); }
    // While it says so (a command of the window is running, picking a point), the browser's
    // commands wait.
    void set_busy_check(std::function<bool()> busy) { busy_ = std::move(busy); }

    // Shows the dock with the tree of the design as it is now.
    void bring_up();
    // Rebuilds the tree from the session's design; a hidden browser keeps nothing.
    void refresh();

    QTreeWidget* tree() const { return tree_; }
    // The item whose text is `text` (the first in the tree's order); null when there is none.
    QTreeWidgetItem* find_item(const std::string& text) const;
    // The context menu of an item, as a right click shows it; null when it offers nothing.
    std::unique_ptr<QMenu> context_menu(QTreeWidgetItem* item);
    // A double-click on an item.
    void go_to(QTreeWidgetItem* item);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    const HierarchyNode* node_of(QTreeWidgetItem* item) const;
    void add_items(const std::vector<HierarchyNode>& nodes, QTreeWidgetItem* parent, int& number);
    bool busy() const;
    void add_command(QMenu& menu, const char* label, std::function<void()> command);
    void after_command();

    Session& session_;
    QTreeWidget* tree_;
    std::vector<HierarchyNode> nodes_;
    std::vector<const HierarchyNode*> flat_; // the nodes in the order of the items' numbers
    std::vector<std::string> shown_lines_;
    std::function<void()> changed_;
    std::function<bool()> busy_;
};

} // namespace zeph
