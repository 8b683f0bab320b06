#include <gtest/gtest.h>

#include "shell/app/AutoDisplay.h"

namespace esc::app {
namespace {

struct FakeTimer final : Timer {
    void Start(int ms) override { active = true, interval = ms; }
    void Stop() override { active = false; }
    bool Active() const override { return active; }
    bool active = false;
    int interval = 0;
};

using State = AutoDisplay::State;

TEST(AutoDisplay, StatesFollowTheButtonAndSpace) {
    const struct {
        const char* name;
        std::vector<char> events;  // 'a' the button, ' ' Space, 'd' the end of a drawing
        State state;
        bool timer;
    } cases[] = {
        {"off at start", {}, State::Off, false},
        {"space while off does nothing", {' '}, State::Off, false},
        {"button runs it", {'a'}, State::Running, true},
        {"space pauses", {'a', ' '}, State::Paused, false},
        {"space twice resumes", {'a', ' ', ' '}, State::Running, true},
        {"button again stops", {'a', 'a'}, State::Off, false},
        {"paused, off and on stays paused", {'a', ' ', 'a', 'a'}, State::Paused, true},
        {"a drawing arms the timer while running", {'a', 'd'}, State::Running, true},
        {"a drawing leaves an off display off", {'d'}, State::Off, false},
        {"space after switching off while paused stays off", {'a', ' ', 'a', ' '}, State::Off, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeTimer timer;
        AutoDisplay display(timer);
        for (char e : c.events) {
            if (e == 'a') display.On() ? display.SwitchOff() : display.SwitchOn();
            else if (e == ' ') display.Space();
            else display.AfterDrawing();
        }
        EXPECT_EQ(display.Current(), c.state);
        EXPECT_EQ(timer.active, c.timer);
    }
}

TEST(AutoDisplay, PausedTicksDoNotStep) {
    FakeTimer timer;
    AutoDisplay display(timer);
    display.SwitchOn();
    EXPECT_TRUE(display.TickShouldStep());
    display.Space();
    EXPECT_FALSE(display.TickShouldStep());
}

TEST(AutoDisplay, IntervalIsOneToTenSeconds) {
    FakeTimer timer;
    AutoDisplay display(timer);
    EXPECT_EQ(display.Interval(), 4000);
    const struct {
        int set, seconds;
    } cases[] = {{10, 10}, {1, 1}, {0, 1}, {11, 10}, {7, 7}};
    for (const auto& c : cases) {
        display.SetSeconds(c.set);
        EXPECT_EQ(display.Seconds(), c.seconds) << c.set;
    }
    display.SwitchOn();
    EXPECT_EQ(timer.interval, 7000);
}

}  // namespace
}  // namespace esc::app
