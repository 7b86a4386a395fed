// Guarded package specification records and their lists.
#include "design/package_spec.h"

#include "foundation/cwmem.h"

#include <cstring>
#include <limits>
#include <utility>

namespace zeph {

namespace {
// Bound numbers may be anything a file holds, so the id list's "nothing" is a value no int has.
constexpr CwDatum kNoNumber = std::numeric_limits<CwDatum>::min();

void ensure_guarded_memory() {
    if (!cwmem_initialised()) cwmem_init();
}
} // namespace

PackageSpec* new_package_spec() {
    ensure_guarded_memory();
    return static_cast<PackageSpec*>(cwmem_calloc(sizeof(PackageSpec)));
}

void set_package_field(char* field, std::size_t capacity, std::string_view text) {
    std::size_t n = text.size() < capacity - 1 ? text.size() : capacity - 1;
    std::memcpy(field, text.data(), n);
    field[n] = '\0';
}

PackageList::PackageList(PackageList&& other) noexcept
    : list_(std::exchange(other.list_, nullptr)) {}

PackageList& PackageList::operator=(PackageList&& other) noexcept {
    if (this != &other) {
        if (list_ != nullptr) cwlist_destroy_all(list_);
        list_ = std::exchange(other.list_, nullptr);
    }
    return *this;
}

PackageList::~PackageList() {
    if (list_ != nullptr) cwlist_destroy_all(list_);
}

CwList* PackageList::ensure() {
    if (list_ == nullptr) {
        ensure_guarded_memory();
        list_ = cwlist_create(0, 1, 0);
    }
    return list_;
}

void PackageList::append(PackageSpec* spec) {
    CwList* list = ensure();
    int next = next_identifier();
    if (spec->number < 1) spec->number = next;
    if (spec->number >= next) set_next_identifier(spec->number + 1);
    cwlist_append(list, cwlist_datum(spec));
}

long PackageList::count() const {
    return list_ == nullptr ? 0 : cwlist_count(list_);
}

std::vector<PackageSpec*> PackageList::entries() const {
    std::vector<PackageSpec*> result;
    if (list_ == nullptr) return result;
    for (CwDatum d = cwlist_first(list_); d != 0; d = cwlist_next(list_))
        result.push_back(cwlist_pointer<PackageSpec>(d));
    return result;
}

int PackageList::next_identifier() const {
    return list_ == nullptr ? 1 : static_cast<int>(cwlist_get_user(list_));
}

void PackageList::set_next_identifier(int next) {
    cwlist_set_user(ensure(), next);
}

void PackageList::clear() {
    if (list_ != nullptr) cwlist_clear_all(list_);
}

PackageIdList::PackageIdList(PackageIdList&& other) noexcept
    : list_(std::exchange(other.list_, nullptr)) {}

PackageIdList& PackageIdList::operator=(PackageIdList&& other) noexcept {
    if (this != &other) {
        if (list_ != nullptr) cwlist_destroy(list_);
        list_ = std::exchange(other.list_, nullptr);
    }
    return *this;
}

PackageIdList::~PackageIdList() {
    if (list_ != nullptr) cwlist_destroy(list_);
}

void PackageIdList::append(int number) {
    if (list_ == nullptr) {
        ensure_guarded_memory();
        list_ = cwlist_create(0, 0, kNoNumber);
    }
    cwlist_append(list_, number);
}

long PackageIdList::count() const {
    return list_ == nullptr ? 0 : cwlist_count(list_);
}

std::vector<int> PackageIdList::numbers() const {
    std::vector<int> result;
    if (list_ == nullptr) return result;
    for (CwDatum d = cwlist_first(list_); d != kNoNumber; d = cwlist_next(list_))
        result.push_back(static_cast<int>(d));
    return result;
}

bool PackageIdList::contains(int number) const {
    return list_ != nullptr && cwlist_find(list_, number) != kNoNumber;
}

void PackageIdList::clear() {
    if (list_ != nullptr) cwlist_clear(list_);
}

} // namespace zeph
