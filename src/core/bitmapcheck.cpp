// SPDX-License-Identifier: MIT
#include "core/bitmapcheck.h"

#include <cstdint>
#include <cstdlib>

namespace gw {

namespace {

uint32_t le32(const std::string &b, std::size_t at)
{
    return static_cast<uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

uint16_t le16(const std::string &b, std::size_t at)
{
    return static_cast<uint16_t>(static_cast<unsigned char>(b[at]) |
                                 static_cast<unsigned char>(b[at + 1]) << 8);
}

} // namespace

bool bitmapRowsComplete(const std::string &bytes)
{
    // File header (14 bytes), then an info header of at least 40 bytes.
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M' || le32(bytes, 14) < 40)
        return true;
    const uint32_t dataOffset = le32(bytes, 10);
    const int64_t width = static_cast<int32_t>(le32(bytes, 18));
    const int64_t height = std::llabs(static_cast<int32_t>(le32(bytes, 22)));
    const uint16_t bitsPerPixel = le16(bytes, 28);
    const uint32_t compression = le32(bytes, 30);
    const bool uncompressed = compression == 0 || compression == 3; // plain rows or bit fields
    if (!uncompressed || width <= 0 || bitsPerPixel == 0)
        return true;
    const int64_t rowBytes = (width * bitsPerPixel + 31) / 32 * 4; // below 2^46, no overflow
    const int64_t rowsRoom = static_cast<int64_t>(bytes.size()) - static_cast<int64_t>(dataOffset);
    // Dividing instead of multiplying: a header may claim a width and a
    // height near 2^31, whose product of bytes would overflow.
    return rowsRoom >= 0 && height <= rowsRoom / rowBytes;
}

} // namespace gw
