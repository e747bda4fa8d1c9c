// SPDX-License-Identifier: MIT
// The field's pictures: one readable 35 x 35 bitmap for every state of the
// land table and for both bases, terrains that look different, and
// ownership that shows without relying on hue.
#include "assetpaths.h"

#include "core/cells.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace assettest;

namespace {

std::vector<std::string> everyState()
{
    std::vector<std::string> states;
    for (const gw::Terrain &t : gw::terrains()) {
        states.push_back(gw::freeState(t));
        states.push_back(gw::playerState(t));
        states.push_back(gw::opponentState(t));
    }
    states.push_back(gw::kBlueBase);
    states.push_back("Red_Base");
    return states;
}

QImage picture(const std::string &state)
{
    return QImage(dataDir() + "/images/" + QString::fromStdString(state) + ".bmp")
        .convertToFormat(QImage::Format_RGB32);
}

// Mean absolute difference per channel, 0..255.
double difference(const QImage &a, const QImage &b, bool grey)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (grey)
                sum += std::abs(qGray(p) - qGray(q));
            else
                sum += (std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                        std::abs(qBlue(p) - qBlue(q))) / 3.0;
        }
    return sum / (a.width() * a.height());
}

// Pixels whose brightness differs clearly: what a viewer without colour
// vision still sees.
int brightnessChanges(const QImage &a, const QImage &b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 60)
                ++count;
    return count;
}

} // namespace

TEST(CellPictures, EveryStateHasAnUncompressed24BitBitmapOfCellSize)
{
    const std::vector<std::string> states = everyState();
    EXPECT_EQ(states.size(), 35u);
    for (const std::string &s : states) {
        const QString path = dataDir() + "/images/" + QString::fromStdString(s) + ".bmp";
        const BmpHeader h = bmpHeader(path);
        ASSERT_TRUE(h.valid) << s;
        EXPECT_EQ(h.width, 35) << s;
        EXPECT_EQ(h.height, 35) << s;
        EXPECT_EQ(h.bitsPerPixel, 24) << s;
        EXPECT_EQ(h.compression, 0) << s;
        const QImage img(path);
        ASSERT_FALSE(img.isNull()) << s;
        EXPECT_EQ(img.size(), QSize(35, 35)) << s;
    }
}

TEST(CellPictures, TerrainsLookDifferentFromEachOther)
{
    const auto &table = gw::terrains();
    for (std::size_t i = 0; i < table.size(); ++i)
        for (std::size_t j = i + 1; j < table.size(); ++j)
            EXPECT_GT(difference(picture(gw::freeState(table[i])), picture(gw::freeState(table[j])), false), 12.0)
                << table[i].word << " and " << table[j].word;
}

TEST(CellPictures, OwnedLandDiffersFromFreeLand)
{
    for (const gw::Terrain &t : gw::terrains()) {
        const QImage free = picture(gw::freeState(t));
        EXPECT_GT(difference(free, picture(gw::playerState(t)), false), 12.0) << t.word;
        EXPECT_GT(difference(free, picture(gw::opponentState(t)), false), 12.0) << t.word;
    }
}

TEST(CellPictures, SidesDifferInBrightnessNotOnlyInHue)
{
    // The player's and the opponent's marks have different shapes, so the two
    // pictures of a terrain differ even in a grey copy.
    for (const gw::Terrain &t : gw::terrains())
        EXPECT_GE(brightnessChanges(picture(gw::playerState(t)), picture(gw::opponentState(t))), 12) << t.word;
    EXPECT_GE(brightnessChanges(picture("Red_Base"), picture(gw::kBlueBase)), 12);
}

TEST(CellPictures, SidesAreTintedTheirOwnColour)
{
    for (const gw::Terrain &t : gw::terrains()) {
        const QImage red = picture(gw::playerState(t)), blue = picture(gw::opponentState(t));
        // Along the frame the player's cell is redder and the opponent's bluer.
        long redSide = 0, blueSide = 0;
        for (int k = 0; k < 35; ++k) {
            redSide += qRed(red.pixel(k, 1)) - qBlue(red.pixel(k, 1));
            blueSide += qBlue(blue.pixel(k, 1)) - qRed(blue.pixel(k, 1));
        }
        EXPECT_GT(redSide, 35 * 60) << t.word;
        EXPECT_GT(blueSide, 35 * 60) << t.word;
    }
}
