// SPDX-License-Identifier: MIT
#include "core/options.h"

#include "core/linelist.h"
#include "core/safefile.h"
#include "core/strtoint.h"
#include "core/textfile.h"

#include <algorithm>

namespace gw {

namespace {

// The first line after the language line; settings never stand above it.
constexpr std::size_t kFirstSettingLine = 4;
// The lines of the game's own file; empty lines beyond them carry nothing
// and are not kept.
constexpr std::size_t kOwnFileLines = 50;

// The file's lines as they are kept: every line but the empty ones after
// the 50th. Read without a list of every line first, so a file of millions
// of empty lines costs no more memory than its bytes.
std::vector<std::string> keptLines(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        if (end > start || lines.size() < kOwnFileLines)
            lines.emplace_back(text, start, end - start);
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

// "key=" when the line is the key's setting.
bool isSettingOf(const std::string &line, const std::string &key)
{
    return line.size() > key.size() && line.compare(0, key.size(), key) == 0 && line[key.size()] == '=';
}

} // namespace

const char *const OptionsFile::kPath = "options.cfg";

void OptionsFile::load(const std::string &path)
{
    loadText(readFileBytes(path));
}

void OptionsFile::loadText(const std::string &bytes)
{
    lines_.replace(keptLines(bytes));
    fromFile_ = true;
}

void OptionsFile::write(const std::string &path)
{
    std::string text = joinLines(lines_.lines());
    // Never a file the game would refuse to read: a file that would grow
    // too large (its lines are written with CR LF) keeps the four first
    // lines and the settings the game knows, and loses the others.
    if (text.size() > kMaxTextFileBytes) {
        const std::size_t head = std::min(kFirstSettingLine, lines_.size());
        const auto first = lines_.lines().begin();
        std::vector<std::string> lines(first, first + static_cast<std::ptrdiff_t>(head));
        for (std::size_t i = kFirstSettingLine; i < lines_.size(); ++i) {
            const std::string &line = lines_.line(i);
            const auto equals = line.find('=');
            if (equals != std::string::npos && knownKeys_.count(line.substr(0, equals)) > 0)
                lines.push_back(line);
        }
        lines_.replace(std::move(lines));
        text = joinLines(lines_.lines());
    }
    writeFileAtomically(path, text);
    fromFile_ = true;
}

int32_t OptionsFile::musicSwitch() const { return strtoint(lines_.line(1)); }
int32_t OptionsFile::soundSwitch() const { return strtoint(lines_.line(2)); }

std::string OptionsFile::languageIn(const std::string &path)
{
    OptionsFile file;
    try {
        file.load(path);
    } catch (const std::exception &) {
        return {};
    }
    return file.language();
}

std::string OptionsFile::setting(const std::string &key) const
{
    knownKeys_.insert(key);
    const std::vector<std::string> &lines = lines_.lines();
    for (std::size_t i = kFirstSettingLine; i < lines.size(); ++i) {
        if (isSettingOf(lines[i], key))
            return lines[i].substr(key.size() + 1);
    }
    return {};
}

void OptionsFile::setSetting(const std::string &key, const std::string &value)
{
    knownKeys_.insert(key);
    std::vector<std::string> lines = lines_.lines();
    if (lines.size() < kFirstSettingLine)
        lines.resize(kFirstSettingLine);
    const std::string line = key + "=" + value;
    std::size_t empty = lines.size();
    for (std::size_t i = kFirstSettingLine; i < lines.size(); ++i) {
        if (isSettingOf(lines[i], key)) {
            lines[i] = line;
            lines_.replace(std::move(lines));
            return;
        }
        if (lines[i].empty() && empty == lines.size())
            empty = i;
    }
    if (empty < lines.size())
        lines[empty] = line;
    else
        lines.push_back(line);
    lines_.replace(std::move(lines));
}

void OptionsFile::save(const std::string &mapName, int32_t musicon, int32_t soundon, const std::string &language,
                       const std::string &path)
{
    // A file shorter than four lines grows so the switches and the language
    // have their place.
    std::vector<std::string> lines = lines_.lines();
    if (lines.size() < 4)
        lines.resize(4);
    lines[0] = mapName;
    lines[1] = std::to_string(musicon);
    lines[2] = std::to_string(soundon);
    lines[3] = language;
    lines_.replace(std::move(lines));
    write(path);
}

bool OptionsFile::rememberMap(const std::string &mapName, const std::string &path)
{
    if (!fromFile_)
        return false;
    std::vector<std::string> lines = lines_.lines();
    if (lines.empty())
        lines.resize(1);
    lines[0] = mapName;
    lines_.replace(std::move(lines));
    write(path);
    return true;
}

} // namespace gw
