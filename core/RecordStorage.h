// Storage for arrays of stored records that a file read fills in place.
#pragma once

#include <cstddef>
#include <new>
#include <type_traits>
#include <utility>
#include <vector>

namespace orv {

// From this size on a block of records is a mapping of its own, which the
// C library's heap does not keep (the most it keeps is 32 MiB): each new one
// is faulted in afresh. It is then taken whole in large pages, aligned to
// them and rounded up to them, so that filling it faults once per 2 MiB.
inline constexpr std::size_t LargeRecordBlock = std::size_t{32} << 20;
void* AllocateLargeRecordBlock(std::size_t bytes);
void FreeLargeRecordBlock(void* block) noexcept;

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
        if (n < LargeRecordBlock / sizeof(T)) return std::allocator<T>{}.allocate(n);
        if (n > std::size_t(-1) / sizeof(T)) throw std::bad_array_new_length();
        return static_cast<T*>(AllocateLargeRecordBlock(n * sizeof(T)));
    }
    void deallocate(T* p, std::size_t n) noexcept
    {
        if (n < LargeRecordBlock / sizeof(T)) std::allocator<T>{}.deallocate(p, n);
        else FreeLargeRecordBlock(p);
    }

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
