// Pooled objects: made on any thread, deleted on any other, in any order,
// each keeping its own room while it lives.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <random>
#include <thread>
#include <vector>

#include "core/ObjectPool.h"

namespace {

// A base and derived classes of several sizes, deleted through the base as
// the model's arrays delete their elements.
class Piece {
public:
    EXLOAD_POOLED_OBJECT
    explicit Piece(std::uint64_t id) : m_id(id) {}
    virtual ~Piece() = default;
    virtual std::size_t Size() const { return sizeof(Piece); }
    virtual bool Intact() const { return true; }
    std::uint64_t Id() const { return m_id; }

private:
    std::uint64_t m_id;
};

template <std::size_t N>
class Sized : public Piece {
public:
    explicit Sized(std::uint64_t id) : Piece(id) { std::fill(std::begin(m_fill), std::end(m_fill), id * 31 + N); }
    std::size_t Size() const override { return sizeof(Sized); }
    bool Intact() const override
    {
        return std::all_of(std::begin(m_fill), std::end(m_fill), [this](std::uint64_t v) { return v == Id() * 31 + N; });
    }

private:
    std::uint64_t m_fill[N];
};

Piece* Make(std::uint64_t id)
{
    switch (id % 5) {
    case 0: return new Piece(id);
    case 1: return new Sized<3>(id);
    case 2: return new Sized<20>(id);
    case 3: return new Sized<38>(id);
    default: return new Sized<200>(id);  // beyond the pooled sizes: the heap's
    }
}

std::vector<Piece*> MakeOnThread(std::uint64_t first, std::size_t n)
{
    std::vector<Piece*> made;
    std::thread([&] {
        for (std::size_t i = 0; i < n; ++i)
            made.push_back(Make(first + i));
    }).join();
    return made;
}

// No two live objects share a byte, and each still holds what it was made with.
void ExpectApartAndIntact(const std::vector<Piece*>& pieces)
{
    std::vector<std::pair<std::uintptr_t, std::uintptr_t>> spans;
    for (const Piece* p : pieces) {
        ASSERT_TRUE(p->Intact()) << p->Id();
        const auto at = reinterpret_cast<std::uintptr_t>(p);
        EXPECT_EQ(at % alignof(Piece), 0u);
        spans.emplace_back(at, at + p->Size());
    }
    std::sort(spans.begin(), spans.end());
    for (std::size_t i = 1; i < spans.size(); ++i)
        ASSERT_LE(spans[i - 1].second, spans[i].first);
}

TEST(ObjectPool, ObjectsLiveApartAndDieOnAnyThreadInAnyOrder)
{
    std::mt19937 random(7);
    // Two threads make objects, which outlive them.
    std::vector<Piece*> live = MakeOnThread(0, 20000);
    const std::vector<Piece*> second = MakeOnThread(20000, 20000);
    live.insert(live.end(), second.begin(), second.end());
    ExpectApartAndIntact(live);

    // Others delete them in a random order while making new ones, which
    // take the room of the deleted.
    std::shuffle(live.begin(), live.end(), random);
    std::uint64_t next = 40000;
    for (int round = 0; round < 4; ++round) {
        const std::size_t n = live.size() / 2;
        std::vector<Piece*> doomed(live.end() - static_cast<std::ptrdiff_t>(n), live.end());
        live.resize(live.size() - n);
        std::vector<Piece*> made;
        std::thread([&] {
            for (std::size_t i = 0; i < doomed.size(); ++i) {
                ASSERT_TRUE(doomed[i]->Intact());
                delete doomed[i];
                if (i % 2 == 0)
                    made.push_back(Make(next++));
            }
        }).join();
        live.insert(live.end(), made.begin(), made.end());
        std::shuffle(live.begin(), live.end(), random);
        ExpectApartAndIntact(live);
    }
    // The rest goes on this thread.
    for (Piece* p : live)
        delete p;
}

} // namespace
