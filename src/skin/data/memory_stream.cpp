#include "memory_stream.h"

#include <algorithm>
#include <cstring>

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin)
{
    switch (origin) {
    case TSeekOrigin::Beginning: SetPosition(offset); break;
    case TSeekOrigin::Current: SetPosition(Pos + offset); break;
    case TSeekOrigin::End: SetPosition(Size() + offset); break;
    }
    return Pos;
}

int32_t TMemoryStream::Read(void* buffer, int32_t count)
{
    if (count <= 0 || Pos >= Size())
        return 0;
    const int32_t n = static_cast<int32_t>(std::min<int64_t>(count, Size() - Pos));
    std::memcpy(buffer, Bytes.data() + Pos, static_cast<size_t>(n));
    Pos += n;
    return n;
}

void TMemoryStream::Write(const void* buffer, int32_t count)
{
    if (count <= 0)
        return;
    const int64_t end = Pos + count;
    if (end > Size())
        Bytes.resize(static_cast<size_t>(end));
    std::memcpy(Bytes.data() + Pos, buffer, static_cast<size_t>(count));
    Pos = end;
}

std::vector<uint8_t> TMemoryStream::ReadRest()
{
    if (Pos >= Size())
        return {};
    std::vector<uint8_t> rest(Bytes.begin() + Pos, Bytes.end());
    Pos = Size();
    return rest;
}

void TMemoryStream::SetSize(int64_t size)
{
    Bytes.resize(static_cast<size_t>(std::max<int64_t>(size, 0)));
    Pos = std::min(Pos, Size());
}

void TMemoryStream::Clear()
{
    Bytes.clear();
    Bytes.shrink_to_fit();
    Pos = 0;
}
