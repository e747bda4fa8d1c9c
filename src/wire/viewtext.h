// SPDX-License-Identifier: MIT
#pragma once
// The lines of a view and of the field, shared by the Welcome and the View
// message.

#include "rules/sideview.h"

#include <array>
#include <string>

namespace gw::wire {

class BodyReader;

void writeCells(std::string &out, const char *key, const std::array<std::string, kCells> &cells);
bool readCells(BodyReader &in, const char *key, std::array<std::string, kCells> &cells);

void writeView(std::string &out, const SideView &view);
bool readView(BodyReader &in, SideView &view);

} // namespace gw::wire
