// The hierarchy browser dock.
#include "hierarchy_browser.h"

#include "qt_text.h"
#include "shell/hierarchy_operations.h"
#include "shell/session.h"

#include "hdl/testbench.h"

#include "foundation/kind_vocabulary.h"

#include <QAction>
#include <QFont>
#include <QMenu>
#include <QTreeWidget>

namespace zeph {

namespace {
// The commands of the context menu, in the VHDL and the Verilog words.
constexpr const char* kBindArchitecture[] = {"Bind Architecture", "Bind Module Body"};
constexpr const char* kDeleteArchitecture[] = {"Delete Architecture", "Delete Module Body"};
constexpr const char* kGoToTestbench = "Go to Testbench";
constexpr int kNodeRole = Qt::UserRole;

int word_column(const Session& session) {
    return session.language() == kLanguageVerilog ? 1 : 0;
}

void flatten(const std::vector<HierarchyNode>& nodes, std::vector<const HierarchyNode*>& flat) {
    for (const HierarchyNode& node : nodes) {
        flat.push_back(&node);
        flatten(node.children, flat);
    }
}
} // namespace

HierarchyBrowser::HierarchyBrowser(Session& session, QWidget* parent)
    : QDockWidget(QStringLiteral("Hierarchy Browser"), parent), session_(session),
      tree_(new QTreeWidget(this)) {
    setObjectName(QStringLiteral("hierarchy"));
    tree_->setHeaderHidden(true);
    tree_->setExpandsOnDoubleClick(false);
    tree_->setContextMenuPolicy(Qt::CustomContextMenu);
    setWidget(tree_);
    connect(tree_, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item, int) { go_to(item); });
    connect(tree_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        std::unique_ptr<QMenu> menu = context_menu(tree_->itemAt(at));
        if (menu) menu->exec(tree_->viewport()->mapToGlobal(at));
    });
    connect(this, &QDockWidget::visibilityChanged, this, [this](bool) { refresh(); });
}

// Whether the browser is open is a setting, kept for the next start.
void HierarchyBrowser::bring_up() {
    session_.settings().gui.tree_displayed = true;
    show();
    raise();
    refresh();
}

void HierarchyBrowser::closeEvent(QCloseEvent* event) {
    session_.settings().gui.tree_displayed = false;
    QDockWidget::closeEvent(event);
}

void HierarchyBrowser::refresh() {
    // The nodes point into the design: they are built anew every time, and dropped while the
    // browser is hidden, so none outlives what it points to.
    nodes_.clear();
    flat_.clear();
    Design* design = session_.design();
    if (isHidden() || design == nullptr) {
        tree_->clear();
        shown_lines_.clear();
        return;
    }
    nodes_ = hierarchy_tree(*design);
    flatten(nodes_, flat_);
    // The same lines are the same tree of the same shape: the items (their expansion, the
    // current one) stay and their numbers name the new nodes.
    std::vector<std::string> lines = hierarchy_lines(nodes_);
    if (lines == shown_lines_) return;
    shown_lines_ = std::move(lines);
    tree_->clear();
    int number = 0;
    add_items(nodes_, nullptr, number);
    tree_->expandAll();
}

// The items are numbered in the order flatten lists the nodes.
void HierarchyBrowser::add_items(const std::vector<HierarchyNode>& nodes, QTreeWidgetItem* parent,
                                 int& number) {
    for (const HierarchyNode& node : nodes) {
        auto* item = parent != nullptr ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree_);
        item->setText(0, qt_text(node.text));
        item->setData(0, kNodeRole, number++);
        if (node.bound) {
            QFont font = item->font(0);
            font.setBold(true);
            item->setFont(0, font);
        }
        add_items(node.children, item, number);
    }
}

const HierarchyNode* HierarchyBrowser::node_of(QTreeWidgetItem* item) const {
    if (item == nullptr) return nullptr;
    bool ok = false;
    int number = item->data(0, kNodeRole).toInt(&ok);
    if (!ok || number < 0 || static_cast<std::size_t>(number) >= flat_.size()) return nullptr;
    return flat_[static_cast<std::size_t>(number)];
}

QTreeWidgetItem* HierarchyBrowser::find_item(const std::string& text) const {
    QList<QTreeWidgetItem*> found =
        tree_->findItems(qt_text(text), Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.front();
}

bool HierarchyBrowser::busy() const {
    return busy_ && busy_();
}

void HierarchyBrowser::go_to(QTreeWidgetItem* item) {
    const HierarchyNode* node = node_of(item);
    if (node == nullptr || busy()) return;
    go_to_node(session_, *node);
    after_command();
}

std::unique_ptr<QMenu> HierarchyBrowser::context_menu(QTreeWidgetItem* item) {
    const HierarchyNode* node = node_of(item);
    Design* design = session_.design();
    if (node == nullptr || design == nullptr || node->entity == nullptr || busy()) return nullptr;
    auto menu = std::make_unique<QMenu>(tree_);
    Entity* entity = node->entity;
    const int column = word_column(session_);
    if (node->kind == HierarchyNodeKind::Architecture) {
        Architecture* architecture = node->architecture;
        if (node->component != nullptr && !node->bound) {
            Component* component = node->component;
            add_command(*menu, kBindArchitecture[column], [this, component, architecture] {
                bind_in_hierarchy(session_, *component, *architecture);
            });
        }
        if (entity->architectures.size() > 1 && !entity->is_library_module())
            add_command(*menu, kDeleteArchitecture[column], [this, entity, architecture] {
                delete_in_hierarchy(session_, *entity, *architecture);
            });
    }
    if ((node->kind == HierarchyNodeKind::Entity || node->kind == HierarchyNodeKind::Component) &&
        testbench_reachable(*design, *entity))
        add_command(*menu, kGoToTestbench, [this, entity] { go_to_testbench(session_, *entity); });
    if (menu->actions().isEmpty()) return nullptr;
    return menu;
}

void HierarchyBrowser::add_command(QMenu& menu, const char* label, std::function<void()> command) {
    QAction* action = menu.addAction(QString::fromUtf8(label));
    connect(action, &QAction::triggered, this, [this, command = std::move(command)] {
        if (busy()) return;
        command();
        after_command();
    });
}

void HierarchyBrowser::after_command() {
    refresh();
    if (changed_) changed_();
}

} // namespace zeph
