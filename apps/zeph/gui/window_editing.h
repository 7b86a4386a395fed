// Editing in the main window: the mouse tools behind the diagram view's editing modes and its
// selection, the dialogs behind the menu items and double-clicks, and printing behind
// File > Print. The window and the session outlive it.
#pragma once

#include "sheet_mouse_handler.h"
#include "shell/mouse_tools.h"

namespace zeph {

class MainWindow;
class Session;

class WindowEditing : public SheetMouseHandler {
  public:
    WindowEditing(MainWindow& window, Session& session);
    ~WindowEditing() override;
    WindowEditing(const WindowEditing&) = delete;
    WindowEditing& operator=(const WindowEditing&) = delete;

    bool press(const SheetMouse& mouse) override { return tools_.press(mouse); }
    bool drag(const SheetMouse& mouse) override { return tools_.drag(mouse); }
    bool release(const SheetMouse& mouse) override { return tools_.release(mouse); }
    bool double_click(const SheetMouse& mouse) override { return tools_.double_click(mouse); }
    std::vector<std::pair<Point, Point>> overlay() const override { return tools_.overlay(); }
    void cancel() override { tools_.cancel(); }

    MouseTools& tools() { return tools_; }

  private:
    MainWindow& window_;
    MouseTools tools_;
};

} // namespace zeph
