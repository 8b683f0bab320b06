#pragma once
// Everything the user should read goes through one sink: the window shows a message box, the
// command line prints to stderr, tests collect the texts.

#include <string>
#include <string_view>
#include <vector>

namespace esc {

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // A fault or a refusal the user should act on.
    virtual void Show(std::string_view text) = 0;
    // News that asks nothing of the user (what an import added); the window shows it without
    // the warning sign.
    virtual void Inform(std::string_view text) { Show(text); }
};

class CollectingSink final : public MessageSink {
public:
    void Show(std::string_view text) override { messages.emplace_back(text); }
    std::vector<std::string> messages;
};

class NullSink final : public MessageSink {
public:
    void Show(std::string_view) override {}
};

// The way drawing code reaches the sink: it can also keep a copy of every message for a trace.
class MessageChannel {
public:
    explicit MessageChannel(MessageSink& sink) : sink_(&sink) {}
    void Show(std::string_view text) {
        if (copy_) copy_->emplace_back(text);
        sink_->Show(text);
    }
    void KeepCopyIn(std::vector<std::string>* copy) { copy_ = copy; }
    void SetSink(MessageSink& sink) { sink_ = &sink; }

private:
    MessageSink* sink_;
    std::vector<std::string>* copy_ = nullptr;
};

}  // namespace esc
