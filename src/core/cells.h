// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace gw {

// The field: 20 columns by 11 rows, cells numbered 1..220 row by row.
constexpr int kColumns = 20;
constexpr int kRows = 11;
constexpr int kCells = kColumns * kRows;

constexpr int cellRow(int n) { return (n - 1) / kColumns; }
constexpr int cellColumn(int n) { return (n - 1) % kColumns; }
constexpr int cellNumber(int row, int column) { return row * kColumns + column + 1; }

// The opponent's base; the only state the player may attack.
extern const char *const kBlueBase;
// The player's base, the one the opponent attacks.
extern const char *const kRedBase;

// One terrain of the land table. A free cell is "None_" + word, the
// player's "Red_" + word, the opponent's "Blue_" + word.
struct Terrain {
    const char *word;       // "Grass", ..., "SkyScraper"
    const char *germanName; // the tax panel's name, "Gras", ... (translated by the window)
    int32_t price;          // gold to buy the cell once
    int32_t tax;            // added to the buyer's income for good
};

// The eleven terrains in the order of the tax panel.
const std::array<Terrain, 11> &terrains();

std::string freeState(const Terrain &t);
std::string playerState(const Terrain &t);
std::string opponentState(const Terrain &t);

// The terrain of this word ("Grass"), or nullptr.
const Terrain *terrainNamed(const std::string &word);

// The terrain of a state of any owner ("Blue_Farm": Farm), or nullptr (a
// base, or any other string).
const Terrain *terrainOf(const std::string &state);

// The terrain whose free state is exactly `state`, or nullptr (owned land,
// a base, or any other string).
const Terrain *freeTerrain(const std::string &state);

// "images\" + state + ".bmp"
std::string cellPicturePath(const std::string &state);

} // namespace gw
