#include "core/ObjectPool.h"

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <new>

namespace ex {

namespace {

// Chunks are aligned to their size, so an object finds its chunk's header
// from its own address.
constexpr std::size_t kChunkSize = std::size_t{64} << 10;
// Every pooled class holds nothing aligned beyond 8 bytes.
constexpr std::size_t kAlign = 8;
// Larger objects go to the heap as usual.
constexpr std::size_t kLargest = 1024;
constexpr std::size_t kClasses = kLargest / kAlign;
// Deleted objects a thread keeps per size for its next ones: enough for the
// objects a parse makes and drops again, few enough that a design deleted
// whole goes back to the heap.
constexpr unsigned kKept = 256;

// Objects made minus objects given back. The carving thread adds what it
// made only when it leaves the chunk, so the count reaches 0 (and the chunk
// goes) once, after the last of its objects is given back and never before.
struct ChunkHeader {
    std::atomic<std::ptrdiff_t> nLive{0};
};
constexpr std::size_t kHeaderSize = (sizeof(ChunkHeader) + kAlign - 1) / kAlign * kAlign;

void FreeChunk(ChunkHeader* chunk)
{
    chunk->~ChunkHeader();
    std::free(chunk);
}

void GiveBack(void* p)
{
    auto* chunk = reinterpret_cast<ChunkHeader*>(reinterpret_cast<std::uintptr_t>(p) & ~(kChunkSize - 1));
    if (chunk->nLive.fetch_sub(1, std::memory_order_acq_rel) == 1)
        FreeChunk(chunk);
}

// A thread's chunk being carved and the objects it keeps. Plain data, so
// that it stays usable while the thread ends: objects deleted then (or made,
// by destructors that run late) go straight back.
struct Carver {
    ChunkHeader* pChunk;
    char* next;
    char* end;
    std::ptrdiff_t nMade;
    void* kept[kClasses];
    unsigned nKept[kClasses];
    bool bEnded;

    void Leave()
    {
        if (pChunk == nullptr)
            return;
        if (pChunk->nLive.fetch_add(nMade, std::memory_order_acq_rel) + nMade == 0)
            FreeChunk(pChunk);
        pChunk = nullptr;
        next = end = nullptr;
        nMade = 0;
    }

    void GiveBackKept()
    {
        for (std::size_t c = 0; c < kClasses; ++c) {
            while (void* p = kept[c]) {
                kept[c] = *static_cast<void**>(p);
                GiveBack(p);
            }
            nKept[c] = 0;
        }
    }
};

thread_local Carver t_carver;

// Gives the thread's chunk and kept objects back as the thread ends; made
// the first time a thread carves or keeps.
struct CarverEnd {
    ~CarverEnd()
    {
        t_carver.Leave();
        t_carver.GiveBackKept();
        t_carver.bEnded = true;
    }
};
thread_local CarverEnd t_carverEnd;

void StartChunk(Carver& carver)
{
    carver.Leave();
    char* base = static_cast<char*>(std::aligned_alloc(kChunkSize, kChunkSize));
    if (base == nullptr)
        throw std::bad_alloc();
    carver.pChunk = ::new (base) ChunkHeader;
    carver.next = base + kHeaderSize;
    carver.end = base + kChunkSize;
    if (!carver.bEnded)
        static_cast<void>(&t_carverEnd);
}

std::size_t ClassOf(std::size_t size) { return (size + kAlign - 1) / kAlign - 1; }

} // namespace

void* PoolAllocate(std::size_t size)
{
    if (size == 0 || size > kLargest)
        return ::operator new(size);
    Carver& carver = t_carver;
    const std::size_t c = ClassOf(size);
    if (void* p = carver.kept[c]) {
        carver.kept[c] = *static_cast<void**>(p);
        --carver.nKept[c];
        return p;
    }
    const std::size_t rounded = (c + 1) * kAlign;
    if (static_cast<std::size_t>(carver.end - carver.next) < rounded)
        StartChunk(carver);
    void* p = carver.next;
    carver.next += rounded;
    ++carver.nMade;
    if (carver.bEnded)
        carver.Leave();
    return p;
}

void PoolFree(void* p, std::size_t size) noexcept
{
    if (p == nullptr)
        return;
    if (size == 0 || size > kLargest) {
        ::operator delete(p);
        return;
    }
    Carver& carver = t_carver;
    const std::size_t c = ClassOf(size);
    if (carver.bEnded || carver.nKept[c] == kKept) {
        GiveBack(p);
        return;
    }
    if (carver.kept[c] == nullptr)
        static_cast<void>(&t_carverEnd);
    *static_cast<void**>(p) = carver.kept[c];
    carver.kept[c] = p;
    ++carver.nKept[c];
}

} // namespace ex
