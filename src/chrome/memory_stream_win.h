#pragma once
// A global memory block and a COM stream over it: how bytes in memory reach
// GDI+'s decoder. Copies share the block and the stream; the last copy to go
// releases them, the stream before the block it reads.

#include <windows.h>
#include <objidl.h>

#include <memory>
#include <string>
#include <string_view>

class MemoryStream {
public:
    // Drops this object's share of the block and the stream.
    void release();
    // Starts over with a new block. With `useBytes`: a fixed block holding a
    // copy of `bytes`, and a stream over it that leaves the block to this
    // object. Without: an empty movable block owned by its stream, which grows
    // it as it is written. The stream, or null when none could be made.
    IStream* open(std::string_view bytes, bool useBytes);
    IStream* stream() const;
    int size() const;
    std::string readAll() const;

private:
    struct Block;
    HGLOBAL memory() const;
    std::shared_ptr<Block> block_;
};
