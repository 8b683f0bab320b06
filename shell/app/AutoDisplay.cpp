#include "shell/app/AutoDisplay.h"

#include <algorithm>

namespace esc::app {

void AutoDisplay::SetSeconds(int seconds) { seconds_ = std::clamp(seconds, kMinSeconds, kMaxSeconds); }

void AutoDisplay::SwitchOn() {
    on_ = true;
    timer_.Start(Interval());
}

void AutoDisplay::SwitchOff() {
    on_ = false;
    timer_.Stop();
}

void AutoDisplay::Space() {
    if (timer_.Active() && !paused_) {
        paused_ = true;
        timer_.Stop();
    } else if (paused_) {
        paused_ = false;
        if (on_) timer_.Start(Interval());  // a display switched off while paused stays off
    }
}

void AutoDisplay::AfterDrawing() {
    if (on_) timer_.Start(Interval());
}

}  // namespace esc::app
