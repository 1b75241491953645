#include "lzh.h"

#include <cstdlib>
#include <cstring>
#include <memory>

#include "lzh_model.h"

using namespace lzh;

namespace {

constexpr int32_t InputBlock = 4096;
constexpr int32_t OutputBlock = 64 * 1024;

void* AllocateWithMalloc(size_t bytes) { return std::malloc(bytes); }

bool ReleaseWithFree(void* block)
{
    std::free(block);
    return true;
}

// Bits of the input, most significant first, kept 57 to 64 at a time so one refill serves
// a whole symbol. Past the end of the input every bit is zero.
class TBitInput {
public:
    explicit TBitInput(const TLzhRead& read) : Read(read) {}

    void Refill()
    {
        if (End - Ptr >= 8) {
            // Loads 8 bytes at once; the bits beyond the whole bytes taken are those of the
            // next byte, which the following refill ORs in again at the same place.
            uint64_t word = 0;
            for (int i = 0; i < 8; ++i)
                word = (word << 8) | Ptr[i];
            Bits |= word >> Count;
            const int taken = (63 - Count) >> 3;
            Ptr += taken;
            Count += taken * 8;
        } else {
            RefillSlowly();
        }
    }

    int TakeBit()
    {
        if (Count == 0)
            Refill();
        const int bit = static_cast<int>(Bits >> 63);
        Bits <<= 1;
        --Count;
        return bit;
    }

    // n is at most 16, and the caller has refilled since Count last fell under 16.
    unsigned Peek(int n) const { return static_cast<unsigned>(Bits >> (64 - n)); }
    void Skip(int n)
    {
        Bits <<= n;
        Count -= n;
    }
    int Available() const { return Count; }

private:
    void RefillSlowly()
    {
        while (Count <= 56) {
            if (Ptr == End && !Fetch()) {
                Count += 8;  // zero byte past the end
                continue;
            }
            Bits |= static_cast<uint64_t>(*Ptr++) << (56 - Count);
            Count += 8;
        }
    }

    bool Fetch()
    {
        if (AtEnd)
            return false;
        const int32_t got = Read(Buffer, InputBlock);
        if (got <= 0) {
            AtEnd = true;
            return false;
        }
        Ptr = Buffer;
        End = Buffer + (got < InputBlock ? got : InputBlock);
        return true;
    }

    const TLzhRead& Read;
    uint8_t Buffer[InputBlock];
    const uint8_t* Ptr = Buffer;  // next unread byte of Buffer
    const uint8_t* End = Buffer;  // end of the bytes Buffer holds
    bool AtEnd = false;           // the input has delivered its last byte
    uint64_t Bits = 0;            // next bits at the top
    int Count = 0;                // how many of Bits are input
};

int DecodeSymbol(const TLzhTables& t, TBitInput& in)
{
    int c = t.son[R];
    while (c < T)
        c = t.son[c + in.TakeBit()];
    return c - T;
}

// The 12-bit distance back from the write position, less one.
int DecodePosition(TBitInput& in)
{
    if (in.Available() < 16)
        in.Refill();
    const unsigned first = in.Peek(8);
    const int bits = PositionTables.length[first] + 6;
    const unsigned code = in.Peek(bits);
    in.Skip(bits);
    return (PositionTables.upper[first] << 6) | static_cast<int>(code & 63);
}

void Run(TLzhTables& t, int32_t size, const TLzhRead& read, const TLzhWrite& write)
{
    InitModel(t);
    std::memset(t.ring, RingFill, sizeof t.ring);
    auto input = std::make_unique<TBitInput>(read);
    auto output = std::make_unique<uint8_t[]>(OutputBlock + F);
    uint8_t* const ring = t.ring;
    uint8_t* const out = output.get();
    int32_t pending = 0;  // bytes in out not yet written
    int r = FirstWritePosition;

    for (int64_t count = 0; count < size;) {
        if (input->Available() < 32)
            input->Refill();
        const int c = DecodeSymbol(t, *input);
        UpdateModel(t, c);
        if (c < 256) {
            out[pending++] = static_cast<uint8_t>(c);
            ring[r] = static_cast<uint8_t>(c);
            r = (r + 1) & RingMask;
            ++count;
        } else {
            const int start = (r - DecodePosition(*input) - 1) & RingMask;
            const int length = c - 255 + THRESHOLD;
            for (int k = 0; k < length; ++k) {
                const uint8_t b = ring[(start + k) & RingMask];
                out[pending++] = b;
                ring[r] = b;
                r = (r + 1) & RingMask;
            }
            count += length;
        }
        if (pending >= OutputBlock) {
            write(out, pending);
            pending = 0;
        }
    }
    if (pending > 0)
        write(out, pending);
}

}  // namespace

TLzhMemory DefaultLzhMemory() { return {AllocateWithMalloc, ReleaseWithFree}; }

void TLZH::Decode(int32_t size, const TLzhRead& read, const TLzhWrite& write)
{
    auto* tables = static_cast<TLzhTables*>(Memory.Allocate(sizeof(TLzhTables)));
    if (tables == nullptr)
        throw ElzhException(kLzhNoMemoryMessage);
    try {
        Run(*tables, size, read, write);
    } catch (...) {
        Memory.Release(tables);
        throw;
    }
    if (!Memory.Release(tables))
        throw ElzhException(kLzhFreeErrorMessage);
}
