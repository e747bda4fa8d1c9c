// SPDX-License-Identifier: MIT
#include "audio/soundfiles.h"

#include "core/gameerror.h"
#include "core/textfile.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace gw {

namespace {

// A frame header: eleven sync bits, a valid version, layer, bit rate and
// sample rate.
bool isFrameHeader(const unsigned char *p)
{
    if (p[0] != 0xFF || (p[1] & 0xE0) != 0xE0)
        return false;
    const int version = (p[1] >> 3) & 3;
    const int layer = (p[1] >> 1) & 3;
    const int bitrate = p[2] >> 4;
    const int samplerate = (p[2] >> 2) & 3;
    return version != 1 && layer != 0 && bitrate != 15 && samplerate != 3;
}

// Only the start of a file is looked at; the decoder does the rest.
constexpr std::size_t kHeadBytes = 64 * 1024;

} // namespace

bool looksLikeMpegAudio(const std::string &bytes)
{
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.data());
    std::size_t pos = 0;
    if (bytes.size() >= 10 && bytes.compare(0, 3, "ID3") == 0) {
        // The tag size is a 28-bit number in four 7-bit bytes.
        std::size_t size = 0;
        for (int i = 6; i < 10; ++i) {
            if (data[i] & 0x80)
                return false;
            size = (size << 7) | data[i];
        }
        pos = 10 + size + ((data[5] & 0x10) ? 10 : 0);
        // A tag larger than the head read: trust the tag.
        if (pos + 4 > bytes.size())
            return pos >= kHeadBytes;
    }
    // Some encoders pad before the first frame; allow a little slack.
    const std::size_t end = std::min(bytes.size(), pos + 4096);
    for (std::size_t i = pos; i + 4 <= end; ++i) {
        if (isFrameHeader(data + i))
            return true;
    }
    return false;
}

void checkSoundFile(const std::string &programPath)
{
    const std::string path = nativePath(programPath);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        throw GameError::cannotOpen(programPath);
    std::FILE *f = std::fopen(path.c_str(), "rb");
    if (!f)
        throw GameError::cannotOpen(programPath);
    std::string head(kHeadBytes, '\0');
    head.resize(std::fread(head.data(), 1, head.size(), f));
    std::fclose(f);
    if (!looksLikeMpegAudio(head))
        throw GameError::noAudio(programPath);
}

} // namespace gw
