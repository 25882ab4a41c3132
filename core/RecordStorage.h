// Storage for arrays of stored records that a file read fills in place.
#pragma once

#include <cstddef>
#include <new>
#include <type_traits>
#include <utility>
#include <vector>

namespace orv {

// The most bytes one block of records may take; a larger request fails as
// an allocation fails when memory runs out (std::bad_alloc). Unbounded by
// default; tests bound it to see the program through that failure. Returns
// the previous bound.
std::size_t SetRecordBlockLimit(std::size_t bytes);
std::size_t RecordBlockLimit();

// Asks a TRecordAllocator for an element whose bytes are left as they are.
struct TUnfilled {};

// std::allocator with one addition: an element constructed from TUnfilled
// is default-initialised, so a trivial record's bytes are not written. Every
// other construction is what std::allocator does (a new element is
// value-initialised, i.e. zero-filled, for a trivial record).
template <typename T>
struct TRecordAllocator {
    using value_type = T;

    TRecordAllocator() noexcept = default;
    template <typename U>
    TRecordAllocator(const TRecordAllocator<U>&) noexcept {}

    T* allocate(std::size_t n)
    {
        if (n > RecordBlockLimit() / sizeof(T)) throw std::bad_alloc();
        return std::allocator<T>{}.allocate(n);
    }
    void deallocate(T* p, std::size_t n) noexcept { std::allocator<T>{}.deallocate(p, n); }

    template <typename U, typename... Args>
    void construct(U* p, Args&&... args)
    {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
    template <typename U>
    void construct(U* p, TUnfilled)
    {
        static_assert(std::is_trivially_default_constructible_v<U>, "only a trivial record may stay unfilled");
        ::new (static_cast<void*>(p)) U;
    }

    template <typename U>
    bool operator==(const TRecordAllocator<U>&) const noexcept { return true; }
};

// Appends n elements whose bytes are whatever the storage held, for a read
// that writes every byte of them; returns the first of them.
template <typename T>
T* AppendUnfilled(std::vector<T, TRecordAllocator<T>>& v, std::size_t n)
{
    const std::size_t from = v.size();
    v.reserve(from + n);
    for (std::size_t i = 0; i < n; ++i) v.emplace_back(TUnfilled{});
    return v.data() + from;
}

} // namespace orv
