// SPDX-License-Identifier: MIT
#pragma once

#include "core/linelist.h"

#include <cstdint>
#include <set>
#include <string>

namespace gw {

// The options file "options.cfg": line 0 the chosen map's name, line 1 the
// music switch, line 2 the sound switch, line 3 the language ("de", "en").
// Settings added since stand after line 3 as "key=value" lines, in any
// order; a key the program does not know, and every other line, is kept as
// it is when the file is written back, but for empty lines after the 50th
// (the game's own file has 50 lines). The file is always replaced whole (see
// writeFileAtomically) and never written larger than the game reads: one
// that would be keeps its first four lines and the settings the game knows.
class OptionsFile {
public:
    static const char *const kPath; // "options.cfg"

    // Starts with 50 empty lines, which a save writes when no file was read.
    OptionsFile() : lines_(50) {}

    // Replaces the lines by the file's. Throws GameError when it cannot be
    // read; the lines then stay as they were.
    void load(const std::string &path = kPath);
    // The same from the file's bytes already in memory.
    void loadText(const std::string &bytes);

    // The switches as numbers; throws GameError ("'%s' ist kein gültiger
    // Integerwert") for a line that is not an integer (a missing line is "").
    int32_t musicSwitch() const;
    int32_t soundSwitch() const;
    // Line 3 as it stands; the window takes a missing, empty or unknown
    // language for German, without an error (older files have no line 3).
    const std::string &language() const { return lines_.line(3); }
    // The language line of the file at `path`, "" when it cannot be read.
    static std::string languageIn(const std::string &path = kPath);

    // The value of a "key=value" line after line 3; "" when there is none.
    std::string setting(const std::string &key) const;
    // Sets a "key=value" line in memory: the key's line if it has one, else
    // the first empty line after line 3, else a new line at the end. Written
    // by the next save.
    void setSetting(const std::string &key, const std::string &value);

    // Line 0 := map name, lines 1 and 2 := the switches, line 3 := the
    // language, then writes every line. Throws GameError::cannotCreate on
    // failure; the lines are updated in memory either way.
    void save(const std::string &mapName, int32_t musicon, int32_t soundon, const std::string &language,
              const std::string &path = kPath);

    // Line 0 := map name, every other line kept as it is, then writes every
    // line: the switches stay as the file holds them. Writes nothing and
    // returns false when no file was read or written yet, since there are no
    // switch lines to keep. Throws GameError::cannotCreate on failure.
    bool rememberMap(const std::string &mapName, const std::string &path = kPath);

    const LineList &lines() const { return lines_; }

private:
    void write(const std::string &path);

    LineList lines_;
    // The keys the program asked for or set: the settings it knows.
    mutable std::set<std::string> knownKeys_;
    bool fromFile_ = false; // the lines are a file's (read or written)
};

} // namespace gw
