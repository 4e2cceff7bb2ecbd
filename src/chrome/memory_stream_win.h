#pragma once
// A global memory block and a COM stream over it: how bytes in memory reach
// GDI+'s decoder. The stream owns the block and frees it with its last
// reference, so the block lives as long as anyone holds the stream: a copy
// of this object (copies share the stream) or GDI+ reading an image from it.

#include <windows.h>
#include <objidl.h>

#include <string>
#include <string_view>

class MemoryStream {
public:
    MemoryStream() = default;
    MemoryStream(const MemoryStream& other);
    MemoryStream(MemoryStream&& other) noexcept;
    MemoryStream& operator=(MemoryStream other) noexcept;
    ~MemoryStream() { release(); }

    // Drops this object's share of the stream and its block.
    void release();
    // Starts over with a new block: with `useBytes` a fixed block holding a
    // copy of `bytes`, without an empty movable block the stream grows as it
    // is written. The stream, or null when none could be made.
    IStream* open(std::string_view bytes, bool useBytes);
    IStream* stream() const { return stream_; }
    int size() const;
    std::string readAll() const;

private:
    HGLOBAL currentBlock() const;

    IStream* stream_ = nullptr;
};
