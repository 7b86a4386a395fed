// Doubly linked circular list with sentinel and cursor on guarded blocks.
#include "foundation/cwlist.h"

#include "foundation/cwexcept.h"
#include "foundation/cwmem.h"

#include <utility>

namespace {

struct Node {
    Node* next;
    Node* prev;
    CwDatum data;
};

// The six words of a list header, in their documented order.
struct Header {
    Node* sentinel;
    Node* cursor;
    CwDatum count;
    CwDatum depth;
    CwDatum user;
    CwDatum null_value;
};

#define CWLIST_ASSERT() cwexcept_assert("cwlist", __LINE__)

Header* header_of(CwList* list) { return reinterpret_cast<Header*>(list); }
CwList* list_of(Header* h) { return reinterpret_cast<CwList*>(h); }

// Every operation: a non-null, aligned block tagged as a list header.
Header* checked(CwList* list) {
    if (list == nullptr || (reinterpret_cast<std::uintptr_t>(list) & 3u) != 0) {
        CWLIST_ASSERT();
        return nullptr;
    }
    if (cwmem_get_tag(list) != kCwmemTagList) {
        CWLIST_ASSERT();
        return nullptr;
    }
    return header_of(list);
}

// Structural operations and every insertion or removal also need the list not to be in a
// traversal: a callback may read the list and move the cursor, nothing more.
Header* checked_idle(CwList* list) {
    Header* h = checked(list);
    if (h != nullptr && h->depth != 0) {
        CWLIST_ASSERT();
        return nullptr;
    }
    return h;
}

bool storable(Header* h, CwDatum d) {
    if (h->null_value != 0 && d == h->null_value) {
        CWLIST_ASSERT();
        return false;
    }
    return true;
}

Node* new_node(CwDatum d) {
    auto* n = static_cast<Node*>(cwmem_calloc(sizeof(Node)));
    if (n != nullptr) n->data = d;
    return n;
}

void link_after(Node* pos, Node* n) {
    n->prev = pos;
    n->next = pos->next;
    pos->next->prev = n;
    pos->next = n;
}

void unlink(Node* n) {
    n->prev->next = n->next;
    n->next->prev = n->prev;
}

bool is_end(const Header* h, const Node* n) { return n == h->sentinel; }

Node* node_holding(Header* h, CwDatum d) {
    for (Node* n = h->sentinel->next; !is_end(h, n); n = n->next)
        if (n->data == d) return n;
    return nullptr;
}

Header* new_header(CwDatum head_data, CwDatum user, CwDatum null_value) {
    auto* h = static_cast<Header*>(cwmem_calloc(sizeof(Header)));
    if (h == nullptr) return nullptr;
    cwmem_set_tag(h, kCwmemTagList);
    Node* s = new_node(head_data);
    if (s == nullptr) {
        cwmem_free(h);
        return nullptr;
    }
    s->next = s;
    s->prev = s;
    h->sentinel = s;
    h->user = user;
    h->null_value = null_value;
    return h;
}

CwDatum insert_at(Header* h, Node* after, CwDatum d) {
    Node* n = new_node(d);
    if (n == nullptr) return h->null_value;
    link_after(after, n);
    ++h->count;
    h->cursor = n;
    return d;
}

CwDatum remove_node(Header* h, Node* n) {
    CwDatum d = n->data;
    unlink(n);
    cwmem_free(n);
    --h->count;
    h->cursor = nullptr;
    return d;
}

void free_nodes(Header* h, bool free_data) {
    Node* n = h->sentinel->next;
    while (!is_end(h, n)) {
        Node* next = n->next;
        if (free_data && n->data != 0) cwmem_free(reinterpret_cast<void*>(n->data));
        cwmem_free(n);
        n = next;
    }
    h->sentinel->next = h->sentinel;
    h->sentinel->prev = h->sentinel;
    h->count = 0;
    h->cursor = nullptr;
}

CwDatum duplicate(CwDatum d) {
    if (d == 0) return 0;
    return reinterpret_cast<CwDatum>(cwmem_dup(reinterpret_cast<void*>(d)));
}

// Moves a node from one list to the tail of another.
void move_node(Header* from, Header* to, Node* n) {
    unlink(n);
    --from->count;
    link_after(to->sentinel->prev, n);
    ++to->count;
}

// Runs pred over the list with the depth raised; returns whether it matched.
bool test(Header* h, CwListPredicate pred, CwDatum d, CwDatum arg) {
    ++h->depth;
    bool match = pred(d, arg, list_of(h)) != 0;
    --h->depth;
    return match;
}

CwList* filtered(CwList* list, CwListPredicate pred, CwDatum arg, bool deep) {
    Header* h = checked(list);
    if (h == nullptr || pred == nullptr) return nullptr;
    Header* out = new_header(deep ? duplicate(h->sentinel->data) : h->sentinel->data, -1,
                             h->null_value);
    if (out == nullptr) return nullptr;
    for (Node* n = h->sentinel->next; !is_end(h, n); n = n->next) {
        if (test(h, pred, n->data, arg))
            insert_at(out, out->sentinel->prev, deep ? duplicate(n->data) : n->data);
    }
    out->cursor = nullptr;
    return list_of(out);
}

CwList* copied(CwList* list, bool deep) {
    Header* h = checked(list);
    if (h == nullptr) return nullptr;
    Header* out = new_header(deep ? duplicate(h->sentinel->data) : h->sentinel->data, h->user,
                             h->null_value);
    if (out == nullptr) return nullptr;
    for (Node* n = h->sentinel->next; !is_end(h, n); n = n->next)
        insert_at(out, out->sentinel->prev, deep ? duplicate(n->data) : n->data);
    out->cursor = nullptr;
    return list_of(out);
}

CwDatum step(CwList* list, bool forward) {
    Header* h = checked(list);
    if (h == nullptr) return 0;
    if (h->cursor == nullptr) return h->null_value;
    Node* n = forward ? h->cursor->next : h->cursor->prev;
    if (is_end(h, n)) {
        h->cursor = nullptr;
        return h->null_value;
    }
    h->cursor = n;
    return n->data;
}

CwDatum nth(CwList* list, long i, bool from_tail) {
    Header* h = checked(list);
    if (h == nullptr) return 0;
    if (i < 1 || i > h->count) {
        CWLIST_ASSERT();
        return h->null_value;
    }
    Node* n = h->sentinel;
    for (long k = 0; k < i; ++k) n = from_tail ? n->prev : n->next;
    h->cursor = n;
    return n->data;
}

CwDatum move_by(CwList* list, long i, bool forward) {
    Header* h = checked(list);
    if (h == nullptr) return 0;
    if (i < 0) {
        i = -i;
        forward = !forward;
    }
    if (h->cursor == nullptr) return h->null_value;
    Node* n = h->cursor;
    for (long k = 0; k < i; ++k) {
        n = forward ? n->next : n->prev;
        if (is_end(h, n)) return h->null_value;
    }
    h->cursor = n;
    return n->data;
}

// Searches from `start` in one direction; the match becomes current.
CwDatum search_from(Header* h, Node* start, bool forward, CwListPredicate pred, CwDatum arg) {
    if (pred == nullptr) {
        CWLIST_ASSERT();
        return h->null_value;
    }
    for (Node* n = start; !is_end(h, n); n = forward ? n->next : n->prev) {
        if (test(h, pred, n->data, arg)) {
            h->cursor = n;
            return n->data;
        }
    }
    return h->null_value;
}

// Calls fn on each element from `start`; the cursor is put back after every call.
void for_each_from(Header* h, Node* start, bool forward, CwListAction fn, CwDatum arg) {
    if (fn == nullptr) {
        CWLIST_ASSERT();
        return;
    }
    Node* saved = h->cursor;
    ++h->depth;
    for (Node* n = start; !is_end(h, n); n = forward ? n->next : n->prev) {
        fn(n->data, arg, list_of(h));
        h->cursor = saved;
    }
    --h->depth;
}

} // namespace

CwList* cwlist_create(CwDatum head_data, CwDatum user, CwDatum null_value) {
    return list_of(new_header(head_data, user, null_value));
}

void cwlist_set_head_data(CwList* list, CwDatum head_data) {
    if (Header* h = checked_idle(list)) h->sentinel->data = head_data;
}

CwDatum cwlist_get_head_data(CwList* list) {
    Header* h = checked(list);
    if (h == nullptr) return 0;
    if (h->sentinel->data == 0) CWLIST_ASSERT();
    return h->sentinel->data;
}

void cwlist_set_user(CwList* list, CwDatum user) {
    if (Header* h = checked(list)) h->user = user;
}

CwDatum cwlist_get_user(CwList* list) {
    Header* h = checked(list);
    return h != nullptr ? h->user : 0;
}

CwDatum cwlist_null_value(CwList* list) {
    Header* h = checked(list);
    return h != nullptr ? h->null_value : 0;
}

void cwlist_destroy(CwList* list) {
    Header* h = checked_idle(list);
    if (h == nullptr) return;
    free_nodes(h, false);
    cwmem_free(h->sentinel);
    cwmem_free(h);
}

void cwlist_destroy_all(CwList* list) {
    Header* h = checked_idle(list);
    if (h == nullptr) return;
    if (h->null_value != 0) {
        CWLIST_ASSERT();
        return;
    }
    free_nodes(h, true);
    if (h->sentinel->data != 0) cwmem_free(reinterpret_cast<void*>(h->sentinel->data));
    cwmem_free(h->sentinel);
    cwmem_free(h);
}

void cwlist_clear(CwList* list) {
    if (Header* h = checked_idle(list)) free_nodes(h, false);
}

void cwlist_clear_all(CwList* list) {
    Header* h = checked_idle(list);
    if (h == nullptr) return;
    if (h->null_value != 0) {
        CWLIST_ASSERT();
        return;
    }
    free_nodes(h, true);
}

void cwlist_swap_lists(CwList* a, CwList* b) {
    Header* ha = checked_idle(a);
    Header* hb = checked_idle(b);
    if (ha == nullptr || hb == nullptr) return;
    std::swap(ha->sentinel, hb->sentinel);
    std::swap(ha->cursor, hb->cursor);
    std::swap(ha->count, hb->count);
    std::swap(ha->user, hb->user);
}

namespace {
// Exchanging the places of two nodes is the same as exchanging their data, as long as the
// cursor follows the node it was on.
void swap_nodes(Header* h, Node* x, Node* y) {
    std::swap(x->data, y->data);
    if (h->cursor == x)
        h->cursor = y;
    else if (h->cursor == y)
        h->cursor = x;
}
} // namespace

void cwlist_swap_items(CwList* list, CwDatum a, CwDatum b) {
    Header* h = checked_idle(list);
    if (h == nullptr) return;
    Node* x = node_holding(h, a);
    Node* y = node_holding(h, b);
    if (x == nullptr || y == nullptr) return;
    swap_nodes(h, x, y);
}

void cwlist_swap_current(CwList* list, CwDatum d) {
    Header* h = checked_idle(list);
    if (h == nullptr || h->cursor == nullptr) return;
    Node* y = node_holding(h, d);
    if (y == nullptr) return;
    swap_nodes(h, h->cursor, y);
}

CwList* cwlist_copy(CwList* list) { return copied(list, false); }
CwList* cwlist_copy_deep(CwList* list) { return copied(list, true); }

CwList* cwlist_filter(CwList* list, CwListPredicate pred, CwDatum arg) {
    return filtered(list, pred, arg, false);
}

CwList* cwlist_filter_deep(CwList* list, CwListPredicate pred, CwDatum arg) {
    return filtered(list, pred, arg, true);
}

CwList* cwlist_extract(CwList* list, CwListPredicate pred, CwDatum arg) {
    Header* h = checked_idle(list);
    if (h == nullptr || pred == nullptr) return nullptr;
    Header* out = new_header(0, -1, h->null_value);
    if (out == nullptr) return nullptr;
    Node* n = h->sentinel->next;
    while (!is_end(h, n)) {
        Node* next = n->next;
        if (test(h, pred, n->data, arg)) {
            if (h->cursor == n) h->cursor = nullptr;
            move_node(h, out, n);
        }
        n = next;
    }
    return list_of(out);
}

namespace {
CwList* split(CwList* list, bool before) {
    Header* h = checked_idle(list);
    if (h == nullptr || h->count == 0 || h->cursor == nullptr) return nullptr;
    Header* out = new_header(0, -1, h->null_value);
    if (out == nullptr) return nullptr;
    if (before) {
        while (h->sentinel->next != h->cursor) move_node(h, out, h->sentinel->next);
    } else {
        while (h->cursor->next != h->sentinel) move_node(h, out, h->cursor->next);
    }
    return list_of(out);
}
} // namespace

CwList* cwlist_split_before(CwList* list) { return split(list, true); }
CwList* cwlist_split_after(CwList* list) { return split(list, false); }

void cwlist_concat(CwList* a, CwList* b) {
    Header* ha = checked_idle(a);
    Header* hb = checked_idle(b);
    if (ha == nullptr || hb == nullptr) return;
    if (ha == hb || ha->null_value != hb->null_value) {
        CWLIST_ASSERT();
        return;
    }
    while (hb->count > 0) move_node(hb, ha, hb->sentinel->next);
    cwmem_free(hb->sentinel);
    cwmem_free(hb);
}

CwDatum cwlist_prepend(CwList* list, CwDatum d) {
    Header* h = checked_idle(list);
    if (h == nullptr) return 0;
    if (!storable(h, d)) return h->null_value;
    return insert_at(h, h->sentinel, d);
}

CwDatum cwlist_append(CwList* list, CwDatum d) {
    Header* h = checked_idle(list);
    if (h == nullptr) return 0;
    if (!storable(h, d)) return h->null_value;
    return insert_at(h, h->sentinel->prev, d);
}

CwDatum cwlist_insert_before(CwList* list, CwDatum d) {
    Header* h = checked_idle(list);
    if (h == nullptr || h->cursor == nullptr) return 0;
    if (!storable(h, d)) return h->null_value;
    return insert_at(h, h->cursor->prev, d);
}

CwDatum cwlist_insert_after(CwList* list, CwDatum d) {
    Header* h = checked_idle(list);
    if (h == nullptr || h->cursor == nullptr) return 0;
    if (!storable(h, d)) return h->null_value;
    return insert_at(h, h->cursor, d);
}

CwDatum cwlist_pop_head(CwList* list) {
    Header* h = checked_idle(list);
    if (h == nullptr) return 0;
    if (h->count == 0) return h->null_value;
    return remove_node(h, h->sentinel->next);
}

CwDatum cwlist_pop_tail(CwList* list) {
    Header* h = checked_idle(list);
    if (h == nullptr) return 0;
    if (h->count == 0) return h->null_value;
    return remove_node(h, h->sentinel->prev);
}

CwDatum cwlist_remove(CwList* list, CwDatum d) {
    Header* h = checked_idle(list);
    if (h == nullptr) return 0;
    Node* n = node_holding(h, d);
    if (n == nullptr) return h->null_value;
    return remove_node(h, n);
}

CwDatum cwlist_remove_current(CwList* list) {
    Header* h = checked_idle(list);
    if (h == nullptr) return 0;
    if (h->cursor == nullptr) return h->null_value;
    return remove_node(h, h->cursor);
}

CwDatum cwlist_first(CwList* list) {
    Header* h = checked(list);
    if (h == nullptr) return 0;
    if (h->count == 0) {
        h->cursor = nullptr;
        return h->null_value;
    }
    h->cursor = h->sentinel->next;
    return h->cursor->data;
}

CwDatum cwlist_last(CwList* list) {
    Header* h = checked(list);
    if (h == nullptr) return 0;
    if (h->count == 0) {
        h->cursor = nullptr;
        return h->null_value;
    }
    h->cursor = h->sentinel->prev;
    return h->cursor->data;
}

CwDatum cwlist_current(CwList* list) {
    Header* h = checked(list);
    if (h == nullptr) return 0;
    return h->cursor != nullptr ? h->cursor->data : h->null_value;
}

CwDatum cwlist_next(CwList* list) { return step(list, true); }
CwDatum cwlist_prev(CwList* list) { return step(list, false); }

long cwlist_count(CwList* list) {
    Header* h = checked(list);
    return h != nullptr ? static_cast<long>(h->count) : 0;
}

long cwlist_position(CwList* list) {
    Header* h = checked(list);
    if (h == nullptr || h->cursor == nullptr) return -1;
    long pos = 1;
    for (Node* n = h->sentinel->next; n != h->cursor; n = n->next) ++pos;
    return pos;
}

long cwlist_depth(CwList* list) {
    Header* h = checked(list);
    return h != nullptr ? static_cast<long>(h->depth) : 0;
}

CwDatum cwlist_nth(CwList* list, long i) { return nth(list, i, false); }
CwDatum cwlist_nth_from_tail(CwList* list, long i) { return nth(list, i, true); }
CwDatum cwlist_forward(CwList* list, long i) { return move_by(list, i, true); }
CwDatum cwlist_back(CwList* list, long i) { return move_by(list, i, false); }

CwDatum cwlist_find(CwList* list, CwDatum d) {
    Header* h = checked(list);
    if (h == nullptr) return 0;
    Node* n = node_holding(h, d);
    if (n == nullptr) return h->null_value;
    h->cursor = n;
    return d;
}

CwDatum cwlist_search(CwList* list, CwListPredicate pred, CwDatum arg) {
    Header* h = checked(list);
    return h != nullptr ? search_from(h, h->sentinel->next, true, pred, arg) : 0;
}

CwDatum cwlist_search_back(CwList* list, CwListPredicate pred, CwDatum arg) {
    Header* h = checked(list);
    return h != nullptr ? search_from(h, h->sentinel->prev, false, pred, arg) : 0;
}

// Without a cursor the searches "from the current node" start at the head (tail).
CwDatum cwlist_search_from_current(CwList* list, CwListPredicate pred, CwDatum arg) {
    Header* h = checked(list);
    if (h == nullptr) return 0;
    Node* start = h->cursor != nullptr ? h->cursor->next : h->sentinel->next;
    return search_from(h, start, true, pred, arg);
}

CwDatum cwlist_search_back_from_current(CwList* list, CwListPredicate pred, CwDatum arg) {
    Header* h = checked(list);
    if (h == nullptr) return 0;
    Node* start = h->cursor != nullptr ? h->cursor->prev : h->sentinel->prev;
    return search_from(h, start, false, pred, arg);
}

void cwlist_for_each(CwList* list, CwListAction fn, CwDatum arg) {
    if (Header* h = checked(list)) for_each_from(h, h->sentinel->next, true, fn, arg);
}

void cwlist_for_each_back(CwList* list, CwListAction fn, CwDatum arg) {
    if (Header* h = checked(list)) for_each_from(h, h->sentinel->prev, false, fn, arg);
}

// Traversals "from the current node" include it; without a cursor they do nothing.
void cwlist_for_each_from_current(CwList* list, CwListAction fn, CwDatum arg) {
    Header* h = checked(list);
    if (h != nullptr && h->cursor != nullptr) for_each_from(h, h->cursor, true, fn, arg);
}

void cwlist_for_each_back_from_current(CwList* list, CwListAction fn, CwDatum arg) {
    Header* h = checked(list);
    if (h != nullptr && h->cursor != nullptr) for_each_from(h, h->cursor, false, fn, arg);
}
