// The entries of a list or of a record's table: `count` entries of one size, one after another
// from a first offset.
#pragma once
#include <cstddef>
#include <vector>

#include "ZepUtil/ByteView.h"

// Appends the `count` entries of `size` bytes from `first` in `block`, each as
// `decode(view of the entry)` answers it, in their order. An entry past the block's end is read
// as zeros and faults `block` (ByteView::Sub): callers check the count against the size first,
// or ask `block.Ok()` after.
template <class Entry, class Decode>
void AppendEntries(const ByteView& block, std::size_t first, std::size_t size, std::size_t count,
                   std::vector<Entry>* out, Decode decode)
{
    for (std::size_t i = 0; i < count; ++i)
        out->push_back(decode(block.Sub(first + i * size, size)));
}
