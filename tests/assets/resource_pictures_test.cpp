// SPDX-License-Identifier: MIT
// The pictures compiled into the program: each listed in the resource file,
// in the size and depth its place in the window needs, and see-through where
// the window makes it so.
#include "assetpaths.h"

#include "core/cells.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QImage>
#include <QSet>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

using namespace assettest;

namespace {

struct Expected {
    const char *file;
    QSize size;
    int bits;         // BMP depth; 0 for other formats
    bool transparent; // bottom-left colour is the see-through colour
};

// Sizes and depths as the window lays the pictures out.
const Expected kPictures[] = {
    {"menu_skirmish.bmp", {300, 188}, 24, true},
    {"menu_options.bmp", {300, 198}, 24, true},
    {"menu_end.bmp", {300, 201}, 24, true},
    {"back.bmp", {192, 51}, 24, true},
    {"start.bmp", {192, 51}, 24, true},
    {"preview_default.bmp", {798, 435}, 24, false},
    {"btn_buy.bmp", {32, 32}, 32, true},
    {"btn_train.bmp", {32, 32}, 4, true},
    {"btn_build.bmp", {32, 32}, 4, true},
    {"btn_fight.bmp", {32, 32}, 4, true},
    {"btn_endturn.bmp", {32, 32}, 4, true},
    {"pic_recruits.bmp", {35, 35}, 24, true},
    {"pic_mg.bmp", {35, 35}, 24, true},
    {"pic_sniper.bmp", {35, 35}, 24, true},
    {"pic_mortar.bmp", {35, 35}, 24, true},
    {"pic_special.bmp", {35, 35}, 24, true},
    {"background.jpg", {1024, 768}, 0, false},
    {"icon.png", {32, 32}, 0, false},
};

QSet<QString> filesInResourceFile()
{
    QFile f(resourceDir() + "/resources.qrc");
    QSet<QString> files;
    if (!f.open(QIODevice::ReadOnly))
        return files;
    QXmlStreamReader xml(&f);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("qresource")) {
            // The German pictures at the top, a translation's under its code.
            const QString prefix = xml.attributes().value("prefix").toString();
            EXPECT_TRUE(prefix == "/" || QRegularExpression("^/[a-z]{2}$").match(prefix).hasMatch()) << prefix.toStdString();
        }
        if (xml.isStartElement() && xml.name() == QLatin1String("file"))
            files.insert(xml.readElementText());
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return files;
}

} // namespace

TEST(ResourcePictures, ResourceFileListsEveryPictureThatExists)
{
    const QSet<QString> listed = filesInResourceFile();
    for (const Expected &e : kPictures)
        EXPECT_TRUE(listed.contains(e.file)) << e.file;
    for (const gw::Terrain &t : gw::terrains())
        EXPECT_TRUE(listed.contains(QString("terrain_") + t.word + ".bmp")) << t.word;
    for (const QString &name : listed)
        EXPECT_TRUE(QFile::exists(resourceDir() + "/" + name)) << name.toStdString();
}

// Every translation draws each picture with words too, at the German one's
// size and depth, and names it in the resource file.
TEST(ResourcePictures, EachTranslationHasTheWordPictures)
{
    const QSet<QString> listed = filesInResourceFile();
    const QStringList languages = QDir(resourceDir()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_FALSE(languages.isEmpty()) << "no translated pictures";
    for (const QString &code : languages) {
        for (const char *name : {"menu_skirmish.bmp", "menu_options.bmp", "menu_end.bmp", "back.bmp", "start.bmp"}) {
            const QString file = code + "/" + name;
            EXPECT_TRUE(listed.contains(file)) << file.toStdString();
            const BmpHeader own = bmpHeader(resourceDir() + "/" + name), translated = bmpHeader(resourceDir() + "/" + file);
            EXPECT_TRUE(translated.valid) << file.toStdString();
            EXPECT_EQ(translated.width, own.width) << file.toStdString();
            EXPECT_EQ(translated.height, own.height) << file.toStdString();
            EXPECT_EQ(translated.bitsPerPixel, own.bitsPerPixel) << file.toStdString();
            EXPECT_NE(readAll(resourceDir() + "/" + file), readAll(resourceDir() + "/" + name)) << "not translated";
        }
    }
}

TEST(ResourcePictures, EachHasItsLayoutSizeAndDepth)
{
    for (const Expected &e : kPictures) {
        const QString path = resourceDir() + "/" + e.file;
        const QImage img(path);
        ASSERT_FALSE(img.isNull()) << e.file;
        EXPECT_EQ(img.size(), e.size) << e.file;
        if (e.bits) {
            const BmpHeader h = bmpHeader(path);
            EXPECT_TRUE(h.valid) << e.file;
            EXPECT_EQ(h.bitsPerPixel, e.bits) << e.file;
            EXPECT_EQ(h.compression, 0) << e.file;
        }
    }
    EXPECT_TRUE(readAll(resourceDir() + "/background.jpg").startsWith("\xFF\xD8\xFF"));
    EXPECT_EQ(QImage(resourceDir() + "/icon_256.png").size(), QSize(256, 256));
}

TEST(ResourcePictures, SeeThroughPicturesHaveBothBackgroundAndContent)
{
    for (const Expected &e : kPictures) {
        if (!e.transparent)
            continue;
        const QImage img = QImage(resourceDir() + "/" + e.file).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(img.isNull()) << e.file;
        const QRgb key = img.pixel(0, img.height() - 1);
        int background = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                background += img.pixel(x, y) == key;
        const int all = img.width() * img.height();
        // The key shows round the drawing, yet the drawing is no mere speck.
        EXPECT_GT(background, all / 20) << e.file;
        EXPECT_LT(background, all * 9 / 10) << e.file;
        EXPECT_EQ(img.pixel(img.width() - 1, 0), key) << e.file << ": corners should be see-through";
    }
}

TEST(ResourcePictures, TerrainIconsAreTheFreeCellsPictures)
{
    for (const gw::Terrain &t : gw::terrains()) {
        const QString icon = resourceDir() + "/terrain_" + t.word + ".bmp";
        const BmpHeader h = bmpHeader(icon);
        EXPECT_TRUE(h.valid && h.bitsPerPixel == 24 && h.width == 35 && h.height == 35) << t.word;
        const QImage a = QImage(icon).convertToFormat(QImage::Format_RGB32);
        const QImage b = QImage(dataDir() + "/images/None_" + t.word + ".bmp").convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(a, b) << t.word;
    }
}
