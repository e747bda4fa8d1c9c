// SPDX-License-Identifier: MIT
// The shipped maps: they load through the map layer, follow the file format,
// are drawable, and give both sides a fair, playable start.
#include "assetpaths.h"

#include "core/cells.h"
#include "core/textfile.h"
#include "map/mapfile.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <string>

using namespace assettest;

namespace {

std::map<std::string, const gw::Terrain *> ownedTerrains(const std::string &prefix)
{
    std::map<std::string, const gw::Terrain *> out;
    for (const gw::Terrain &t : gw::terrains())
        out[prefix + t.word] = &t;
    return out;
}

int32_t ownedIncome(const gw::LoadedMap &map, const std::string &prefix)
{
    const auto table = ownedTerrains(prefix);
    int32_t sum = 0;
    for (int n = 1; n <= gw::kCells; ++n) {
        const auto it = table.find(map.cell(n));
        if (it != table.end())
            sum += it->second->tax;
    }
    return sum;
}

double meanColumnOf(const gw::LoadedMap &map, const std::string &state)
{
    double sum = 0;
    int count = 0;
    for (int n = 1; n <= gw::kCells; ++n)
        if (map.cell(n) == state) {
            sum += gw::cellColumn(n);
            ++count;
        }
    return count ? sum / count : -1;
}

class ShippedMap : public ::testing::TestWithParam<std::string> {
protected:
    InDataDir inData;
};

} // namespace

TEST_P(ShippedMap, LoadsThroughTheMapLayer)
{
    gw::LoadedMap map;
    ASSERT_NO_THROW(map = gw::readMap(GetParam()));
    EXPECT_GE(map.lines.size(), 232u);
    for (int n = 1; n <= gw::kCells; ++n)
        EXPECT_FALSE(map.cell(n).empty()) << "cell " << n;
}

TEST_P(ShippedMap, EndsEveryLineWithCrLf)
{
    const QByteArray bytes = readAll(QString::fromStdString(gw::nativePath(gw::mapPath(GetParam()))));
    ASSERT_FALSE(bytes.isEmpty());
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    for (int i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at byte " << i;
        }
        if (bytes[i] == '\r') {
            ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "bare CR at byte " << i;
        }
    }
}

TEST_P(ShippedMap, HasBothBasesOnOppositeSides)
{
    const gw::LoadedMap map = gw::readMap(GetParam());
    const double blue = meanColumnOf(map, gw::kBlueBase), red = meanColumnOf(map, "Red_Base");
    ASSERT_GE(blue, 0) << "no Blue_Base cell: the player could never win";
    ASSERT_GE(red, 0) << "no base of the player";
    EXPECT_GE(std::abs(blue - red), gw::kColumns / 2.0);
}

TEST_P(ShippedMap, UsesOnlyStatesThatHaveAPicture)
{
    const gw::LoadedMap map = gw::readMap(GetParam());
    std::set<std::string> states;
    for (int n = 1; n <= gw::kCells; ++n)
        states.insert(map.cell(n));
    for (const std::string &s : states) {
        const QString path = QString::fromStdString(gw::nativePath(gw::cellPicturePath(s)));
        const QImage picture(path);
        EXPECT_FALSE(picture.isNull()) << path.toStdString();
        EXPECT_EQ(picture.size(), QSize(35, 35)) << path.toStdString();
    }
}

TEST_P(ShippedMap, UsesOnlyKnownStates)
{
    // A typo in a state would still draw if a picture happened to exist, but
    // the cell could never be bought or attacked.
    auto known = ownedTerrains("None_");
    known.merge(ownedTerrains("Red_"));
    known.merge(ownedTerrains("Blue_"));
    const gw::LoadedMap map = gw::readMap(GetParam());
    for (int n = 1; n <= gw::kCells; ++n) {
        const std::string &s = map.cell(n);
        EXPECT_TRUE(known.count(s) || s == gw::kBlueBase || s == "Red_Base") << "cell " << n << ": " << s;
    }
}

TEST_P(ShippedMap, TaxLinesMatchTheLandEachSideOwns)
{
    const gw::LoadedMap map = gw::readMap(GetParam());
    EXPECT_GT(map.taxes, 0);
    EXPECT_EQ(map.taxes, ownedIncome(map, "Red_"));
    EXPECT_EQ(map.enemytaxes, ownedIncome(map, "Blue_"));
    EXPECT_EQ(map.taxes, map.enemytaxes) << "both sides start alike";
}

TEST_P(ShippedMap, OffersFreeLandAtEveryPrice)
{
    const gw::LoadedMap map = gw::readMap(GetParam());
    std::map<int32_t, int> freeByPrice;
    for (int n = 1; n <= gw::kCells; ++n)
        if (const gw::Terrain *t = gw::freeTerrain(map.cell(n)))
            ++freeByPrice[t->price];
    for (const gw::Terrain &t : gw::terrains())
        EXPECT_GE(freeByPrice[t.price], 2) << "price " << t.price;
    int freeCells = 0;
    for (const auto &entry : freeByPrice)
        freeCells += entry.second;
    EXPECT_GE(freeCells, gw::kCells / 2);
}

TEST_P(ShippedMap, HasAPreviewOfTheFieldsShape)
{
    const QString path = QString::fromStdString(gw::nativePath(gw::mapPreviewPath(GetParam())));
    const BmpHeader h = bmpHeader(path);
    ASSERT_TRUE(h.valid) << path.toStdString();
    EXPECT_EQ(h.bitsPerPixel, 24);
    const QImage preview(path);
    ASSERT_FALSE(preview.isNull());
    // 20 by 11 cells: the preview keeps that shape.
    EXPECT_NEAR(double(preview.width()) / preview.height(), 20.0 / 11.0, 0.05);
    EXPECT_GE(preview.width(), 265);
}

INSTANTIATE_TEST_SUITE_P(AllMaps, ShippedMap, ::testing::ValuesIn(gw::shippedMapNames()),
                         [](const ::testing::TestParamInfo<std::string> &info) {
                             std::string name;
                             for (char c : info.param)
                                 if (c != ' ')
                                     name += c;
                             return name;
                         });
