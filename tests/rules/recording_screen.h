// SPDX-License-Identifier: MIT
#pragma once

#include "rules/screen.h"

#include <functional>
#include <string>
#include <vector>

namespace gw::test {

inline const char *soundName(Sound s)
{
    switch (s) {
    case Sound::BgMusic: return "BgMusic";
    case Sound::FightBg: return "FightBg";
    case Sound::Fight: return "Fight";
    case Sound::Defend: return "Defend";
    }
    return "?";
}

inline const char *labelName(CounterLabel l)
{
    switch (l) {
    case CounterLabel::Cash: return "Cash";
    case CounterLabel::Taxes: return "Taxes";
    case CounterLabel::Recruits: return "Recruits";
    case CounterLabel::Mgs: return "Mgs";
    case CounterLabel::Rifles: return "Rifles";
    case CounterLabel::Mortars: return "Mortars";
    case CounterLabel::Specpacks: return "Specpacks";
    case CounterLabel::Infantry: return "Infantry";
    case CounterLabel::Snipers: return "Snipers";
    case CounterLabel::Mortarcrews: return "Mortarcrews";
    case CounterLabel::Specialunits: return "Specialunits";
    }
    return "?";
}

// Records every call as one line of text, in the order the rules made them:
//   "counter Cash 250", "notice BaseDestroyed", "play FightBg",
//   "stop FightBg", "victory <rounds>", "defeat <rounds>", "redraw".
// onCall, when set, runs after each call is recorded, so a test can look at
// the game state at that moment.
class RecordingScreen : public Screen {
public:
    std::vector<std::string> calls;
    std::function<void(const std::string &)> onCall;

    void showCounter(CounterLabel label, int32_t value) override
    {
        record(std::string("counter ") + labelName(label) + " " + std::to_string(value));
    }
    void notify(Notice notice) override
    {
        record(notice == Notice::BaseDestroyed ? "notice BaseDestroyed" : "notice OwnBaseDestroyed");
    }
    void playSound(Sound sound) override { record(std::string("play ") + soundName(sound)); }
    void stopSound(Sound sound) override { record(std::string("stop ") + soundName(sound)); }
    void showVictory(int32_t rounds) override { record("victory " + std::to_string(rounds)); }
    void showDefeat(int32_t rounds) override { record("defeat " + std::to_string(rounds)); }
    void enableRedraw() override { record("redraw"); }

    // The recorded calls that start with `prefix`, in order.
    std::vector<std::string> starting(const std::string &prefix) const
    {
        std::vector<std::string> out;
        for (const std::string &c : calls) {
            if (c.compare(0, prefix.size(), prefix) == 0)
                out.push_back(c);
        }
        return out;
    }

private:
    void record(const std::string &call)
    {
        calls.push_back(call);
        if (onCall)
            onCall(call);
    }
};

} // namespace gw::test
