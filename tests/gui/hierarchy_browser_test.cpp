// The hierarchy browser in the main window: the tree of a two-level design, a double-click
// going down, and binding and deleting architectures from the context menu, which leave the
// same design file as the shell's bind-architecture and delete-architecture.
#include "hierarchy_browser.h"
#include "modal_answers.h"
#include "window_fixture.h"

#include "design/design.h"
#include "design/entity.h"

#include <QMenu>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {

using namespace gui_test;

// A top level holding "mid", which holds "leaf" bound to "a0" (which holds a wire) and with a
// second architecture "fast".
constexpr const char* kTwoLevels = "add-component 640 640 u0 mid block\n"
                                   "down 700 700\n"
                                   "add-component 640 640 u1 leaf block\n"
                                   "edit-instance u1 new=fast:block\n"
                                   "down 700 700\n"
                                   "add-port in 64 128 a\n"
                                   "add-port out 6000 128 z\n"
                                   "wire 128 128 5936 128\n"
                                   "top\n"
                                   "save\n";
// The same by the shell's commands.
constexpr const char* kBindAndDelete = "down 700 700\n"
                                       "bind-architecture u1 fast\n"
                                       "answer yes\n"
                                       "delete-architecture leaf a0\n"
                                       "save\n"
                                       "exit\n";

class HierarchyBrowserTest : public WindowTest {
  protected:
    zeph::HierarchyBrowser& browser() { return window->hierarchy(); }

    // The item with the text below an item with the parent's text.
    QTreeWidgetItem* item(const std::string& text, const std::string& parent) {
        for (QTreeWidgetItemIterator it(browser().tree()); *it != nullptr; ++it)
            if ((*it)->text(0).toStdString() == text && (*it)->parent() != nullptr &&
                (*it)->parent()->text(0).toStdString() == parent)
                return *it;
        ADD_FAILURE() << "no item " << text << " below " << parent;
        return nullptr;
    }
    std::vector<std::string> lines() {
        std::vector<std::string> shown;
        for (QTreeWidgetItemIterator it(browser().tree()); *it != nullptr; ++it) {
            int depth = 0;
            for (QTreeWidgetItem* up = (*it)->parent(); up != nullptr; up = up->parent())
                ++depth;
            shown.push_back(std::string(static_cast<std::size_t>(depth) * 2, ' ') +
                            (*it)->text(0).toStdString());
        }
        return shown;
    }
    // A click, then the double-click event as the platform sends it (QTest's double-click
    // presses a second time first, which an item view takes as the start of a drag).
    static void double_click(QWidget* widget, QPoint at) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, at);
        QMouseEvent twice(QEvent::MouseButtonDblClick, QPointF(at),
                          widget->mapToGlobal(QPointF(at)), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(widget, &twice);
        QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
    }
    std::vector<std::string> offered(QTreeWidgetItem* at) {
        std::vector<std::string> texts;
        std::unique_ptr<QMenu> menu = browser().context_menu(at);
        if (menu)
            for (QAction* action : menu->actions())
                texts.push_back(action->text().toStdString());
        return texts;
    }
    void run_from_menu(QTreeWidgetItem* at, const std::string& text) {
        std::unique_ptr<QMenu> menu = browser().context_menu(at);
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions())
            if (action->text().toStdString() == text) return action->trigger();
        ADD_FAILURE() << "no " << text;
    }
};

TEST_F(HierarchyBrowserTest, TreeDoubleClickBindAndDeleteAsTheShellDoes) {
    std::filesystem::create_directories(dir / "w");
    std::filesystem::create_directories(dir / "s");
    ASSERT_EQ(run_script(std::string("save-as w/h.vdp\n") + kTwoLevels + "exit\n").status, 0);
    open_window("w/h.vdp");
    EXPECT_FALSE(browser().isVisible());
    choose({"Design", "Hierarchy Browser"});
    ASSERT_TRUE(browser().isVisible());
    const std::string top_architecture =
        "Architecture '" + session->design()->root->architectures.front()->name + "'(B)";
    EXPECT_EQ(lines(), (std::vector<std::string>{
                           "Entity 'Toplevel'",
                           "  " + top_architecture,
                           "    Component 'u0' (Entity 'mid')",
                           "      Architecture 'a0'(B) *",
                           "        Component 'u1' (Entity 'leaf')",
                           "          Architecture 'a0'(B) *",
                           "          Architecture 'fast'(B)",
                       }));

    // A double-click on the component goes down into "mid".
    QTreeWidget* tree = browser().tree();
    QTest::qWait(0); // the dock's first layout
    QTreeWidgetItem* mid = item("Component 'u0' (Entity 'mid')", top_architecture);
    ASSERT_NE(mid, nullptr);
    ASSERT_FALSE(tree->visualItemRect(mid).isEmpty());
    double_click(tree->viewport(), tree->visualItemRect(mid).center());
    EXPECT_EQ(session->design()->current_entity->name, "mid");
    EXPECT_TRUE(offered(item("Component 'u0' (Entity 'mid')", top_architecture)).empty());

    const std::string leaf = "Component 'u1' (Entity 'leaf')";
    EXPECT_EQ(offered(item("Architecture 'fast'(B)", leaf)),
              (std::vector<std::string>{"Bind Architecture", "Delete Architecture"}));
    EXPECT_EQ(offered(item("Architecture 'a0'(B) *", leaf)),
              (std::vector<std::string>{"Delete Architecture"}));
    run_from_menu(item("Architecture 'fast'(B)", leaf), "Bind Architecture");
    ASSERT_NE(item("Architecture 'fast'(B) *", leaf), nullptr);

    std::string question;
    press_in_next_box(QMessageBox::Yes, &question);
    run_from_menu(item("Architecture 'a0'(B)", leaf), "Delete Architecture");
    EXPECT_EQ(question, "Architecture 'a0'(B) of entity 'leaf' not empty, are you sure?");
    EXPECT_EQ(lines().back(), "          Architecture 'fast'(B) *");
    EXPECT_TRUE(session->project().modified());
    ASSERT_TRUE(session->save());

    shell_test::ZephResult twin =
        run_script(std::string("save-as s/h.vdp\n") + kTwoLevels + kBindAndDelete);
    ASSERT_EQ(twin.status, 0) << twin.out << twin.err;
    EXPECT_EQ(shell_test::read_file(dir / "w/h.vdp/design/design.vdf"),
              shell_test::read_file(dir / "s/h.vdp/design/design.vdf"));
}

TEST_F(HierarchyBrowserTest, TheBrowserOpensAtStartWhenItWasOpenAtTheLastEnd) {
    shell_test::write_file(dir / "zeph.ini", "[GUI]\nSaveSettingsOnExit=no\nTreeDisplayed=1\n");
    open_window();
    EXPECT_TRUE(browser().isVisible());
    EXPECT_FALSE(lines().empty());
    browser().close();
    EXPECT_FALSE(session->settings().gui.tree_displayed);
    choose({"Design", "Hierarchy Browser"});
    EXPECT_TRUE(session->settings().gui.tree_displayed);
}

} // namespace
