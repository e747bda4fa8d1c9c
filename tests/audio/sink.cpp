// SPDX-License-Identifier: MIT
#include "sink.h"

#include "boxwatcher.h"

#include "audio/mp3decoder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <cstdlib>

QT_BEGIN_NAMESPACE
void PrintTo(const QStringList &list, std::ostream *out) { *out << '{' << list.join(' ').toStdString() << '}'; }
QT_END_NAMESPACE

bool privateServer() { return qEnvironmentVariable("GRIMSWARD_NULL_SINK") == "null"; }

QStringList streamsOf(qint64 pid)
{
    QProcess pactl;
    pactl.start("pactl", {"-f", "json", "list", "sink-inputs"});
    if (!pactl.waitForFinished(10000) || pactl.exitCode() != 0) {
        ADD_FAILURE() << "pactl failed: " << pactl.readAllStandardError().toStdString();
        return {};
    }
    QStringList names;
    for (const QJsonValue &v : QJsonDocument::fromJson(pactl.readAllStandardOutput()).array()) {
        const QJsonObject props = v.toObject().value("properties").toObject();
        if (props.value("application.process.id").toString().toLongLong() == pid)
            names << props.value("media.name").toString();
    }
    names.sort();
    return names;
}

bool waitForStreams(qint64 pid, const QStringList &expected, int milliseconds, bool events)
{
    QElapsedTimer clock;
    clock.start();
    while (streamsOf(pid) != expected) {
        if (clock.elapsed() > milliseconds)
            return false;
        if (events)
            pump(50);
        else
            QThread::msleep(50);
    }
    return true;
}

int loudest(const std::vector<std::int16_t> &samples)
{
    int peak = 0;
    for (std::int16_t s : samples)
        peak = std::max(peak, std::abs(static_cast<int>(s)));
    return peak;
}

std::vector<std::int16_t> decodedMusic()
{
    gw::Mp3Decoder decoder("sound\\bgmusic.mp3");
    EXPECT_EQ(decoder.rate(), kMusicRate);
    EXPECT_EQ(decoder.channels(), 1);
    std::vector<std::int16_t> all(130 * kMusicRate);
    all.resize(decoder.read(all.data(), all.size() * 2) / 2);
    return all;
}

std::optional<double> heardAt(const std::vector<std::int16_t> &music, const std::vector<std::int16_t> &heard)
{
    constexpr std::size_t kWindow = 1024;
    constexpr int kTolerance = 4;
    if (heard.size() < 2 * kWindow)
        return std::nullopt;
    std::size_t best = 0;
    long long bestEnergy = -1;
    for (std::size_t at = heard.size() / 4; at + kWindow <= heard.size(); at += kWindow / 4) {
        long long energy = 0;
        for (std::size_t i = 0; i < kWindow; ++i)
            energy += static_cast<long long>(heard[at + i]) * heard[at + i];
        if (energy > bestEnergy) {
            bestEnergy = energy;
            best = at;
        }
    }
    if (bestEnergy < static_cast<long long>(kWindow) * 100 * 100)
        return std::nullopt; // (next to) silence fits too many places
    for (std::size_t offset = 0; offset + kWindow <= music.size(); ++offset) {
        std::size_t i = 0;
        while (i < kWindow && std::abs(music[offset + i] - heard[best + i]) <= kTolerance)
            ++i;
        if (i == kWindow)
            return (static_cast<double>(offset) - static_cast<double>(best)) / kMusicRate;
    }
    return std::nullopt;
}


int streamVolumeOf(qint64 pid, const QString &name)
{
    QProcess pactl;
    pactl.start("pactl", {"-f", "json", "list", "sink-inputs"});
    if (!pactl.waitForFinished(10000) || pactl.exitCode() != 0) {
        ADD_FAILURE() << "pactl failed: " << pactl.readAllStandardError().toStdString();
        return -1;
    }
    for (const QJsonValue &v : QJsonDocument::fromJson(pactl.readAllStandardOutput()).array()) {
        const QJsonObject input = v.toObject();
        const QJsonObject props = input.value("properties").toObject();
        if (props.value("application.process.id").toString().toLongLong() != pid ||
            props.value("media.name").toString() != name)
            continue;
        const QJsonObject channels = input.value("volume").toObject();
        if (channels.isEmpty())
            return -1;
        QString percent = channels.begin().value().toObject().value("value_percent").toString();
        percent.remove('%');
        return percent.trimmed().toInt();
    }
    return -1;
}

double rms(const std::vector<std::int16_t> &samples, std::size_t first, std::size_t count)
{
    if (first >= samples.size() || count == 0)
        return 0;
    count = std::min(count, samples.size() - first);
    double sum = 0;
    for (std::size_t i = first; i < first + count; ++i)
        sum += static_cast<double>(samples[i]) * samples[i];
    return std::sqrt(sum / static_cast<double>(count));
}

Fit fitAt(const std::vector<std::int16_t> &music, const std::vector<std::int16_t> &heard, long long from,
          long long to)
{
    constexpr std::size_t kWindow = 2048;
    Fit fit;
    if (heard.size() < 2 * kWindow)
        return fit;
    // The loudest stretch of the recording tells its place best.
    std::size_t best = 0;
    double bestEnergy = -1;
    for (std::size_t at = 0; at + kWindow <= heard.size(); at += kWindow / 4) {
        const double energy = rms(heard, at, kWindow);
        if (energy > bestEnergy) {
            bestEnergy = energy;
            best = at;
        }
    }
    const double heardNorm = rms(heard, best, kWindow);
    if (heardNorm <= 0)
        return fit;
    const long long first = std::max(0LL, from + static_cast<long long>(best));
    const long long last = std::min(to + static_cast<long long>(best), static_cast<long long>(music.size() - kWindow));
    for (long long at = first; at <= last; ++at) {
        const auto m = static_cast<std::size_t>(at);
        double product = 0, musicEnergy = 0;
        for (std::size_t i = 0; i < kWindow; ++i) {
            product += static_cast<double>(heard[best + i]) * music[m + i];
            musicEnergy += static_cast<double>(music[m + i]) * music[m + i];
        }
        if (musicEnergy <= 0)
            continue;
        const double correlation = product / (std::sqrt(musicEnergy / kWindow) * heardNorm * kWindow);
        if (correlation > fit.correlation) {
            fit.correlation = correlation;
            fit.start = at - static_cast<long long>(best);
        }
    }
    return fit;
}
