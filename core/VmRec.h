#pragma once
// The growable vector behind marks, searches and index lists. Reads by index are checked and
// fail with the text "out of bounds", which callers catch as a const char*.

#include <cstddef>
#include <vector>

// What every checked access throws.
inline constexpr const char* kOutOfBounds = "out of bounds";

template <typename T>
class TVmRec {
public:
    using iterator = typename std::vector<T>::iterator;
    using const_iterator = typename std::vector<T>::const_iterator;

    TVmRec() = default;
    TVmRec(const TVmRec&) = default;
    TVmRec(TVmRec&&) noexcept = default;
    TVmRec& operator=(const TVmRec&) = default;
    TVmRec& operator=(TVmRec&&) noexcept = default;
    virtual ~TVmRec() = default;

    int GetSize() const { return static_cast<int>(elements_.size()); }
    bool IsEmpty() const { return elements_.empty(); }

    const T& GetAt(int index) const {
        CheckIndex(index, GetSize());
        return elements_[static_cast<std::size_t>(index)];
    }

    // Writable access. One past the end appends a default element, so lists can append by
    // writing there; anything further throws rather than growing the array by a stray index.
    T& ElementAt(int index) {
        CheckIndex(index, GetSize() + 1);
        if (index == GetSize())
            elements_.emplace_back();
        return elements_[static_cast<std::size_t>(index)];
    }

    void Add(const T& element) { elements_.push_back(element); }
    // Index 0 to the size; later elements move up by one.
    void InsertAt(int index, const T& element) {
        CheckIndex(index, GetSize() + 1);
        elements_.insert(elements_.begin() + index, element);
    }
    void RemoveAt(int index) {
        CheckIndex(index, GetSize());
        elements_.erase(elements_.begin() + index);
    }
    void RemoveAll() { elements_.clear(); }
    void Reserve(int count) { elements_.reserve(count > 0 ? static_cast<std::size_t>(count) : 0); }

    iterator begin() { return elements_.begin(); }
    iterator end() { return elements_.end(); }
    const_iterator begin() const { return elements_.begin(); }
    const_iterator end() const { return elements_.end(); }
    T* data() { return elements_.data(); }
    const T* data() const { return elements_.data(); }
    std::size_t size() const { return elements_.size(); }

private:
    static void CheckIndex(int index, int limit) {
        if (index < 0 || index >= limit)
            throw kOutOfBounds;
    }

    std::vector<T> elements_;
};
