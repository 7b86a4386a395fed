// Guarded heap blocks: every block carries its size, a type tag and two guard bytes, and every
// live block is registered, so a bad pointer or an overwritten guard is caught at the next
// operation on the block.
//
// Block layout (n + 9 bytes): size (32-bit), tag (8-bit), 2 spare bytes, leading guard 0xAD,
// n data bytes, trailing guard 0xAD. Callers hold the address of the data.
#pragma once

#include <cstddef>
#include <cstdint>

inline constexpr unsigned char kCwmemGuard = 0xAD;
inline constexpr unsigned char kCwmemFill = 0xEE;
inline constexpr std::size_t kCwmemHeader = 8;   // size, tag, spare, leading guard
inline constexpr std::size_t kCwmemOverhead = 9; // header plus trailing guard

// Type tags a block may carry.
inline constexpr int kCwmemTagBlank = 32;
inline constexpr int kCwmemTagList = 76; // "L"
inline constexpr int kCwmemTagQ = 81;    // "Q"
inline constexpr int kCwmemTagS = 83;    // "S"

void cwmem_init();
bool cwmem_initialised();
// Frees every block still registered and forgets the registry (program end, tests).
void cwmem_shutdown();

void* cwmem_alloc(long n);   // data filled with 0xEE
void* cwmem_calloc(long n);  // data zeroed
void* cwmem_realloc(void* p, long n);
void* cwmem_recalloc(void* p, long n);
void* cwmem_dup(const void* p);
void cwmem_free(void* p);

long cwmem_live_count();
long cwmem_size(const void* p); // -1 after an assertion
int cwmem_get_tag(const void* p);
void cwmem_set_tag(void* p, int tag);

// Full check of a block as every operation does it; false after an assertion.
bool cwmem_check(const void* p);
