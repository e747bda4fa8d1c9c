// SPDX-License-Identifier: MIT
#include "wire/codec.h"

#include "wire/viewtext.h"
#include "wire/words.h"

#include <type_traits>

namespace gw::wire {

namespace {

void line(std::string &out, const char *key, const std::string &value)
{
    out += key;
    out += ' ';
    out += value;
    out += '\n';
}

// A reason a message of this kind cannot carry is written as a word the
// reader refuses.
template <std::size_t N>
std::string reasonWord(const char *const (&names)[N], const NetReason (&reasons)[N], NetReason reason)
{
    const int i = words::indexOf(reasons, reason);
    return i < 0 ? std::string("?") : std::string(names[i]);
}

struct Writer {
    std::string out;

    void operator()(const Hello &m)
    {
        out += "hello\n";
        line(out, "protocol", std::to_string(m.protocol));
        line(out, "program", m.program);
        line(out, "code", m.code);
    }
    void operator()(const Welcome &m)
    {
        out += "welcome\n";
        line(out, "protocol", std::to_string(m.protocol));
        line(out, "program", m.program);
        line(out, "map", m.map.name);
        writeCells(out, "mapcells", m.map.cells);
        line(out, "maptaxes", std::to_string(m.map.taxes) + ' ' + std::to_string(m.map.enemytaxes));
        writeView(out, m.view);
    }
    void operator()(const Refused &m)
    {
        out += "refused\n";
        line(out, "reason", reasonWord(words::kRefusals, words::kRefusalReasons, m.reason));
        line(out, "protocol", std::to_string(m.protocol));
        line(out, "program", m.program);
    }
    void operator()(const Goodbye &m)
    {
        out += "goodbye\n";
        line(out, "reason", reasonWord(words::kGoodbyes, words::kGoodbyeReasons, m.reason));
    }
    void operator()(const MoveMessage &m)
    {
        out += "move\n";
        line(out, "side", words::kSides[static_cast<int>(m.side)]);
        line(out, "move", moveText(m.move));
    }
    void operator()(const MoveRefused &m)
    {
        out += "moverefused\n";
        line(out, "move", moveText(m.move));
        const int r = static_cast<int>(m.refusal) - 1;
        line(out, "refusal", r >= 0 && r < static_cast<int>(std::size(words::kMoveRefusals)) ? words::kMoveRefusals[r] : "?");
        line(out, "kind", std::to_string(m.kind));
    }
    void operator()(const ViewMessage &m)
    {
        out += "view\n";
        writeView(out, m.view);
    }
    void operator()(const Ping &m)
    {
        out += "ping\n";
        line(out, "number", std::to_string(m.number));
    }
    void operator()(const Pong &m)
    {
        out += "pong\n";
        line(out, "number", std::to_string(m.number));
    }
};

} // namespace

std::string body(const Message &message)
{
    Writer w;
    std::visit(w, message);
    return w.out;
}

std::string encode(const Message &message)
{
    const std::string b = body(message);
    const auto n = static_cast<uint32_t>(b.size());
    std::string out;
    out.reserve(4 + b.size());
    out += static_cast<char>((n >> 24) & 0xFF);
    out += static_cast<char>((n >> 16) & 0xFF);
    out += static_cast<char>((n >> 8) & 0xFF);
    out += static_cast<char>(n & 0xFF);
    out += b;
    return out;
}

} // namespace gw::wire
