// SPDX-License-Identifier: MIT
#include "core/textfile.h"

#include "core/gameerror.h"
#include "core/linelist.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace gw {

std::string nativePath(const std::string &programPath)
{
    std::string p = programPath;
    for (char &c : p) {
        if (c == '\\')
            c = '/';
    }
    return p;
}

std::string readFileBytes(const std::string &programPath, std::size_t maxBytes)
{
    // A NUL byte (from a map line, say) would cut the name short and open
    // some other file.
    if (programPath.find('\0') != std::string::npos)
        throw GameError::cannotOpen(programPath);
    const std::string path = nativePath(programPath);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        throw GameError::cannotOpen(programPath);
    const auto size = std::filesystem::file_size(path, ec);
    if (ec || size > maxBytes)
        throw GameError::cannotOpen(programPath);

    std::FILE *f = std::fopen(path.c_str(), "rb");
    if (!f)
        throw GameError::cannotOpen(programPath);
    std::string bytes;
    char buffer[65536];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0) {
        bytes.append(buffer, got);
        if (bytes.size() > maxBytes)
            break;
    }
    const bool failed = std::ferror(f) != 0 || bytes.size() > maxBytes;
    std::fclose(f);
    if (failed)
        throw GameError::cannotOpen(programPath);
    return bytes;
}

std::vector<std::string> readLines(const std::string &programPath)
{
    return splitLines(readFileBytes(programPath));
}

void writeLines(const std::string &programPath, const std::vector<std::string> &lines)
{
    if (programPath.find('\0') != std::string::npos)
        throw GameError::cannotCreate(programPath);
    const std::string path = nativePath(programPath);
    std::FILE *f = std::fopen(path.c_str(), "wb");
    if (!f)
        throw GameError::cannotCreate(programPath);
    const std::string bytes = joinLines(lines);
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    const bool closed = std::fclose(f) == 0;
    if (!written || !closed)
        throw GameError::cannotCreate(programPath);
}

} // namespace gw
