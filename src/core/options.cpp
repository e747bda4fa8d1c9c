// SPDX-License-Identifier: MIT
#include "core/options.h"

#include "core/linelist.h"
#include "core/safefile.h"
#include "core/strtoint.h"
#include "core/textfile.h"

namespace gw {

namespace {

// The first line after the language line; settings never stand above it.
constexpr std::size_t kFirstSettingLine = 4;

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
    lines_.replace(splitLines(bytes));
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
    const std::vector<std::string> &lines = lines_.lines();
    for (std::size_t i = kFirstSettingLine; i < lines.size(); ++i) {
        if (isSettingOf(lines[i], key))
            return lines[i].substr(key.size() + 1);
    }
    return {};
}

void OptionsFile::setSetting(const std::string &key, const std::string &value)
{
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
    writeFileAtomically(path, joinLines(lines_.lines()));
    fromFile_ = true;
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
    writeFileAtomically(path, joinLines(lines_.lines()));
    return true;
}

} // namespace gw
