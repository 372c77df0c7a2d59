#pragma once
// The allocator of arrays that can grow to millions of elements: small ones from the ordinary
// heap, large ones as large blocks of the platform layer.

#include "platform/LargeBlocks.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <type_traits>
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

// A fixed number of elements that start uninitialised, for arrays that are filled at once (sort
// keys and their scratch space) and so need no pass that zeroes them first.
template <typename T>
class TLargeArray {
    static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>);

public:
    TLargeArray() = default;
    explicit TLargeArray(std::size_t size)
        : elements_(size ? CLargeArrayAllocator<T>().allocate(size) : nullptr, CRelease{size}) {}

    std::size_t size() const { return elements_.get_deleter().size; }
    T* begin() { return elements_.get(); }
    T* end() { return begin() + size(); }
    const T* begin() const { return elements_.get(); }
    const T* end() const { return begin() + size(); }
    T& operator[](std::size_t index) { return elements_[index]; }
    const T& operator[](std::size_t index) const { return elements_[index]; }

private:
    struct CRelease {
        std::size_t size = 0;
        void operator()(T* elements) const noexcept {
            CLargeArrayAllocator<T>().deallocate(elements, size);
        }
    };

    std::unique_ptr<T[], CRelease> elements_;
};
