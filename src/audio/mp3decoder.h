// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>

struct mpg123_handle_struct;

namespace gw {

// One MP3 file decoded with libmpg123 into signed 16-bit samples, a piece at
// a time, so a sound never needs more memory than the piece it is playing.
class Mp3Decoder {
public:
    // Opens the file and decodes its first frame. Throws GameError naming
    // the file when it cannot be opened ("Datei ... kann nicht geöffnet
    // werden") or holds no audio the decoder can play.
    explicit Mp3Decoder(const std::string &programPath);
    ~Mp3Decoder();
    Mp3Decoder(const Mp3Decoder &) = delete;
    Mp3Decoder &operator=(const Mp3Decoder &) = delete;

    long rate() const { return rate_; }
    int channels() const { return channels_; }
    // Bytes of one sample frame (all channels).
    std::size_t frameBytes() const { return static_cast<std::size_t>(channels_) * 2; }

    // Decodes into buf up to size bytes (whole sample frames); returns the
    // bytes written. Fewer than asked only at the end of the file (or at a
    // part the decoder cannot read, which ends the sound there).
    std::size_t read(void *buf, std::size_t size);
    bool atEnd() const { return atEnd_; }

    // The position, in sample frames from the start.
    long long position() const { return position_; }
    // Moves to a sample frame; past the end means at the end.
    void seek(long long frame);

private:
    void release();

    int fd_ = -1;
    mpg123_handle_struct *handle_ = nullptr;
    long rate_ = 0;
    int channels_ = 0;
    long long position_ = 0;
    bool atEnd_ = false;
};

} // namespace gw
