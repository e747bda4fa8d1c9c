// SPDX-License-Identifier: MIT
#include "wire/framereader.h"

#include "wire/message.h"

#include <algorithm>

namespace gw::wire {

std::size_t FrameReader::wanted() const
{
    if (state_ != State::Reading)
        return 0;
    if (headerBytes_ < 4)
        return 4 - headerBytes_;
    return length_ - body_.size();
}

std::size_t FrameReader::feed(const char *data, std::size_t size)
{
    std::size_t taken = 0;
    while (taken < size && state_ == State::Reading) {
        if (headerBytes_ < 4) {
            header_[headerBytes_++] = static_cast<unsigned char>(data[taken++]);
            if (headerBytes_ < 4)
                continue;
            length_ = (uint32_t{header_[0]} << 24) | (uint32_t{header_[1]} << 16) | (uint32_t{header_[2]} << 8)
                      | uint32_t{header_[3]};
            if (length_ == 0)
                state_ = State::Empty;
            else if (length_ > kMaxBody)
                state_ = State::TooLarge;
            else
                body_.reserve(length_);
            continue;
        }
        const std::size_t n = std::min(size - taken, std::size_t{length_} - body_.size());
        body_.append(data + taken, n);
        taken += n;
        if (body_.size() == length_)
            state_ = State::Ready;
    }
    return taken;
}

std::string FrameReader::take()
{
    std::string body;
    if (state_ != State::Ready)
        return body;
    body.swap(body_);
    headerBytes_ = 0;
    length_ = 0;
    state_ = State::Reading;
    return body;
}

} // namespace gw::wire
