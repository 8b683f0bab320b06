#pragma once
// The note the window's status bar shows after every drawing: what the drawing could not read,
// counted as the command line's coverage counts it ("3 words not understood: ..."), and how long
// it took ("drawn in 0.4 ms").
//
// The window's drawings report their messages through Sink(). Between Begin and End the sink
// keeps a copy of each message for the note; a quiet drawing (one of the auto display) keeps
// them only there, so that the display never stops on a message box: it shows the note and goes
// on. A drawing the user asked for passes its messages on to the window as before.

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "engine/MessageSink.h"
#include "interpret/phrase/DrawingState.h"
#include "interpret/trace/Trace.h"

namespace esc {
struct CoverageLine;
}

namespace esc::app {

// How the note reads: the faults of the reading, in the coverage's order, then the messages,
// then the time. A drawing with none of them was drawn as written.
std::string NoteText(const CoverageLine& reading, const std::vector<std::string>& messages, double milliseconds);

class DrawingNote {
public:
    enum class Messages { Shown, KeptInTheNote };

    explicit DrawingNote(MessageSink& shown) : sink_(shown) {}
    DrawingNote(const DrawingNote&) = delete;
    DrawingNote& operator=(const DrawingNote&) = delete;

    // What the window's drawings (the drawing state and the draw host) report to.
    MessageSink& Sink() { return sink_; }

    // Around one drawing: Begin traces the reading of `state` and starts the clock; End returns
    // the note and leaves the state as it was. A drawing inside a drawing (a message box's own
    // event loop drawing again) belongs to the outer note.
    void Begin(DrawingState& state, Messages messages);
    std::string End(DrawingState& state);

private:
    class NoteSink final : public MessageSink {
    public:
        explicit NoteSink(MessageSink& shown) : shown_(shown) {}
        void Show(std::string_view text) override;
        void Inform(std::string_view text) override;
        bool keeping = false, quiet = false;
        std::vector<std::string> kept;
        // How long the message boxes shown during the drawing stayed open: the user's time, not
        // the drawing's.
        std::chrono::steady_clock::duration waited{};

    private:
        template <typename Pass>
        void PassOn(Pass pass);
        MessageSink& shown_;
    };

    NoteSink sink_;
    DrawingTrace trace_;
    DrawingTrace* traceBefore_ = nullptr;
    std::chrono::steady_clock::time_point start_;
    int depth_ = 0;
};

}  // namespace esc::app
