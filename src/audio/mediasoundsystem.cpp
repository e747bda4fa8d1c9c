// SPDX-License-Identifier: MIT
#include "audio/soundfiles.h"
#include "audio/soundsystem.h"
#include "core/textfile.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

#include <array>

namespace gw {

namespace {

// One QMediaPlayer with its own output per sound. Without an audio device the
// players still accept every call and simply stay silent.
class MediaSoundSystem : public SoundSystem {
public:
    ~MediaSoundSystem() override
    {
        for (Sound s : kAllSounds)
            close(s);
    }

    void open(Sound sound) override
    {
        // The file is checked now; the decoder is made on first use, so a
        // sound that never plays costs no memory (four idle pipelines would
        // more than double the program's footprint).
        const std::string path = soundFilePath(sound);
        checkSoundFile(path);
        Player &p = player(sound);
        p.file = QFileInfo(QString::fromStdString(nativePath(path))).absoluteFilePath();
        p.media.reset();
        p.output.reset();
    }

    void play(Sound sound) override
    {
        QMediaPlayer *m = media(sound);
        if (!m || m->playbackState() == QMediaPlayer::PlayingState)
            return;
        if (m->mediaStatus() == QMediaPlayer::EndOfMedia)
            m->setPosition(0);
        m->play();
    }

    void stop(Sound sound) override
    {
        // QMediaPlayer::stop() would forget the position; a pause keeps it.
        QMediaPlayer *m = player(sound).media.get();
        if (m && m->playbackState() == QMediaPlayer::PlayingState)
            m->pause();
    }

    void rewind(Sound sound) override
    {
        // A player not made yet is at the start anyway.
        QMediaPlayer *m = player(sound).media.get();
        if (!m)
            return;
        m->stop();
        m->setPosition(0);
    }

    void close(Sound sound) override
    {
        Player &p = player(sound);
        if (p.media)
            p.media->stop();
        p.media.reset();
        p.output.reset();
        p.file.clear();
    }

private:
    struct Player {
        QString file; // empty until opened
        std::unique_ptr<QMediaPlayer> media;
        std::unique_ptr<QAudioOutput> output;
    };

    // The player's decoder, made when it is first needed.
    QMediaPlayer *media(Sound sound)
    {
        Player &p = player(sound);
        if (!p.media && !p.file.isEmpty()) {
            p.media = std::make_unique<QMediaPlayer>();
            p.output = std::make_unique<QAudioOutput>();
            p.media->setAudioOutput(p.output.get());
            p.media->setSource(QUrl::fromLocalFile(p.file));
        }
        return p.media.get();
    }

    Player &player(Sound sound) { return players_[static_cast<std::size_t>(sound)]; }

    std::array<Player, 4> players_;
};

} // namespace

std::unique_ptr<SoundSystem> makeMediaSoundSystem()
{
    return std::make_unique<MediaSoundSystem>();
}

} // namespace gw
