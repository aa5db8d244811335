// Runs stack_demo on a pseudo-terminal and checks what a user at a console would see.
#include "transcript.h"

#include <gtest/gtest.h>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#if __has_include(<pty.h>)
#include <pty.h>  // forkpty on Linux
#else
#include <util.h>  // forkpty on macOS and the BSDs
#endif

#include <array>
#include <chrono>
#include <csignal>
#include <string>
#include <thread>

namespace {

constexpr const char* prompt = "Enter a number to Exit : ";

// The program as seen through the terminal's master side.
class Terminal {
public:
    Terminal() : child(forkpty(&master, nullptr, nullptr, nullptr))
    {
        if (child == 0) {
            execl(demoPath, demoPath, static_cast<char*>(nullptr));
            _exit(127);
        }
    }
    Terminal(const Terminal&) = delete;
    Terminal& operator=(const Terminal&) = delete;
    Terminal(Terminal&&) = delete;
    Terminal& operator=(Terminal&&) = delete;
    ~Terminal()
    {
        if (child > 0) {
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
        }
        close(master);  // -1 if forkpty failed, which close turns away harmlessly
    }

    [[nodiscard]] bool started() const { return child > 0; }

    // What appears on screen within `waitMs` of silence, or until the program closes the
    // terminal, or until `until` has appeared.
    std::string read(int waitMs, const std::string& until = {})
    {
        std::string screen;
        pollfd ready{master, POLLIN, 0};
        while ((until.empty() || screen.find(until) == std::string::npos) &&
               poll(&ready, 1, waitMs) > 0) {
            std::array<char, 256> chunk{};
            const ssize_t count = ::read(master, chunk.data(), chunk.size());
            if (count <= 0) {
                break;  // the program has ended and closed its side
            }
            screen.append(chunk.data(), static_cast<std::size_t>(count));
        }
        return screen;
    }

    void type(const std::string& keys) const
    {
        ASSERT_EQ(write(master, keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
    }

    // The exit status, or -1 if the program was killed by a signal or is still running after
    // `waitMs` (the destructor then stops it, so a program that waits for more input fails the
    // test instead of hanging it).
    int exitStatus(int waitMs)
    {
        constexpr int stepMs = 10;
        int status = 0;
        for (int waited = 0; waitpid(child, &status, WNOHANG) != child; waited += stepMs) {
            if (waited >= waitMs) {
                return -1;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(stepMs));
        }
        child = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    int master = -1;
    pid_t child;
};

// The transcript up to and including the prompt, as the terminal shows it: each line end
// becomes a carriage return and a line feed.
std::string screenBeforeAnswer()
{
    std::string screen;
    for (const char c : expectedTranscript()) {
        screen += c == '\n' ? "\r\n" : std::string(1, c);
    }
    return screen.substr(0, screen.find(prompt)) + prompt;
}

TEST(DemoTerminal, PromptsWaitsAndEndsOnALineOfItsOwn)
{
    for (const std::string answer : {"7", "no"}) {
        SCOPED_TRACE(answer);
        Terminal terminal;
        ASSERT_TRUE(terminal.started());
        EXPECT_EQ(terminal.read(5000, prompt), screenBeforeAnswer());
        EXPECT_EQ(terminal.read(300), "") << "wrote more before the answer was typed";
        terminal.type("\r");
        EXPECT_EQ(terminal.read(300), "\r\n") << "took an empty line for the answer";
        terminal.type(answer + "\r");
        EXPECT_EQ(terminal.read(5000), answer + "\r\nDeleted\r\n");
        EXPECT_EQ(terminal.exitStatus(5000), 0);
    }
}

}  // namespace
