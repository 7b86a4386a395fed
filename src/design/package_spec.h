// Package specifications (library and use clauses) and the guarded lists that hold them: the
// design's library entries and an entity's bound specification numbers.
#pragma once

#include "foundation/cwlist.h"

#include <string_view>
#include <vector>

namespace zeph {

// A plain record in guarded memory, so that the list functions can copy it deeply.
struct PackageSpec {
    char library[33];
    char package[33];
    char suffix[33];
    char file_name[257];
    int global;
    int number; // identity within its list; bindings refer to it
    int reserved;
};

// A zeroed record in guarded memory; released by its list.
PackageSpec* new_package_spec();
void set_package_field(char* field, std::size_t capacity, std::string_view text);
template <std::size_t N> void set_package_field(char (&field)[N], std::string_view text) {
    set_package_field(field, N, text);
}

// The design's library entries: a cwlist of PackageSpec records that it owns, whose user word
// is the next free identifier. The list is created on first use.
class PackageList {
  public:
    PackageList() = default;
    PackageList(const PackageList&) = delete;
    PackageList& operator=(const PackageList&) = delete;
    PackageList(PackageList&& other) noexcept;
    PackageList& operator=(PackageList&& other) noexcept;
    ~PackageList();

    // Takes ownership; an entry without a number (below 1) gets the next free identifier.
    void append(PackageSpec* spec);
    long count() const;
    std::vector<PackageSpec*> entries() const;
    int next_identifier() const;
    void set_next_identifier(int next);
    void clear();
    CwList* list() const { return list_; }

  private:
    CwList* ensure();
    CwList* list_ = nullptr;
};

// Specification numbers bound to an entity, in a cwlist of plain values.
class PackageIdList {
  public:
    PackageIdList() = default;
    PackageIdList(const PackageIdList&) = delete;
    PackageIdList& operator=(const PackageIdList&) = delete;
    PackageIdList(PackageIdList&& other) noexcept;
    PackageIdList& operator=(PackageIdList&& other) noexcept;
    ~PackageIdList();

    void append(int number);
    long count() const;
    std::vector<int> numbers() const;
    bool contains(int number) const;
    void clear();

  private:
    CwList* list_ = nullptr;
};

} // namespace zeph
