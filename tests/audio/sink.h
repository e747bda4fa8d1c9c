// SPDX-License-Identifier: MIT
#pragma once
// What the private server's null sink plays (scripts/with-null-sink.sh):
// the streams a process has there, a recording of the sink, and the music
// to match a recording against.

#include <QElapsedTimer>
#include <QStringList>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <pulse/error.h>
#include <pulse/simple.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

// Stream lists print as words in failure messages.
QT_BEGIN_NAMESPACE
void PrintTo(const QStringList &list, std::ostream *out);
QT_END_NAMESPACE

constexpr int kMusicRate = 44100;

// Whether the tests run next to the private server.
bool privateServer();

// The names of the streams the process plays ("sbgmusic", ...), sorted.
QStringList streamsOf(qint64 pid);

// Waits until the process plays exactly these streams. With events the
// window goes on meanwhile; inside a message box's callback it cannot.
bool waitForStreams(qint64 pid, const QStringList &expected, int milliseconds, bool events = true);

// The volume the server gives the process's stream of that name, in its own
// percent (the first channel's), or -1 when there is no such stream.
int streamVolumeOf(qint64 pid, const QString &name);

int loudest(const std::vector<std::int16_t> &samples);

// The root mean square of count samples from first on.
double rms(const std::vector<std::int16_t> &samples, std::size_t first, std::size_t count);

// The music, decoded the way the players decode it.
std::vector<std::int16_t> decodedMusic();

// Where in the music the recording began, in seconds (below 0 when it began
// before the music), or nothing when the recording is not the music. A loud
// stretch of the recording is looked for sample by sample; the server passes
// the samples through unchanged, give or take rounding.
std::optional<double> heardAt(const std::vector<std::int16_t> &music, const std::vector<std::int16_t> &heard);

// The same for a recording of the music at another level: the sample of the
// music, from `from` to `to`, where the recording's shape fits best (by
// normalised correlation over a loud stretch), with how well it fits (1 is
// the music itself at some level).
struct Fit {
    long long start = 0; // the music's sample at the recording's first
    double correlation = 0;
};
Fit fitAt(const std::vector<std::int16_t> &music, const std::vector<std::int16_t> &heard, long long from,
          long long to);

// Records what the null sink plays, mono at the music's rate. It listens all
// the time, from its construction on: a sink that nobody records renders far
// ahead of the clock, and a recording begun then would start in its future.
class Listener {
public:
    Listener()
    {
        pa_sample_spec sampleSpec{};
        sampleSpec.format = PA_SAMPLE_S16LE;
        sampleSpec.channels = 1;
        sampleSpec.rate = kMusicRate;
        pa_buffer_attr attr{};
        attr.maxlength = static_cast<std::uint32_t>(-1);
        attr.fragsize = static_cast<std::uint32_t>(pa_usec_to_bytes(20000, &sampleSpec));
        int error = 0;
        rec_ = pa_simple_new(nullptr, "Grimsward test", PA_STREAM_RECORD, "null.monitor", "heard", &sampleSpec, nullptr,
                             &attr, &error);
        if (!rec_)
            ADD_FAILURE() << "cannot record the null sink: " << pa_strerror(error);
    }
    ~Listener()
    {
        if (rec_)
            pa_simple_free(rec_);
    }
    Listener(const Listener &) = delete;
    Listener &operator=(const Listener &) = delete;

    // Waits until a tenth of a second passes in silence: what the sink had
    // mixed before a stream went still plays out, later on a loaded
    // machine. Returns whether it did within five seconds.
    bool waitUntilSilent()
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 5000) {
            if (loudest(listen(100)) <= 2)
                return true;
        }
        return false;
    }

    // Waits until something is heard: the null sink may take up to two
    // seconds to start a new stream. Returns whether it was.
    bool waitUntilHeard()
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 5000) {
            if (loudest(listen(100)) >= 100)
                return true;
        }
        return false;
    }

    // What plays from now on for the given time; the window waits meanwhile.
    // What was recorded before is thrown away, and with it the first 20 ms,
    // which may still hold a piece that was on its way.
    std::vector<std::int16_t> listen(int milliseconds)
    {
        std::vector<std::int16_t> stale(kMusicRate / 50);
        std::vector<std::int16_t> samples(static_cast<std::size_t>(kMusicRate) * milliseconds / 1000);
        int error = 0;
        if (!rec_ || pa_simple_flush(rec_, &error) < 0 ||
            pa_simple_read(rec_, stale.data(), stale.size() * 2, &error) < 0 ||
            pa_simple_read(rec_, samples.data(), samples.size() * 2, &error) < 0) {
            ADD_FAILURE() << "recording failed: " << pa_strerror(error);
            samples.clear();
        }
        return samples;
    }

private:
    pa_simple *rec_ = nullptr;
};

