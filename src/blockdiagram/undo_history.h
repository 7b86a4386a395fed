// The undo histories of diagram edits: one per diagram, each at most "MaxUndos" steps deep
// (1 to 50), emptied when the project is saved.
//
// A step that changed records shared with other diagrams (an entity's ports, its symbol, the
// entity list) empties every other history, whose snapshots would no longer fit; and a new
// step in one diagram drops, in every other history, the newest step that changed shared
// records and everything older, since that step may hold records of this diagram that are
// about to change.
#pragma once

#include "blockdiagram/undo_step.h"

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <utility>

namespace zeph {

struct Architecture;
struct Process;

class UndoHistory {
  public:
    bool empty() const { return steps_.empty(); }
    std::size_t depth() const { return steps_.size(); }
    // Adds a step; the oldest one goes when more than `max_depth` (clamped to 1 to 50) are held.
    void push(std::unique_ptr<UndoStep> step, int max_depth);
    // The newest step, taken out of the history; null when there is none.
    std::unique_ptr<UndoStep> pop();
    const UndoStep* newest() const { return steps_.empty() ? nullptr : steps_.back().get(); }
    // Drops the newest shared step and every older one.
    void drop_from_newest_shared();
    void clear() { steps_.clear(); }

  private:
    std::deque<std::unique_ptr<UndoStep>> steps_; // oldest first
};

// The diagram a history belongs to: an architecture, or a process's own diagram.
struct DiagramKey {
    const Architecture* architecture = nullptr;
    const Process* process = nullptr;
    auto operator<=>(const DiagramKey&) const = default;
};

class DiagramHistories {
  public:
    UndoHistory& of(DiagramKey key) { return histories_[key]; }
    const UndoHistory* find(DiagramKey key) const;
    // Adds a finished step to the history of its diagram (empty steps are not kept).
    void commit(DiagramKey key, std::unique_ptr<UndoStep> step, int max_depth);
    // Forgets the history of one diagram (it is deleted), or of all.
    void forget(DiagramKey key) { histories_.erase(key); }
    void clear() { histories_.clear(); }
    // Forgets the histories of the diagrams for which `alive` is false (their architecture
    // went with an entity that an undo removed).
    template <class Alive> void retain(Alive alive) {
        std::erase_if(histories_, [&](const auto& entry) { return !alive(entry.first); });
    }

  private:
    std::map<DiagramKey, UndoHistory> histories_;
};

// The texts of the tool bar entry: the entry itself, and the status text without history.
inline constexpr const char* kUndoTip = "Undo (Ctrl-Z)";
inline constexpr const char* kNoUndo = "No undo";

} // namespace zeph
