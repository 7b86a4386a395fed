// One step of a diagram's undo history: what one editing operation changed, recorded as
// snapshots of the records it could touch, taken before it touched them. Undoing runs the
// snapshots' restorers in the reverse order of their capture.
//
// Records keep their identity across an undo: an operation never destroys a component,
// process, port, generic or entity while its step lives; it hands the record to the step
// (`keep`), and the restorer takes it back. Records that the operation created are handed to
// the step when they are undone and die with it.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace zeph {

class UndoStep;
struct Component;
struct Entity;
struct Process;

class Restorer {
  public:
    virtual ~Restorer() = default;
    virtual void restore(UndoStep& step) = 0;
};

class UndoStep {
  public:
    explicit UndoStep(std::string description) : description_(std::move(description)) {}
    UndoStep(const UndoStep&) = delete;
    UndoStep& operator=(const UndoStep&) = delete;
    ~UndoStep();

    const std::string& description() const { return description_; }
    bool empty() const { return restorers_.empty(); }

    // Registers a snapshot unless one of the same kind was taken of the same record in this
    // step already (the first one holds the older state). Returns whether it was registered.
    bool capture(int kind, const void* record, std::unique_ptr<Restorer> restorer);
    bool captured(int kind, const void* record) const {
        return captured_.count({kind, record}) != 0;
    }

    // Keeps a record alive until the step is dropped.
    template <class T> void keep(std::unique_ptr<T> record) {
        if (record != nullptr) kept_.push_back(std::make_unique<Kept<T>>(std::move(record)));
    }
    // Takes a kept record back; null when the step does not hold it.
    template <class T> std::unique_ptr<T> take(T* record) {
        for (auto it = kept_.begin(); it != kept_.end(); ++it) {
            auto* kept = dynamic_cast<Kept<T>*>(it->get());
            if (kept == nullptr || kept->record.get() != record) continue;
            std::unique_ptr<T> taken = std::move(kept->record);
            kept_.erase(it);
            return taken;
        }
        return nullptr;
    }

    // The step changed records outside its own diagram (an entity's interface, the entity
    // list): other diagrams' histories can no longer be restored exactly.
    void mark_shared() { shared_ = true; }
    bool shared() const { return shared_; }

    // The step may replace or free records that other diagrams point at (an entity's ports
    // and generics, the entity list): their links must be made again once it is done. A step
    // that only adds records leaves every link valid.
    void mark_relinking() { relinking_ = true; }
    bool relinking() const { return relinking_; }

    // The step may rename or remove components, processes or entities (it took a snapshot of
    // their lists): sets of their names kept aside no longer hold.
    void mark_names_changing() { names_changing_ = true; }
    bool names_changing() const { return names_changing_; }

    // What the step changes that HDL files show in their system lines: an entity's generics
    // or ports, a process's name or ports. Doing and undoing the step marks those files for a
    // skeleton refresh.
    void changes_interface_of(Entity& entity) { add_once(interfaces_, &entity); }
    void changes_heading_of(Process& process) { add_once(headings_, &process); }
    const std::vector<Entity*>& interfaces_changed() const { return interfaces_; }
    const std::vector<Process*>& headings_changed() const { return headings_; }

    // Restores the state before the step. Run once.
    void undo();

  private:
    struct KeptBase {
        virtual ~KeptBase() = default;
    };
    template <class T> struct Kept : KeptBase {
        explicit Kept(std::unique_ptr<T> r) : record(std::move(r)) {}
        std::unique_ptr<T> record;
    };

    template <class T> static void add_once(std::vector<T*>& list, T* record) {
        for (T* known : list)
            if (known == record) return;
        list.push_back(record);
    }

    std::string description_;
    std::vector<Entity*> interfaces_;
    std::vector<Process*> headings_;
    std::vector<std::unique_ptr<Restorer>> restorers_;
    std::set<std::pair<int, const void*>> captured_;
    std::vector<std::unique_ptr<KeptBase>> kept_;
    bool shared_ = false;
    bool relinking_ = false;
    bool names_changing_ = false;
};

} // namespace zeph
