// Drives the list engine with an operation sequence taken from the input and checks it
// against a std::deque model after every step.
#include "foundation/cwexcept.h"
#include "foundation/cwlist.h"
#include "foundation/cwmem.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <deque>

namespace {
void on_error(int, const char*) {}

int is_value(CwDatum d, CwDatum arg, CwList*) { return d == arg ? 1 : 0; }
int is_odd(CwDatum d, CwDatum, CwList*) { return static_cast<int>(d & 1); }

void check(bool ok) {
    if (!ok) std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!cwmem_initialised()) cwmem_init();
    cwexcept_set_channels(nullptr, nullptr, on_error, on_error, on_error, on_error);
    long live_before = cwmem_live_count();

    CwList* list = cwlist_create(0, 0, -1);
    std::deque<CwDatum> model;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        CwDatum value = data[i + 1] % 16;
        switch (data[i] % 9) {
        case 0:
            cwlist_append(list, value);
            model.push_back(value);
            break;
        case 1:
            cwlist_prepend(list, value);
            model.push_front(value);
            break;
        case 2:
            check(cwlist_pop_head(list) == (model.empty() ? -1 : model.front()));
            if (!model.empty()) model.pop_front();
            break;
        case 3:
            check(cwlist_pop_tail(list) == (model.empty() ? -1 : model.back()));
            if (!model.empty()) model.pop_back();
            break;
        case 4: {
            CwDatum removed = cwlist_remove(list, value);
            bool found = false;
            for (auto it = model.begin(); it != model.end(); ++it)
                if (*it == value) {
                    model.erase(it);
                    found = true;
                    break;
                }
            check(removed == (found ? value : -1));
            break;
        }
        case 5: {
            long n = static_cast<long>(value % (model.size() + 2));
            CwDatum got = cwlist_nth(list, n);
            bool inside = n >= 1 && n <= static_cast<long>(model.size());
            check(got == (inside ? model[static_cast<std::size_t>(n - 1)] : -1));
            break;
        }
        case 6: {
            CwList* odd = cwlist_extract(list, is_odd, 0);
            std::deque<CwDatum> kept;
            long odd_count = 0;
            for (CwDatum d : model) (d & 1) ? ++odd_count : (kept.push_back(d), 0);
            model = kept;
            check(cwlist_count(odd) == odd_count);
            cwlist_destroy(odd);
            break;
        }
        case 7: check((cwlist_search(list, is_value, value) == value) ==
                      ([&] { for (CwDatum d : model) if (d == value) return true; return false; })());
            break;
        case 8: {
            CwList* copy = cwlist_copy(list);
            cwlist_concat(list, copy);
            std::deque<CwDatum> twice = model;
            twice.insert(twice.end(), model.begin(), model.end());
            model = twice;
            if (model.size() > 512) {
                cwlist_clear(list);
                model.clear();
            }
            break;
        }
        }
        check(cwlist_count(list) == static_cast<long>(model.size()));
    }
    std::size_t k = 0;
    for (CwDatum d = cwlist_first(list); d != -1; d = cwlist_next(list)) check(d == model[k++]);
    check(k == model.size());
    cwlist_destroy(list);
    check(cwmem_live_count() == live_before);
    return 0;
}
