// SPDX-License-Identifier: MIT
#include "audio/mp3decoder.h"

#include "core/gameerror.h"
#include "core/textfile.h"

#include <mpg123.h>

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace gw {

namespace {

GameError noAudio(const std::string &programPath)
{
    return GameError::noAudio(programPath);
}

} // namespace

Mp3Decoder::Mp3Decoder(const std::string &programPath)
{
    const std::string path = nativePath(programPath);
    // Only plain files: a FIFO would block the start-up, a directory is no sound.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        throw GameError::cannotOpen(programPath);

    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0)
        throw GameError::cannotOpen(programPath);

    int error = MPG123_OK;
    handle_ = mpg123_new(nullptr, &error);
    if (!handle_) {
        release();
        throw noAudio(programPath);
    }
    mpg123_param(handle_, MPG123_ADD_FLAGS, MPG123_QUIET, 0.0);
    // The file's own rate and channel count, always 16-bit: the sound
    // server converts, nothing is resampled here.
    mpg123_format_none(handle_);
    const long *rates = nullptr;
    std::size_t count = 0;
    mpg123_rates(&rates, &count);
    for (std::size_t i = 0; i < count; ++i)
        mpg123_format(handle_, rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
    if (mpg123_open_fd(handle_, fd_) != MPG123_OK) {
        release();
        throw noAudio(programPath);
    }
    int encoding = 0;
    if (mpg123_getformat(handle_, &rate_, &channels_, &encoding) != MPG123_OK || encoding != MPG123_ENC_SIGNED_16 ||
        rate_ <= 0 || (channels_ != 1 && channels_ != 2)) {
        release();
        throw noAudio(programPath);
    }
    // The first frame must decode to samples; then back to the start.
    off_t frame = 0;
    unsigned char *audio = nullptr;
    std::size_t bytes = 0;
    int result = MPG123_NEW_FORMAT;
    while (result == MPG123_NEW_FORMAT)
        result = mpg123_decode_frame(handle_, &frame, &audio, &bytes);
    if (result != MPG123_OK || bytes == 0 || mpg123_seek(handle_, 0, SEEK_SET) < 0) {
        release();
        throw noAudio(programPath);
    }
}

Mp3Decoder::~Mp3Decoder() { release(); }

void Mp3Decoder::release()
{
    if (handle_)
        mpg123_delete(handle_);
    handle_ = nullptr;
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

std::size_t Mp3Decoder::read(void *buf, std::size_t size)
{
    size -= size % frameBytes();
    auto *out = static_cast<unsigned char *>(buf);
    std::size_t total = 0;
    while (total < size && !atEnd_) {
        std::size_t done = 0;
        const int result = mpg123_read(handle_, out + total, size - total, &done);
        total += done;
        if (result == MPG123_NEW_FORMAT) {
            // A file that changes its rate or channels half-way would go on
            // at the wrong speed: the sound ends there instead.
            long rate = 0;
            int channels = 0;
            int encoding = 0;
            mpg123_getformat(handle_, &rate, &channels, &encoding);
            if (rate != rate_ || channels != channels_ || encoding != MPG123_ENC_SIGNED_16)
                atEnd_ = true;
        } else if (result != MPG123_OK || done == 0) {
            atEnd_ = true; // MPG123_DONE, or a part it cannot read: the sound ends here
        }
    }
    position_ += static_cast<long long>(total / frameBytes());
    return total;
}

void Mp3Decoder::seek(long long frame)
{
    // A frame past the end leaves the decoder at the end; the next read
    // finds it there.
    const off_t at = mpg123_seek(handle_, static_cast<off_t>(frame), SEEK_SET);
    atEnd_ = at < 0;
    if (at >= 0)
        position_ = at;
}

} // namespace gw
