#pragma once
// The auto display: Timer1 steps through the blazon table, one drawing per tick.
//
// Three states: Off, Running (the timer armed between drawings) and Paused (Space stopped the
// timer). The paused flag is cleared only by Space, so switching the display off and on again
// while paused leaves it paused: the caption reads "On", but no step runs until Space.

namespace esc::app {

// The window's timer, as the auto display drives it.
class Timer {
public:
    virtual ~Timer() = default;
    virtual void Start(int milliseconds) = 0;
    virtual void Stop() = 0;
    virtual bool Active() const = 0;
};

class AutoDisplay {
public:
    static constexpr int kMinSeconds = 1, kMaxSeconds = 10, kDefaultSeconds = 4;
    enum class State { Off, Running, Paused };

    explicit AutoDisplay(Timer& timer) : timer_(timer) {}

    bool On() const { return on_; }
    bool Paused() const { return paused_; }
    State Current() const { return !on_ ? State::Off : paused_ ? State::Paused : State::Running; }

    int Seconds() const { return seconds_; }
    int Interval() const { return seconds_ * 1000; }
    // Takes a new interval (clamped to 1..10 seconds); a running timer keeps its tick.
    void SetSeconds(int seconds);

    // The auto-display button: mode and timer on, or both off.
    void SwitchOn();
    void SwitchOff();
    // "Stop auto display", as the handlers call it: timer off and mode off.
    void Stop() { SwitchOff(); }

    // Space: Running pauses (timer off); Paused resumes (timer on). Anything else is left alone.
    void Space();

    // A tick of the timer: whether a step should run now. A paused display does nothing.
    bool TickShouldStep() const { return !paused_; }
    // Before a step: the timer is off while the step draws.
    void BeginStep() { timer_.Stop(); }
    // After a drawing: in auto-display mode the timer is armed again, so the interval counts
    // from the end of each drawing.
    void AfterDrawing();

private:
    Timer& timer_;
    bool on_ = false;
    bool paused_ = false;
    int seconds_ = kDefaultSeconds;
};

}  // namespace esc::app
