// SPDX-License-Identifier: MIT
#include "core/safefile.h"

#include "core/gameerror.h"
#include "core/textfile.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include <unistd.h>

namespace gw {

namespace {

// Writes and flushes the bytes down to the disk; false on any failure, with
// `created` saying whether a file was made that must be removed again.
bool writeAndSync(const std::string &path, const std::string &bytes, bool &created)
{
    std::FILE *f = std::fopen(path.c_str(), "wb");
    created = f != nullptr;
    if (!f)
        return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fflush(f) == 0 && ok;
    ok = ::fsync(::fileno(f)) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    return ok;
}

} // namespace

void writeFileAtomically(const std::string &programPath, const std::string &bytes)
{
    if (programPath.find('\0') != std::string::npos)
        throw GameError::cannotCreate(programPath);
    const std::string path = nativePath(programPath);
    const std::string temporary = path + ".tmp";
    std::error_code ec;
    bool created = false;
    if (!writeAndSync(temporary, bytes, created)) {
        if (created)
            std::filesystem::remove(temporary, ec);
        throw GameError::cannotCreate(programPath);
    }
    // The rename is the one step that replaces the old file; until it is
    // done, the old file is whole.
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        std::filesystem::remove(temporary, ec);
        throw GameError::cannotCreate(programPath);
    }
}

bool setFileAside(const std::string &programPath)
{
    const std::string path = nativePath(programPath);
    std::error_code ec;
    std::filesystem::rename(path, path + ".bad", ec);
    return !ec;
}

bool removeFile(const std::string &programPath)
{
    std::error_code ec;
    std::filesystem::remove(nativePath(programPath), ec);
    return !ec;
}

bool fileExists(const std::string &programPath)
{
    std::error_code ec;
    const auto type = std::filesystem::symlink_status(nativePath(programPath), ec).type();
    return type != std::filesystem::file_type::not_found && type != std::filesystem::file_type::none;
}

} // namespace gw
