#pragma once

// The model's small objects made by the hundred thousand (pins, route
// objects, shapes) come from chunks that each thread carves in turn rather
// than from one allocation each: a few instructions per object and no
// rounding up to the allocator's sizes. Each object may still be deleted on
// its own, from any thread, in any order; a chunk goes back to the heap when
// its last object is deleted. Room of an object deleted early is not reused
// before its whole chunk goes.
//
// A class takes part with EXLOAD_POOLED_OBJECT in its declaration; classes
// derived from it do too. Builds with EXLOAD_NO_OBJECT_POOL (those with a
// sanitizer) use plain new and delete, so that every object is seen alone.

#include <cstddef>

namespace ex {

void* PoolAllocate(std::size_t size);
void PoolFree(void* p, std::size_t size) noexcept;

} // namespace ex

#ifdef EXLOAD_NO_OBJECT_POOL
#define EXLOAD_POOLED_OBJECT
#else
#define EXLOAD_POOLED_OBJECT                                                                       \
    static void* operator new(std::size_t size) { return ex::PoolAllocate(size); }                 \
    static void operator delete(void* p, std::size_t size) noexcept { ex::PoolFree(p, size); }
#endif
