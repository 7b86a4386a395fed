// The undo histories of state diagrams: one per machine, at most "MaxUndos" steps deep. A step
// is a copy of the whole machine taken before the edit, so that every edit, whatever records
// it touched, undoes back to exactly the machine it started from.
#pragma once

#include "design/edit_outcome.h"
#include "design/sheet.h"
#include "design/state_machine.h"

#include <cstddef>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace zeph {

class MachineHistories {
  public:
    // The machine before an edit named `description`; the oldest step goes when more than
    // `max_depth` (clamped to 1 to 50) are held. An edit that also changed the free texts of
    // the diagram's sheet hands in the sheet with its texts as they were.
    void push(const StateMachine& machine, std::string description,
              std::unique_ptr<StateMachine> before, int max_depth, Sheet* sheet = nullptr,
              std::vector<LabelDisplay> texts_before = {});
    // Puts the machine back as it was before its newest edit; false when it has none. The
    // machine stays the same object (what points at it stays valid); the texts kept by the
    // included-text commands are not machine edits and stay as they are now. The free texts
    // an edit changed go back when `sheet` is the sheet it changed them on.
    bool undo(StateMachine& machine, Sheet* sheet = nullptr);
    std::size_t depth(const StateMachine& machine) const;
    // The description of the newest step, "" when there is none.
    std::string newest(const StateMachine& machine) const;

    // The project was saved, or the design replaced.
    void clear() { histories_.clear(); }
    // Forgets the histories of machines for which `alive` is false: a machine freed with its
    // architecture or process must not hand its steps to a new one at the same address.
    void retain(const std::function<bool(const StateMachine*)>& alive);

  private:
    struct Step {
        std::string description;
        std::unique_ptr<StateMachine> before;
        Sheet* sheet = nullptr; // the sheet whose free texts the edit changed
        std::vector<LabelDisplay> texts_before;
    };
    std::map<const StateMachine*, std::deque<Step>> histories_;
};

// One edit of a machine: the copy taken at the start becomes an undo step when the edit ends
// Done; any other outcome puts the copy back, so that a refusal after a partial change leaves
// the machine as it was. Given the diagram's sheet, its free texts are kept the same way.
class MachineEdit {
  public:
    MachineEdit(MachineHistories& histories, StateMachine& machine, std::string description,
                int max_depth, Sheet* sheet = nullptr);
    ~MachineEdit();
    MachineEdit(const MachineEdit&) = delete;
    MachineEdit& operator=(const MachineEdit&) = delete;

    Outcome finish(Outcome outcome);

  private:
    MachineHistories& histories_;
    StateMachine& machine_;
    std::string description_;
    int max_depth_;
    std::unique_ptr<StateMachine> before_;
    Sheet* sheet_;
    std::vector<LabelDisplay> texts_before_;
};

} // namespace zeph
