// The tool's own list containers: an 8-bit count (at most 255 elements), growth by 4,
// element access by an unsigned 8-bit index and sorting through qsort.
//
// The element array lives in a std::vector; the 8-bit interface is kept. Add refuses a
// 256th element instead of wrapping the count, and GetAt past the count answers a
// value-initialised element instead of reading outside the array.
#pragma once
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <type_traits>
#include <vector>

#include "ZepUtil/Types.h"

template <typename T>
class List {
public:
    static constexpr unsigned kMaxCount = 255;

    virtual ~List() = default;
    virtual u8 GetCount() const = 0;
    virtual T GetAt(u8 index) const = 0;
    virtual int Add(T item) = 0;                                   // 0, or -1 when full
    virtual void Sort(int (*compare)(const void*, const void*)) = 0;
    virtual int RemoveAt(u8 index) = 0;                            // 0, or -1 past the count
};

template <typename T>
class ArrayList : public List<T> {
    static_assert(std::is_trivially_copyable_v<T>, "ArrayList holds plain values or pointers");

public:
    explicit ArrayList(u8 initialCapacity = 4) { items_.reserve(initialCapacity); }
    ArrayList(const ArrayList&) = default;
    ArrayList& operator=(const ArrayList&) = default;

    u8 GetCount() const override { return static_cast<u8>(items_.size()); }

    T GetAt(u8 index) const override { return index < items_.size() ? items_[index] : T{}; }

    int Add(T item) override
    {
        if (items_.size() >= List<T>::kMaxCount)
            return -1;
        if (items_.size() == items_.capacity())
            items_.reserve(items_.size() + 4);
        items_.push_back(item);
        return 0;
    }

    void Sort(int (*compare)(const void*, const void*)) override
    {
        if (items_.size() > 1)
            std::qsort(items_.data(), items_.size(), sizeof(T), compare);
    }

    int RemoveAt(u8 index) override
    {
        if (index >= items_.size())
            return -1;
        items_.erase(items_.begin() + index);
        return 0;
    }

    bool Contains(const T& item) const { return std::find(items_.begin(), items_.end(), item) != items_.end(); }
    bool IsFull() const { return items_.size() >= List<T>::kMaxCount; }
    void Clear() { items_.clear(); }

private:
    std::vector<T> items_;
};

// Deletes every element of a list of owned pointers, then empties the list.
template <typename T>
void DeleteElements(ArrayList<T*>& list)
{
    for (unsigned i = 0; i < list.GetCount(); ++i)
        delete list.GetAt(static_cast<u8>(i));
    list.Clear();
}

// Deletes every element of a list of owned pointers and then the list; nothing for null.
template <typename T>
void DeleteList(ArrayList<T*>* list)
{
    if (list == nullptr)
        return;
    DeleteElements(*list);
    delete list;
}

// A list that owns its elements, freed with them.
struct OwnedListDeleter {
    template <typename T>
    void operator()(ArrayList<T*>* list) const
    {
        DeleteList(list);
    }
};
template <typename T>
using OwnedList = std::unique_ptr<ArrayList<T*>, OwnedListDeleter>;

template <typename T>
class ArrayListIterator {
public:
    ArrayListIterator(const List<T>* list, u8 start) : list_(list), start_(start), index_(start) {}

    void First() { index_ = start_; }
    void Next()
    {
        if (!IsDone())
            ++index_;
    }
    bool IsDone() const { return list_ == nullptr || index_ >= list_->GetCount(); }
    T GetCurrentItem() const { return IsDone() ? T{} : list_->GetAt(static_cast<u8>(index_)); }
    u8 GetIndex() const { return static_cast<u8>(index_); }

private:
    const List<T>* list_;
    unsigned start_;
    unsigned index_;
};
