// SPDX-License-Identifier: MIT
// The four sound players on the session's sound server (PulseAudio, or
// PipeWire through its PulseAudio interface). Each player decodes its MP3
// file with libmpg123 a piece at a time, straight into the server's buffer,
// when the server asks for more; that happens on libpulse's own thread, so
// the window never decodes and never waits for the server.
#include "audio/mp3decoder.h"
#include "audio/soundsystem.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <array>
#include <memory>

namespace gw {

namespace {

// About six seconds in the server's buffer, refilled two seconds at a time:
// the server asks for more about every two seconds, and the thread wakes for
// that request and for the answer to the question it then asks, where
// playback stands. When a request comes four seconds are still queued, so a
// thread held up for less than that leaves no gap. (The server renders
// ahead by the buffer less two requests, two seconds; a request as long as
// half the buffer would leave it nothing and keep it busy.)
constexpr pa_usec_t kBufferUsec = 6 * PA_USEC_PER_SEC;
constexpr pa_usec_t kRequestUsec = 2 * PA_USEC_PER_SEC;
// Playback starts once this much is there, which is at the first request.
constexpr pa_usec_t kStartUsec = PA_USEC_PER_SEC / 10;

// A player's volume in percent on the server's own scale, the one desktop
// mixers show: 100 leaves the samples as they are, 0 is silence.
pa_volume_t serverVolume(int percent)
{
    const int clamped = std::clamp(percent, 0, 100);
    return static_cast<pa_volume_t>(static_cast<unsigned long long>(PA_VOLUME_NORM) * clamped / 100);
}

class PulseSoundSystem : public SoundSystem {
public:
    PulseSoundSystem()
    {
        loop_ = pa_threaded_mainloop_new();
        if (!loop_ || pa_threaded_mainloop_start(loop_) < 0)
            return; // no thread, no sound
        Lock lock(loop_);
        connect();
    }

    ~PulseSoundSystem() override
    {
        if (!loop_)
            return;
        {
            Lock lock(loop_);
            for (Player &p : players_)
                endStream(p);
            if (context_) {
                pa_context_set_state_callback(context_, nullptr, nullptr);
                pa_context_disconnect(context_);
                pa_context_unref(context_);
                context_ = nullptr;
            }
        }
        pa_threaded_mainloop_stop(loop_);
        pa_threaded_mainloop_free(loop_);
    }

    void open(Sound sound) override
    {
        // Throws before anything changes when the file is no sound.
        auto decoder = std::make_unique<Mp3Decoder>(soundFilePath(sound));
        Lock lock(loop_);
        Player &p = player(sound);
        endStream(p);
        p = Player();
        p.sound = sound;
        p.owner = this;
        p.decoder = std::move(decoder);
    }

    void play(Sound sound) override
    {
        Lock lock(loop_);
        Player &p = player(sound);
        if (!p.decoder || p.playing)
            return;
        if (p.decoder->atEnd() && !p.stream)
            p.decoder->seek(0);
        p.playing = true;
        if (!context_ || !PA_CONTEXT_IS_GOOD(pa_context_get_state(context_)))
            connect(); // the server may have come back since
        startStream(p);
    }

    void stop(Sound sound) override
    {
        Lock lock(loop_);
        Player &p = player(sound);
        if (!p.playing)
            return;
        p.playing = false;
        if (!p.stream)
            return;
        // The decoder has run ahead by what sits in the server's buffer; go
        // back to what was heard.
        const long long heard = p.streamStart + std::min(playedFrames(p), p.written);
        endStream(p);
        p.decoder->seek(heard);
    }

    void rewind(Sound sound) override
    {
        Lock lock(loop_);
        Player &p = player(sound);
        p.playing = false;
        endStream(p);
        if (p.decoder)
            p.decoder->seek(0);
    }

    void close(Sound sound) override
    {
        Lock lock(loop_);
        Player &p = player(sound);
        endStream(p);
        p.playing = false;
        p.decoder.reset();
    }

    // The stream's own volume on the server, not scaled samples: the server
    // holds seconds of the sound already, and applies its volume to those
    // too, so the change is heard at once.
    void setVolume(Sound sound, int percent) override
    {
        Lock lock(loop_);
        Player &p = player(sound);
        p.volume = serverVolume(percent);
        sendVolume(p);
    }

private:
    struct Player {
        PulseSoundSystem *owner = nullptr;
        Sound sound = Sound::BgMusic;
        std::unique_ptr<Mp3Decoder> decoder; // none until opened
        bool playing = false;                // from Play to Stop, Rewind or the end
        pa_stream *stream = nullptr;         // while playing and the server is there
        pa_operation *drain = nullptr;       // the end of the file is written
        long long streamStart = 0;           // decoder position when the stream began
        long long written = 0;               // sample frames given to the stream
        pa_volume_t volume = PA_VOLUME_NORM; // as the game set it
        pa_volume_t streamVolume = PA_VOLUME_NORM; // as the stream was given it
    };

    // Holds the loop's lock; without a loop there is nothing to lock.
    class Lock {
    public:
        explicit Lock(pa_threaded_mainloop *loop) : loop_(loop)
        {
            if (loop_)
                pa_threaded_mainloop_lock(loop_);
        }
        ~Lock()
        {
            if (loop_)
                pa_threaded_mainloop_unlock(loop_);
        }
        Lock(const Lock &) = delete;
        Lock &operator=(const Lock &) = delete;

    private:
        pa_threaded_mainloop *loop_;
    };

    Player &player(Sound sound) { return players_[static_cast<std::size_t>(sound)]; }

    // Starts connecting; the players that play get their streams once the
    // context is ready. No server means the context fails and all stays
    // silent. A sound server is the session's business: none is started.
    void connect()
    {
        if (!loop_)
            return;
        if (context_) {
            pa_context_set_state_callback(context_, nullptr, nullptr);
            pa_context_disconnect(context_);
            pa_context_unref(context_);
        }
        for (Player &p : players_)
            endStream(p);
        pa_proplist *props = pa_proplist_new();
        pa_proplist_sets(props, PA_PROP_APPLICATION_NAME, "Grimsward");
        pa_proplist_sets(props, PA_PROP_APPLICATION_ID, "de.grimsward.Grimsward");
        pa_proplist_sets(props, PA_PROP_APPLICATION_ICON_NAME, "de.grimsward.Grimsward");
        context_ = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(loop_), "Grimsward", props);
        pa_proplist_free(props);
        if (!context_)
            return;
        pa_context_set_state_callback(context_, &PulseSoundSystem::onContextState, this);
        pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr);
    }

    static void onContextState(pa_context *context, void *userdata)
    {
        auto *self = static_cast<PulseSoundSystem *>(userdata);
        if (context != self->context_)
            return;
        const pa_context_state_t state = pa_context_get_state(context);
        if (state == PA_CONTEXT_READY) {
            for (Player &p : self->players_)
                self->startStream(p);
        } else if (!PA_CONTEXT_IS_GOOD(state)) {
            // The server is gone: its streams are dead; the players keep
            // their state and play again once a new context is ready.
            for (Player &p : self->players_)
                self->dropStream(p);
        }
    }

    void startStream(Player &p)
    {
        if (!p.playing || p.stream || !p.decoder || !context_ ||
            pa_context_get_state(context_) != PA_CONTEXT_READY)
            return;
        pa_sample_spec sampleSpec{};
        sampleSpec.format = PA_SAMPLE_S16NE;
        sampleSpec.rate = static_cast<uint32_t>(p.decoder->rate());
        sampleSpec.channels = static_cast<uint8_t>(p.decoder->channels());
        pa_proplist *props = pa_proplist_new();
        pa_proplist_sets(props, PA_PROP_MEDIA_ROLE, "game");
        p.stream = pa_stream_new_with_proplist(context_, soundPlayerName(p.sound), &sampleSpec, nullptr, props);
        pa_proplist_free(props);
        if (!p.stream)
            return;
        p.streamStart = p.decoder->position();
        p.written = 0;
        pa_stream_set_write_callback(p.stream, &PulseSoundSystem::onWrite, &p);
        pa_stream_set_state_callback(p.stream, &PulseSoundSystem::onStreamState, &p);
        pa_buffer_attr attr{};
        attr.maxlength = static_cast<uint32_t>(-1);
        attr.tlength = static_cast<uint32_t>(pa_usec_to_bytes(kBufferUsec, &sampleSpec));
        attr.prebuf = static_cast<uint32_t>(pa_usec_to_bytes(kStartUsec, &sampleSpec));
        attr.minreq = static_cast<uint32_t>(pa_usec_to_bytes(kRequestUsec, &sampleSpec));
        attr.fragsize = static_cast<uint32_t>(-1);
        // The timing is asked for at every refill (see onWrite), not on
        // libpulse's own timer, which would wake the thread every 1.5 s.
        const auto flags = static_cast<pa_stream_flags_t>(PA_STREAM_INTERPOLATE_TIMING);
        // The stream starts at the player's volume; a change before the
        // server has made it is sent once it is ready (onStreamState).
        pa_cvolume volume{};
        pa_cvolume_set(&volume, sampleSpec.channels, p.volume);
        p.streamVolume = p.volume;
        if (pa_stream_connect_playback(p.stream, nullptr, &attr, flags, &volume, nullptr) < 0)
            dropStream(p);
    }

    // Gives a ready stream the player's volume, when it has another.
    void sendVolume(Player &p)
    {
        if (!p.stream || p.streamVolume == p.volume || pa_stream_get_state(p.stream) != PA_STREAM_READY)
            return;
        pa_cvolume volume{};
        pa_cvolume_set(&volume, pa_stream_get_sample_spec(p.stream)->channels, p.volume);
        if (pa_operation *op = pa_context_set_sink_input_volume(context_, pa_stream_get_index(p.stream), &volume,
                                                                nullptr, nullptr)) {
            pa_operation_unref(op);
            p.streamVolume = p.volume;
        }
    }

    // Decodes what the server asks for straight into its buffer, then asks
    // where playback stands, so that a stop knows what was heard (libpulse
    // carries the time on from the answer). At the end of the file the
    // stream drains and then goes away.
    static void onWrite(pa_stream *stream, std::size_t bytes, void *userdata)
    {
        Player &p = *static_cast<Player *>(userdata);
        if (stream != p.stream || !p.decoder)
            return;
        while (bytes > 0 && !p.decoder->atEnd()) {
            void *buffer = nullptr;
            std::size_t size = bytes;
            if (pa_stream_begin_write(stream, &buffer, &size) < 0 || !buffer)
                return;
            const std::size_t got = p.decoder->read(buffer, size);
            if (got == 0) {
                pa_stream_cancel_write(stream);
                break;
            }
            pa_stream_write(stream, buffer, got, nullptr, 0, PA_SEEK_RELATIVE);
            p.written += static_cast<long long>(got / p.decoder->frameBytes());
            bytes -= std::min(bytes, got);
        }
        if (pa_operation *timing = pa_stream_update_timing_info(stream, nullptr, nullptr))
            pa_operation_unref(timing);
        if (p.decoder->atEnd() && !p.drain)
            p.drain = pa_stream_drain(stream, &PulseSoundSystem::onDrained, &p);
    }

    static void onDrained(pa_stream *stream, int, void *userdata)
    {
        Player &p = *static_cast<Player *>(userdata);
        if (stream != p.stream)
            return;
        if (p.drain) { // done, nothing to cancel
            pa_operation_unref(p.drain);
            p.drain = nullptr;
        }
        // Played to its end: the stream goes, and the next Play starts from
        // the start.
        p.playing = false;
        p.owner->endStream(p);
    }

    static void onStreamState(pa_stream *stream, void *userdata)
    {
        Player &p = *static_cast<Player *>(userdata);
        if (stream != p.stream)
            return;
        const pa_stream_state_t state = pa_stream_get_state(stream);
        if (state == PA_STREAM_READY)
            p.owner->sendVolume(p);
        else if (!PA_STREAM_IS_GOOD(state))
            p.owner->dropStream(p);
    }

    // Sample frames the server has played from the stream.
    long long playedFrames(const Player &p) const
    {
        pa_usec_t usec = 0;
        if (pa_stream_get_time(p.stream, &usec) < 0)
            return 0;
        return static_cast<long long>(usec * static_cast<pa_usec_t>(p.decoder->rate()) / PA_USEC_PER_SEC);
    }

    // Ends the player's stream at once; what is still buffered is not played.
    void endStream(Player &p)
    {
        pa_stream *stream = p.stream;
        dropStream(p, false);
        if (!stream)
            return;
        if (pa_stream_get_state(stream) == PA_STREAM_CREATING) {
            // The server has not answered yet and a stream cannot be
            // disconnected before it has; it is ended as soon as it is ready.
            pa_stream_set_state_callback(stream, &PulseSoundSystem::endWhenReady, nullptr);
            return;
        }
        pa_stream_disconnect(stream);
        pa_stream_unref(stream);
    }

    static void endWhenReady(pa_stream *stream, void *)
    {
        const pa_stream_state_t state = pa_stream_get_state(stream);
        if (state == PA_STREAM_READY) {
            pa_stream_disconnect(stream); // terminated in turn
        } else if (!PA_STREAM_IS_GOOD(state)) {
            pa_stream_set_state_callback(stream, nullptr, nullptr);
            pa_stream_unref(stream);
        }
    }

    // Forgets the player's stream: the player no longer hears from it. The
    // reference is given up unless the caller takes it over.
    void dropStream(Player &p, bool release = true)
    {
        if (p.drain) {
            pa_operation_cancel(p.drain);
            pa_operation_unref(p.drain);
            p.drain = nullptr;
        }
        if (!p.stream)
            return;
        pa_stream_set_write_callback(p.stream, nullptr, nullptr);
        pa_stream_set_state_callback(p.stream, nullptr, nullptr);
        if (release)
            pa_stream_unref(p.stream);
        p.stream = nullptr;
    }

    pa_threaded_mainloop *loop_ = nullptr;
    pa_context *context_ = nullptr;
    std::array<Player, 4> players_;
};

} // namespace

std::unique_ptr<SoundSystem> makePulseSoundSystem()
{
    return std::make_unique<PulseSoundSystem>();
}

} // namespace gw
