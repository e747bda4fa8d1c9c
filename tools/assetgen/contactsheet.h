// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace assetgen {

// Lays every picture found under the two output folders onto one PNG, cell
// pictures enlarged, so a person can judge them all at once. Not shipped.
void writeContactSheet(const QString &dataDir, const QString &resourceDir, const QString &pngPath);

} // namespace assetgen
