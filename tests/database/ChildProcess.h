#pragma once
// A second process for the database tests: forked from the test, it runs one function and talks
// to the test through two pipes, so the test knows exactly where it stands when it is killed.
// The child never returns into the test framework: it ends with _exit.

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <optional>

namespace esc::test {

// The child's end of the pipes.
class ParentLine {
public:
    ParentLine(int toParent, int fromParent) : toParent_(toParent), fromParent_(fromParent) {}
    void Tell(char c) const { (void)::write(toParent_, &c, 1); }
    // Blocks until the parent says go on (a byte) or closes its end; the parent may kill instead.
    void WaitForParent() const {
        char c;
        (void)::read(fromParent_, &c, 1);
    }
    // Tells the parent `c` and waits, for good unless the parent answers: the place to be killed.
    void StopHere(char c) const {
        Tell(c);
        WaitForParent();
    }

private:
    int toParent_, fromParent_;
};

class ChildProcess {
public:
    // Runs `body` in a new process; its return value is the exit status.
    explicit ChildProcess(const std::function<int(const ParentLine&)>& body) {
        int up[2], down[2];
        if (::pipe(up) != 0 || ::pipe(down) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(up[0]);
            ::close(down[1]);
            const int status = body(ParentLine(up[1], down[0]));
            ::_exit(status);
        }
        ::close(up[1]);
        ::close(down[0]);
        fromChild_ = up[0];
        toChild_ = down[1];
    }
    ~ChildProcess() {
        if (pid_ > 0 && !waited_) {
            ::kill(pid_, SIGKILL);
            Wait();
        }
        if (fromChild_ >= 0) ::close(fromChild_);
        if (toChild_ >= 0) ::close(toChild_);
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return pid_ > 0; }

    // The next byte the child tells, or nullopt when it ended or said nothing in time.
    std::optional<char> Hear(std::chrono::milliseconds timeout = std::chrono::seconds(30)) const {
        pollfd p{fromChild_, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(timeout.count())) != 1) return std::nullopt;
        char c;
        if (::read(fromChild_, &c, 1) != 1) return std::nullopt;
        return c;
    }
    void GoOn() const {
        const char c = 'g';
        (void)::write(toChild_, &c, 1);
    }
    void Kill() const { ::kill(pid_, SIGKILL); }
    // The raw wait status.
    int Wait() {
        if (!waited_) {
            ::waitpid(pid_, &status_, 0);
            waited_ = true;
        }
        return status_;
    }
    bool KilledBySigkill() { const int s = Wait(); return WIFSIGNALED(s) && WTERMSIG(s) == SIGKILL; }
    int ExitCode() { const int s = Wait(); return WIFEXITED(s) ? WEXITSTATUS(s) : -1; }

private:
    pid_t pid_ = -1;
    int fromChild_ = -1, toChild_ = -1;
    int status_ = 0;
    bool waited_ = false;
};

}  // namespace esc::test
