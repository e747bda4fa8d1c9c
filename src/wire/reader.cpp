// SPDX-License-Identifier: MIT
#include "wire/bodyreader.h"
#include "wire/codec.h"
#include "wire/viewtext.h"
#include "wire/words.h"

#include "map/mapnames.h"

#include <limits>

namespace gw::wire {

namespace {

constexpr int64_t kMin = std::numeric_limits<int32_t>::min();
constexpr int64_t kMax = std::numeric_limits<int32_t>::max();

// The form of the body as a whole: text lines, each ended by LF. Bytes
// beyond ASCII pass here; only the map's name may hold them, and its check
// takes UTF-8 alone.
bool textForm(std::string_view body, ReadError &error)
{
    if (body.size() > kMaxBody) {
        error = {ReadFault::TooLarge, 0, "body"};
        return false;
    }
    int line = 1;
    for (char ch : body) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '\n') {
            ++line;
            continue;
        }
        if (c < 0x20 || c == 0x7F) {
            error = {ReadFault::NotText, line, "body"};
            return false;
        }
    }
    if (body.empty() || body.back() != '\n') {
        error = {ReadFault::NotText, line, "body"};
        return false;
    }
    return true;
}

bool text(BodyReader &in, const char *key, std::string &out, bool (*check)(const std::string &))
{
    std::string_view value;
    if (!in.field(key, value))
        return false;
    out = std::string(value);
    return check(out) || in.fail(ReadFault::Malformed, key);
}

bool readMove(BodyReader &in, Move &move)
{
    std::string_view value;
    if (!in.field("move", value))
        return false;
    const ReadFault f = parseMoveText(std::string(value), move);
    return f == ReadFault::None || in.fail(f, "move");
}

bool mapName(const std::string &name)
{
    const MapNameProblem p = ownMapNameProblem(name);
    return p == MapNameProblem::None || p == MapNameProblem::Shipped;
}

bool readReason(BodyReader &in, const char *const *names, const NetReason *reasons, std::size_t n, NetReason &out)
{
    int i = 0;
    if (!in.word("reason", names, n, i))
        return false;
    out = reasons[i];
    return true;
}

template <typename M>
ReadResult finish(BodyReader &in, M &&message)
{
    ReadResult r;
    if (in.end())
        r.message = std::forward<M>(message);
    else
        r.error = in.error();
    return r;
}

} // namespace

ReadResult read(std::string_view body)
{
    ReadResult result;
    if (!textForm(body, result.error))
        return result;
    BodyReader in(body);
    const std::string_view type = in.type();
    if (type == "hello") {
        Hello m;
        in.number("protocol", 0, kMax, m.protocol);
        text(in, "program", m.program, isProgramVersion);
        text(in, "code", m.code, isGameCode);
        return finish(in, m);
    }
    if (type == "welcome") {
        Welcome m;
        in.number("protocol", 0, kMax, m.protocol);
        text(in, "program", m.program, isProgramVersion);
        text(in, "map", m.map.name, mapName);
        readCells(in, "mapcells", m.map.cells);
        int32_t taxes[2] = {};
        in.numbers("maptaxes", 2, kMin, kMax, taxes);
        m.map.taxes = taxes[0];
        m.map.enemytaxes = taxes[1];
        readView(in, m.view);
        return finish(in, std::move(m));
    }
    if (type == "refused") {
        Refused m;
        readReason(in, words::kRefusals, words::kRefusalReasons, std::size(words::kRefusals), m.reason);
        in.number("protocol", 0, kMax, m.protocol);
        text(in, "program", m.program, isProgramVersion);
        return finish(in, m);
    }
    if (type == "goodbye") {
        Goodbye m;
        readReason(in, words::kGoodbyes, words::kGoodbyeReasons, std::size(words::kGoodbyes), m.reason);
        return finish(in, m);
    }
    if (type == "move") {
        MoveMessage m;
        int side = 0;
        in.word("side", words::kSides, 2, side);
        m.side = static_cast<Side>(side);
        if (readMove(in, m.move) && !isPlayersMove(m.move))
            in.fail(ReadFault::Malformed, "move");
        return finish(in, m);
    }
    if (type == "moverefused") {
        MoveRefused m;
        readMove(in, m.move);
        int refusal = 0;
        in.word("refusal", words::kMoveRefusals, std::size(words::kMoveRefusals), refusal);
        m.refusal = static_cast<MoveRefusal>(refusal + 1);
        in.number("kind", 0, 3, m.kind);
        return finish(in, m);
    }
    if (type == "view") {
        ViewMessage m;
        readView(in, m.view);
        return finish(in, std::move(m));
    }
    if (type == "ping" || type == "pong") {
        int64_t n = 0;
        in.number("number", 0, std::numeric_limits<uint32_t>::max(), n);
        if (type == "ping")
            return finish(in, Ping{static_cast<uint32_t>(n)});
        return finish(in, Pong{static_cast<uint32_t>(n)});
    }
    if (in.ok())
        in.fail(ReadFault::UnknownType, "type");
    result.error = in.error();
    return result;
}

} // namespace gw::wire
