// SPDX-License-Identifier: MIT
// The window's building blocks on their own: spin buttons, count entries,
// pictures, bitmap and JPEG loading, and the sound-file check.
#include "harness.h"

#include "audio/mp3decoder.h"
#include "audio/soundfiles.h"
#include "core/gameerror.h"
#include "ui/widgets/jpegdecode.h"
#include "ui/widgets/layoutkit.h"
#include "ui/widgets/pictures.h"
#include "ui/widgets/spinbuttons.h"

#include <QBuffer>
#include <QFile>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QValidator>
#include <QLineEdit>
#include <QPainter>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace {

QByteArray bmpBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

TEST(SpinButtons, StepWithinZeroToNineHundredNinetyNineWithoutWrapping)
{
    QWidget panel;
    QLineEdit *entry = gw::makeCountEntry(&panel, "edrec", {0, 0, 49, 21});
    gw::SpinButtons *spin = gw::makeSpinButtons(&panel, "recruitsupdown", {49, 0, 16, 21}, entry);
    int changes = 0;
    QObject::connect(entry, &QLineEdit::textChanged, [&] { ++changes; });

    spin->stepDown();
    EXPECT_EQ(entry->text(), "0");
    EXPECT_EQ(changes, 0) << "writing the same text is no change";
    spin->stepUp();
    spin->stepUp();
    EXPECT_EQ(entry->text(), "2");
    EXPECT_EQ(changes, 2);
    entry->setText("998");
    spin->stepUp();
    spin->stepUp();
    EXPECT_EQ(entry->text(), "999");
    entry->setText("");
    spin->stepUp();
    EXPECT_EQ(entry->text(), "1") << "an empty entry counts as 0";

    // The arrows themselves step too.
    spin->findChild<QToolButton *>("up")->click();
    EXPECT_EQ(entry->text(), "2");
    spin->findChild<QToolButton *>("down")->click();
    EXPECT_EQ(entry->text(), "1");
}

TEST(CountEntry, TakesAtMostThreeDigitsAndNothingElse)
{
    QWidget panel;
    QLineEdit *entry = gw::makeCountEntry(&panel, "edinf", {0, 0, 49, 21});
    EXPECT_EQ(entry->text(), "0");
    EXPECT_EQ(entry->maxLength(), 3);
    const QValidator *v = entry->validator();
    ASSERT_NE(v, nullptr);
    for (const char *good : {"", "0", "7", "42", "999"}) {
        QString s = good;
        int pos = 0;
        EXPECT_EQ(v->validate(s, pos), QValidator::Acceptable) << good;
    }
    for (const char *bad : {"-1", "a", "1a", "+3", " 1", "1000", "$10"}) {
        QString s = bad;
        int pos = 0;
        EXPECT_EQ(v->validate(s, pos), QValidator::Invalid) << bad;
    }
}

TEST(PictureBox, NaturalPicturesAreClippedToTheBox)
{
    QWidget parent;
    gw::PictureBox *cell = gw::makePicture(&parent, "Image1", {0, 0, 35, 35});
    QImage big(50, 40, QImage::Format_RGB32);
    big.fill(Qt::red);
    cell->setPicture(big);
    EXPECT_EQ(cell->pictureRect(), QRect(0, 0, 50, 40));
    const QImage shown = cell->grab().toImage();
    EXPECT_EQ(shown.size(), QSize(35, 35));
    EXPECT_EQ(shown.pixelColor(34, 34), QColor(Qt::red));

    QImage small(20, 10, QImage::Format_RGB32);
    small.fill(Qt::blue);
    cell->setPicture(small);
    EXPECT_EQ(cell->pictureRect(), QRect(0, 0, 20, 10)) << "drawn unscaled from the top-left corner";
}

TEST(PictureBox, ProportionalFitTruncatesAndAnchorsTopLeft)
{
    QWidget parent;
    gw::PictureBox *preview =
        gw::makePicture(&parent, "mappreview", {184, 64, 265, 161}, gw::PictureBox::Fit::Proportional);
    preview->setPicture(QImage(798, 435, QImage::Format_RGB32));
    EXPECT_EQ(preview->pictureRect(), QRect(0, 0, 265, 144));
    preview->setPicture(QImage(100, 200, QImage::Format_RGB32));
    EXPECT_EQ(preview->pictureRect(), QRect(0, 0, 80, 161));
}

TEST(PictureBox, ClickNeedsPressAndReleaseInside)
{
    QWidget parent;
    gw::PictureBox *p = gw::makePicture(&parent, "btnend", {0, 0, 30, 30});
    int clicks = 0;
    QObject::connect(p, &gw::PictureBox::clicked, [&] { ++clicks; });
    auto send = [&](QEvent::Type type, QPoint at) {
        QMouseEvent e(type, at, p->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(p, &e);
    };
    send(QEvent::MouseButtonPress, {5, 5});
    send(QEvent::MouseButtonRelease, {6, 6});
    EXPECT_EQ(clicks, 1);
    send(QEvent::MouseButtonPress, {5, 5});
    send(QEvent::MouseButtonRelease, {60, 6});
    EXPECT_EQ(clicks, 1) << "released outside";
}

TEST(Pictures, BottomLeftColourBecomesTransparent)
{
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 255));
    image.setPixelColor(1, 1, Qt::black);
    const QImage t = gw::withTransparentBottomLeft(image);
    EXPECT_EQ(qAlpha(t.pixel(0, 2)), 0);
    EXPECT_EQ(qAlpha(t.pixel(3, 0)), 0);
    EXPECT_EQ(qAlpha(t.pixel(1, 1)), 255);
}

TEST(Pictures, BitmapFileErrorsCarryTheGermanMessages)
{
    ScratchDir dir;
    QImage image(35, 35, QImage::Format_RGB888);
    image.fill(QColor(10, 20, 30));
    dir.write("images/Test_Good.bmp", bmpBytes(image));
    dir.write("images/Test_Bad.bmp", "this is no bitmap");

    const QImage loaded = gw::loadBitmapFile("images\\Test_Good.bmp");
    EXPECT_EQ(loaded.size(), QSize(35, 35));
    EXPECT_EQ(loaded.pixelColor(3, 3), QColor(10, 20, 30));

    try {
        gw::loadBitmapFile("images\\Test_Missing.bmp");
        FAIL() << "no error";
    } catch (const gw::GameError &e) {
        EXPECT_STREQ(e.what(), "Datei images\\Test_Missing.bmp kann nicht geöffnet werden");
    }
    try {
        gw::loadBitmapFile("images\\Test_Bad.bmp");
        FAIL() << "no error";
    } catch (const gw::GameError &e) {
        EXPECT_STREQ(e.what(), "Bitmap ist ungültig");
    }
}

TEST(Pictures, JpegDecoderReadsTheBackgroundAndRefusesGarbage)
{
    const QImage background = gw::resourcePicture("background.jpg");
    EXPECT_EQ(background.size(), QSize(1024, 768));
    EXPECT_TRUE(gw::decodeJpeg(QByteArray("\xFF\xD8 not really a jpeg")).isNull());
    EXPECT_TRUE(gw::decodeJpeg(QByteArray()).isNull());
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(SoundFiles, TheCheckDecodesTheFirstFrameAndRefusesWhatDoesNotDecode)
{
    ScratchDir dir;
    const QByteArray noise = fileBytes(dir.file("sound/fightbg.mp3"));
    ASSERT_GT(noise.size(), 4096);
    const QByteArray frameHeader("\xFF\xFB\x90\x64", 4); // MPEG-1 layer III, 128 kbit/s, 44.1 kHz

    const std::vector<std::pair<const char *, QByteArray>> playable = {
        {"behind an ID3v2 tag", QByteArray("ID3\x03\x00\x00\x00\x00\x00\x0A", 10) + QByteArray(10, ' ') + noise},
        {"cut after 2 KB", noise.left(2048)},
    };
    for (const auto &[what, bytes] : playable) {
        dir.write("sound/fightbg.mp3", bytes);
        EXPECT_NO_THROW(gw::checkSoundFile("sound\\fightbg.mp3")) << what;
    }

    const std::vector<std::pair<const char *, QByteArray>> refused = {
        {"empty", QByteArray()},
        {"a WAVE header", QByteArray("RIFF....WAVEfmt ")},
        {"2000 letters", QByteArray(2000, 'x')},
        {"bit rate index 15", QByteArray("\xFF\xFB\xF0\x64", 4) + QByteArray(400, '\0')},
        {"a frame header with nothing behind it", frameHeader + QByteArray(400, '\0')},
        {"only the first frame, which holds the encoder's tag", noise.left(300)},
    };
    for (const auto &[what, bytes] : refused) {
        dir.write("sound/fightbg.mp3", bytes);
        try {
            gw::checkSoundFile("sound\\fightbg.mp3");
            ADD_FAILURE() << what << ": no error";
        } catch (const gw::GameError &e) {
            EXPECT_STREQ(e.what(), "Datei sound\\fightbg.mp3 enth\xc3\xa4lt keine abspielbaren Audiodaten") << what;
        }
    }
}

TEST(SoundFiles, TheDecoderFindsEverySamplePositionAgain)
{
    // Stop keeps the position and Play resumes there: a seek must land on
    // exactly the samples a straight run decodes at that place.
    ScratchDir dir;
    gw::Mp3Decoder straight("sound\\fightbg.mp3");
    EXPECT_EQ(straight.rate(), 32000);
    EXPECT_EQ(straight.channels(), 1);
    std::vector<std::int16_t> all(40 * 32000);
    const std::size_t got = straight.read(all.data(), all.size() * 2);
    EXPECT_TRUE(straight.atEnd());
    all.resize(got / 2);
    EXPECT_EQ(straight.position(), static_cast<long long>(all.size()));
    ASSERT_GT(all.size(), 10u * 32000) << "fightbg.mp3 runs over ten seconds";

    for (long long at : {0LL, 1LL, 12345LL, 5LL * 32000 + 7, static_cast<long long>(all.size()) - 100}) {
        SCOPED_TRACE(at);
        straight.seek(at);
        EXPECT_FALSE(straight.atEnd());
        EXPECT_EQ(straight.position(), at);
        std::vector<std::int16_t> piece(1000);
        piece.resize(straight.read(piece.data(), piece.size() * 2) / 2);
        const std::size_t expected = std::min<std::size_t>(1000, all.size() - static_cast<std::size_t>(at));
        ASSERT_EQ(piece.size(), expected);
        EXPECT_TRUE(std::equal(piece.begin(), piece.end(), all.begin() + at));
    }
    // Past the end there is nothing more to read.
    straight.seek(static_cast<long long>(all.size()) + 32000);
    std::int16_t sample = 0;
    EXPECT_EQ(straight.read(&sample, sizeof sample), 0u);
    EXPECT_TRUE(straight.atEnd());
}

TEST(SoundFiles, ShippedSoundsPassTheCheckAndBrokenOnesDoNot)
{
    ScratchDir dir;
    for (gw::Sound s : gw::kAllSounds)
        EXPECT_NO_THROW(gw::checkSoundFile(gw::soundFilePath(s))) << gw::soundFilePath(s);
    dir.write("sound/fightbg.mp3", "not audio at all");
    try {
        gw::checkSoundFile("sound\\fightbg.mp3");
        FAIL() << "no error";
    } catch (const gw::GameError &e) {
        EXPECT_NE(std::string(e.what()).find("sound\\fightbg.mp3"), std::string::npos);
    }
    dir.remove("sound/fightbg.mp3");
    EXPECT_THROW(gw::checkSoundFile("sound\\fightbg.mp3"), gw::GameError);
}

} // namespace
