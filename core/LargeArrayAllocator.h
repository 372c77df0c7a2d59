#pragma once
// The allocator of arrays that can grow to millions of elements: small ones from the ordinary
// heap, large ones as large blocks of the platform layer.

#include "platform/LargeBlocks.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <vector>

template <typename T>
class CLargeArrayAllocator {
public:
    using value_type = T;

    CLargeArrayAllocator() = default;
    template <typename U>
    CLargeArrayAllocator(const CLargeArrayAllocator<U>&) noexcept {}

    T* allocate(std::size_t count) {
        if (count > SIZE_MAX / sizeof(T))
            throw std::bad_array_new_length();
        if (IsLarge(count))
            return static_cast<T*>(platform::AllocateLargeBlock(count * sizeof(T)));
        return std::allocator<T>().allocate(count);
    }

    void deallocate(T* elements, std::size_t count) noexcept {
        if (IsLarge(count))
            platform::FreeLargeBlock(elements, count * sizeof(T));
        else
            std::allocator<T>().deallocate(elements, count);
    }

    template <typename U>
    bool operator==(const CLargeArrayAllocator<U>&) const noexcept {
        return true;
    }

private:
    static bool IsLarge(std::size_t count) {
        return count * sizeof(T) >= platform::kLargeBlockSize;
    }
};

// A vector whose storage may be large.
template <typename T>
using TLargeVector = std::vector<T, CLargeArrayAllocator<T>>;
