#pragma once
// A fixed-size, zero-filled array of trivially copyable values for big
// tables that are read at random: on Linux it asks for huge pages, so that a
// lookup does not pay a page-table walk on top of its one memory read. It
// may also be a view of memory kept elsewhere.

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <type_traits>

namespace tb {

void adviseHugePages(void* p, size_t bytes);

template <class T>
class HugeArray {
    static_assert(std::is_trivially_copyable_v<T>);

  public:
    HugeArray() = default;
    explicit HugeArray(size_t n) : size_(n) {
        constexpr size_t kHuge = size_t{2} << 20;
        // Small tables (tests, an empty store) stay on ordinary pages.
        const size_t align = n * sizeof(T) >= kHuge ? kHuge : 64;
        const size_t bytes = std::max<size_t>(align, (n * sizeof(T) + align - 1) / align * align);
        data_.reset(static_cast<T*>(std::aligned_alloc(align, bytes)));
        if (!data_) throw std::bad_alloc();
        adviseHugePages(data_.get(), bytes);
        std::memset(static_cast<void*>(data_.get()), 0, bytes);
    }
    // A view of n values at p that someone else keeps (a mapped file): it is
    // never freed through the array.
    static HugeArray view(T* p, size_t n) {
        HugeArray a;
        a.data_ = std::unique_ptr<T[], Free>(p, Free{false});
        a.size_ = n;
        return a;
    }
    size_t size() const { return size_; }
    T* data() { return data_.get(); }
    const T* data() const { return data_.get(); }
    T& operator[](size_t i) { return data_[i]; }
    const T& operator[](size_t i) const { return data_[i]; }

  private:
    struct Free {
        bool owned = true;
        void operator()(T* p) const {
            if (owned) std::free(p);
        }
    };
    std::unique_ptr<T[], Free> data_;
    size_t size_ = 0;
};

}  // namespace tb
