// Generic doubly linked circular list with a sentinel node and a cursor, built on guarded
// blocks. Elements are pointer-sized words (pointers or plain values).
//
// A list header is a guarded block tagged "L" holding six words: sentinel, cursor, count,
// traversal depth, user word and null value. The null value is what every operation returns
// when it finds nothing; a list whose null value is not 0 refuses to store it.
#pragma once

#include <cstdint>

using CwDatum = std::intptr_t;
struct CwList;

// Callbacks get the element, the caller's argument and the list.
using CwListPredicate = int (*)(CwDatum datum, CwDatum arg, CwList* list);
using CwListAction = void (*)(CwDatum datum, CwDatum arg, CwList* list);

CwList* cwlist_create(CwDatum head_data, CwDatum user, CwDatum null_value);

void cwlist_set_head_data(CwList* list, CwDatum head_data);
CwDatum cwlist_get_head_data(CwList* list);
void cwlist_set_user(CwList* list, CwDatum user);
CwDatum cwlist_get_user(CwList* list);
CwDatum cwlist_null_value(CwList* list);

void cwlist_destroy(CwList* list);
void cwlist_destroy_all(CwList* list);
void cwlist_clear(CwList* list);
void cwlist_clear_all(CwList* list);

void cwlist_swap_lists(CwList* a, CwList* b);
void cwlist_swap_items(CwList* list, CwDatum a, CwDatum b);
void cwlist_swap_current(CwList* list, CwDatum d);

CwList* cwlist_copy(CwList* list);
CwList* cwlist_copy_deep(CwList* list);
CwList* cwlist_filter(CwList* list, CwListPredicate pred, CwDatum arg);
CwList* cwlist_filter_deep(CwList* list, CwListPredicate pred, CwDatum arg);
CwList* cwlist_extract(CwList* list, CwListPredicate pred, CwDatum arg);
CwList* cwlist_split_before(CwList* list);
CwList* cwlist_split_after(CwList* list);
void cwlist_concat(CwList* a, CwList* b);

CwDatum cwlist_prepend(CwList* list, CwDatum d);
CwDatum cwlist_append(CwList* list, CwDatum d);
CwDatum cwlist_insert_before(CwList* list, CwDatum d);
CwDatum cwlist_insert_after(CwList* list, CwDatum d);

CwDatum cwlist_pop_head(CwList* list);
CwDatum cwlist_pop_tail(CwList* list);
CwDatum cwlist_remove(CwList* list, CwDatum d);
CwDatum cwlist_remove_current(CwList* list);

CwDatum cwlist_first(CwList* list);
CwDatum cwlist_last(CwList* list);
CwDatum cwlist_current(CwList* list);
CwDatum cwlist_next(CwList* list);
CwDatum cwlist_prev(CwList* list);

long cwlist_count(CwList* list);
long cwlist_position(CwList* list);
long cwlist_depth(CwList* list);
CwDatum cwlist_nth(CwList* list, long i);
CwDatum cwlist_nth_from_tail(CwList* list, long i);
CwDatum cwlist_forward(CwList* list, long i);
CwDatum cwlist_back(CwList* list, long i);

CwDatum cwlist_find(CwList* list, CwDatum d);
CwDatum cwlist_search(CwList* list, CwListPredicate pred, CwDatum arg);
CwDatum cwlist_search_back(CwList* list, CwListPredicate pred, CwDatum arg);
CwDatum cwlist_search_from_current(CwList* list, CwListPredicate pred, CwDatum arg);
CwDatum cwlist_search_back_from_current(CwList* list, CwListPredicate pred, CwDatum arg);

void cwlist_for_each(CwList* list, CwListAction fn, CwDatum arg);
void cwlist_for_each_back(CwList* list, CwListAction fn, CwDatum arg);
void cwlist_for_each_from_current(CwList* list, CwListAction fn, CwDatum arg);
void cwlist_for_each_back_from_current(CwList* list, CwListAction fn, CwDatum arg);

// Pointer helpers for lists whose elements are pointers.
template <class T> CwDatum cwlist_datum(T* p) { return reinterpret_cast<CwDatum>(p); }
template <class T> T* cwlist_pointer(CwDatum d) { return reinterpret_cast<T*>(d); }
