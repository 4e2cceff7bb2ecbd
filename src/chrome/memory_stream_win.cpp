#include "chrome/memory_stream_win.h"

#include <cstring>

struct MemoryStream::Block {
    HGLOBAL memory = nullptr;
    IStream* stream = nullptr;
    bool ownsMemory = false;  // false when the stream frees the block itself

    Block() = default;
    Block(const Block&) = delete;
    Block& operator=(const Block&) = delete;
    ~Block()
    {
        if (stream)
            stream->Release();
        if (memory && ownsMemory)
            GlobalFree(memory);
    }
};

void MemoryStream::release() { block_.reset(); }

IStream* MemoryStream::open(std::string_view bytes, bool useBytes)
{
    release();
    auto block = std::make_shared<Block>();
    block->memory = GlobalAlloc(useBytes ? GMEM_FIXED : GMEM_MOVEABLE, useBytes ? bytes.size() : 0);
    if (!block->memory)
        return nullptr;
    block->ownsMemory = true;
    if (useBytes)
        memcpy(block->memory, bytes.data(), bytes.size());
    if (FAILED(CreateStreamOnHGlobal(block->memory, !useBytes, &block->stream)))
        return nullptr;  // the block goes with `block`
    block->ownsMemory = useBytes;
    block_ = std::move(block);
    return block_->stream;
}

IStream* MemoryStream::stream() const { return block_ ? block_->stream : nullptr; }

HGLOBAL MemoryStream::memory() const
{
    if (!block_)
        return nullptr;
    // A stream that grew its movable block may have replaced it.
    HGLOBAL memory = block_->memory;
    GetHGlobalFromStream(block_->stream, &memory);
    return memory;
}

int MemoryStream::size() const { return static_cast<int>(GlobalSize(memory())); }

std::string MemoryStream::readAll() const
{
    std::string bytes;
    HGLOBAL memory = this->memory();
    if (const void* data = memory ? GlobalLock(memory) : nullptr) {
        bytes.assign(static_cast<const char*>(data), GlobalSize(memory));
        GlobalUnlock(memory);
    }
    return bytes;
}
