#include "chrome/memory_stream_win.h"

#include <cstring>
#include <utility>

MemoryStream::MemoryStream(const MemoryStream& other) : stream_(other.stream_)
{
    if (stream_)
        stream_->AddRef();
}

MemoryStream::MemoryStream(MemoryStream&& other) noexcept : stream_(std::exchange(other.stream_, nullptr)) {}

MemoryStream& MemoryStream::operator=(MemoryStream other) noexcept
{
    std::swap(stream_, other.stream_);
    return *this;
}

void MemoryStream::release()
{
    if (stream_)
        std::exchange(stream_, nullptr)->Release();
}

IStream* MemoryStream::open(std::string_view bytes, bool useBytes)
{
    release();
    HGLOBAL block = GlobalAlloc(useBytes ? GMEM_FIXED : GMEM_MOVEABLE, useBytes ? bytes.size() : 0);
    if (!block)
        return nullptr;
    if (useBytes)
        memcpy(block, bytes.data(), bytes.size());
    if (FAILED(CreateStreamOnHGlobal(block, TRUE, &stream_))) {
        stream_ = nullptr;
        GlobalFree(block);
    }
    return stream_;
}

HGLOBAL MemoryStream::currentBlock() const
{
    // A stream that grew its movable block may have replaced it.
    HGLOBAL block = nullptr;
    if (stream_)
        GetHGlobalFromStream(stream_, &block);
    return block;
}

int MemoryStream::size() const
{
    HGLOBAL block = currentBlock();
    return block ? static_cast<int>(GlobalSize(block)) : 0;
}

std::string MemoryStream::readAll() const
{
    std::string bytes;
    HGLOBAL block = currentBlock();
    if (const void* data = block ? GlobalLock(block) : nullptr) {
        bytes.assign(static_cast<const char*>(data), GlobalSize(block));
        GlobalUnlock(block);
    }
    return bytes;
}
