// SPDX-License-Identifier: MIT
// Regenerates the game's pictures, maps and sounds:
//   grimsward_assetgen <repo> [--contact-sheet FILE] [--no-sound]
// writes data/images, data/maps/skirmish, data/sound and resources/ below the
// repository folder. Every run with the same tools gives the same bytes.
#include "bmpwriter.h"
#include "contactsheet.h"
#include "icons.h"
#include "maps.h"
#include "menuart.h"
#include "paint.h"
#include "sounds.h"
#include "tiles.h"

#include <QDir>
#include <QImageWriter>
#include <QGuiApplication>

#include <cstdio>

using namespace assetgen;

namespace {

void makeCellPictures(const QString &dir)
{
    QDir().mkpath(dir);
    for (const QString &word : terrainWords()) {
        const QImage free = terrainTile(word);
        writeBmp24(free, dir + "/None_" + word + ".bmp");
        writeBmp24(ownedTile(free, Side::Red), dir + "/Red_" + word + ".bmp");
        writeBmp24(ownedTile(free, Side::Blue), dir + "/Blue_" + word + ".bmp");
    }
    writeBmp24(baseTile(Side::Red), dir + "/Red_Base.bmp");
    writeBmp24(baseTile(Side::Blue), dir + "/Blue_Base.bmp");
}

void writeJpeg(QImage image, const QString &path)
{
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    QImageWriter writer(path, "jpeg");
    writer.setQuality(90);
    if (!writer.write(image)) {
        std::fprintf(stderr, "assetgen: cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

void writePng(QImage image, const QString &path)
{
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    QImageWriter writer(path, "png");
    if (!writer.write(image)) {
        std::fprintf(stderr, "assetgen: cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

// The pictures compiled into the program, and the resource file naming them.
void makeResources(const QString &dir)
{
    QDir().mkpath(dir);
    QStringList compiled;
    auto bmp24 = [&](const QImage &img, const QString &name) {
        writeBmp24(img, dir + "/" + name);
        compiled << name;
    };
    writeJpeg(titleBackground(), dir + "/background.jpg");
    compiled << "background.jpg";
    // The pictures with words: German at the top of the resources, each
    // translation's under its language code (the window falls back to the
    // German picture where a language has none).
    struct WordSet {
        QString code;
        QString skirmish, options, end, back, start;
    };
    const WordSet wordSets[] = {
        {"", "Gefecht", "Optionen", "Beenden", QString::fromUtf8("Zurück"), "Starten"},
        {"en", "Skirmish", "Options", "Quit", "Back", "Start"},
    };
    QStringList translated;
    for (const WordSet &w : wordSets) {
        const QString sub = w.code.isEmpty() ? QString() : w.code + "/";
        QDir().mkpath(dir + "/" + sub);
        QStringList &list = w.code.isEmpty() ? compiled : translated;
        auto word = [&](const QImage &img, const QString &name) {
            writeBmp24(img, dir + "/" + sub + name);
            list << sub + name;
        };
        word(plaque(300, 188, w.skirmish, Emblem::Swords, 50), "menu_skirmish.bmp");
        word(plaque(300, 198, w.options, Emblem::Cog, 50), "menu_options.bmp");
        word(plaque(300, 201, w.end, Emblem::Gate, 50), "menu_end.bmp");
        word(plaque(192, 51, w.back, Emblem::ArrowLeft, 27), "back.bmp");
        word(plaque(192, 51, w.start, Emblem::ArrowRight, 27), "start.bmp");
    }
    bmp24(defaultPreview(), "preview_default.bmp");
    // The buy glyph is a 32-bit bitmap, the other four have 16 colours.
    writeBmp32(buttonGlyph("buy"), dir + "/btn_buy.bmp");
    compiled << "btn_buy.bmp";
    for (const char *name : {"train", "build", "fight", "endturn"}) {
        writeBmp4(buttonGlyph(name), dir + "/btn_" + QString(name) + ".bmp", kKeyColour);
        compiled << "btn_" + QString(name) + ".bmp";
    }
    for (const char *name : {"recruits", "mg", "sniper", "mortar", "special"})
        bmp24(purchaseIcon(name), "pic_" + QString(name) + ".bmp");
    for (const QString &word : terrainWords())
        bmp24(terrainTile(word), "terrain_" + word + ".bmp");
    writePng(applicationIcon(32), dir + "/icon.png");
    compiled << "icon.png";
    writePng(applicationIcon(256), dir + "/icon_256.png");

    QByteArray qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const QString &name : compiled)
        qrc += "    <file>" + name.toUtf8() + "</file>\n";
    qrc += "</qresource>\n";
    // A translation's pictures at ":/<code>/<name>".
    QString open;
    for (const QString &path : translated) {
        const QString code = path.section('/', 0, 0), name = path.section('/', 1);
        if (code != open) {
            qrc += QByteArray(open.isEmpty() ? "" : "</qresource>\n") + "<qresource prefix=\"/" + code.toUtf8() + "\">\n";
            open = code;
        }
        qrc += "    <file alias=\"" + name.toUtf8() + "\">" + path.toUtf8() + "</file>\n";
    }
    if (!open.isEmpty())
        qrc += "</qresource>\n";
    qrc += "</RCC>\n";
    writeFileOrDie(dir + "/resources.qrc", qrc);
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: grimsward_assetgen REPO [--contact-sheet FILE] [--no-sound]\n");
        return 2;
    }
    const QString repo = args[1];
    QString sheet;
    bool sound = true;
    for (int i = 2; i < args.size(); ++i) {
        if (args[i] == "--contact-sheet" && i + 1 < args.size())
            sheet = args[++i];
        else if (args[i] == "--no-sound")
            sound = false;
    }
    const QString data = repo + "/data", resources = repo + "/resources";
    makeCellPictures(data + "/images");
    makeResources(resources);
    const QString maps = data + "/maps/skirmish";
    QDir().mkpath(maps);
    for (const MapDesign &map : mapDesigns())
        writeMap(map, maps);
    if (sound) {
        QDir().mkpath(data + "/sound");
        makeSounds(data + "/sound");
    }
    if (!sheet.isEmpty())
        writeContactSheet(data, resources, sheet);
    return 0;
}
