// SPDX-License-Identifier: MIT
#pragma once

#include "harness.h"

#include <QString>

#include <functional>
#include <string>

// Helpers for tests that play on the game screen.

// A seed whose first round end draws the given opponent action (1..12).
uint32_t seedForFirstAction(int action);

// The first cell whose state satisfies the test, 0 when none does.
int firstCell(const gw::GameState &state, const std::function<bool(const std::string &)> &test);

// The text of a label or button of the window.
QString textOf(const Harness &h, const char *name);

// Options file with both switches and the hints off, window built, skirmish
// on the first map started.
void startGame(Harness &h);

// Types a count into an entry the way the player does, through its validator.
void typeInto(Harness &h, const char *entry, const QString &text);
