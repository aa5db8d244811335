// Runs the built program as a user would and compares what it writes, byte for byte, with the
// expected transcript.
#include "transcript.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <csignal>
#include <cstdio>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

const std::string lastLine = "Deleted\n";

// Where the program's standard output goes.
enum class Sink { File, FullDevice, Closed, FullAtLastLine, PacketPipe };

struct Outcome {
    int status;  // exit status, or -1 when the program did not exit normally
    std::string out;
    std::string err;
    std::vector<std::string> writes;  // one per write the program made, for Sink::PacketPipe
};

// An anonymous temporary file. Files rather than pipes carry the program's streams, so that
// neither side can stall on a full pipe whatever the program reads or writes.
class TempFile {
public:
    [[nodiscard]] int fd() const { return fileno(file.get()); }
    void write(const std::string& bytes)
    {
        std::fwrite(bytes.data(), 1, bytes.size(), file.get());
        std::fflush(file.get());
        std::rewind(file.get());
    }
    std::string readAll()
    {
        std::rewind(file.get());
        std::string bytes;
        std::array<char, 4096> chunk{};
        std::size_t count = 0;
        while ((count = std::fread(chunk.data(), 1, chunk.size(), file.get())) > 0) {
            bytes.append(chunk.data(), count);
        }
        return bytes;
    }

private:
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file{std::tmpfile(), &std::fclose};
};

// A pipe in packet mode: each write at one end arrives as one read at the other, so the reader
// sees exactly where the writer flushed.
class PacketPipe {
public:
    PacketPipe()
    {
        if (pipe2(ends.data(), O_DIRECT) != 0) {
            ADD_FAILURE() << "cannot make a packet pipe";
        }
    }
    PacketPipe(const PacketPipe&) = delete;
    PacketPipe& operator=(const PacketPipe&) = delete;
    PacketPipe(PacketPipe&&) = delete;
    PacketPipe& operator=(PacketPipe&&) = delete;
    ~PacketPipe()
    {
        for (const int end : ends) {
            if (end >= 0) {
                close(end);
            }
        }
    }

    [[nodiscard]] int writeEnd() const { return ends[1]; }

    // Everything written, until every writer has closed its end.
    std::vector<std::string> readPackets()
    {
        close(ends[1]);
        ends[1] = -1;
        std::vector<std::string> packets;
        std::array<char, 4096> packet{};
        ssize_t count = 0;
        while ((count = read(ends[0], packet.data(), packet.size())) > 0) {
            packets.emplace_back(packet.data(), static_cast<std::size_t>(count));
        }
        return packets;
    }

private:
    std::array<int, 2> ends{-1, -1};
};

// Runs the program with `input` on standard input (no value: standard input closed).
Outcome runDemo(const std::optional<std::string>& input, Sink sink = Sink::File,
                std::vector<std::string> args = {})
{
    TempFile in;
    TempFile out;
    TempFile err;
    if (input) {
        in.write(*input);
    }
    args.insert(args.begin(), demoPath);
    std::vector<char*> argv;
    argv.reserve(args.size() + 1);
    std::transform(args.begin(), args.end(), std::back_inserter(argv),
                   [](std::string& arg) { return arg.data(); });
    argv.push_back(nullptr);

    const auto room = static_cast<rlim_t>(expectedTranscript().size() - lastLine.size());
    const rlimit roomForAllButTheLastLine{room, room};

    std::optional<PacketPipe> packets;
    if (sink == Sink::PacketPipe) {
        packets.emplace();
    }

    const pid_t pid = fork();
    if (pid == 0) {
        // Only calls that are safe between fork and exec from here on.
        if (input) {
            dup2(in.fd(), STDIN_FILENO);
        } else {
            close(STDIN_FILENO);
        }
        switch (sink) {
        case Sink::File: dup2(out.fd(), STDOUT_FILENO); break;
        case Sink::FullDevice: dup2(open("/dev/full", O_WRONLY), STDOUT_FILENO); break;
        case Sink::Closed: close(STDOUT_FILENO); break;
        case Sink::FullAtLastLine:
            // The file may grow no further than the transcript without its last line; a
            // write past that fails instead of raising SIGXFSZ.
            signal(SIGXFSZ, SIG_IGN);
            setrlimit(RLIMIT_FSIZE, &roomForAllButTheLastLine);
            dup2(out.fd(), STDOUT_FILENO);
            break;
        case Sink::PacketPipe: dup2(packets->writeEnd(), STDOUT_FILENO); break;
        }
        dup2(err.fd(), STDERR_FILENO);
        execv(demoPath, argv.data());
        _exit(127);
    }
    if (pid < 0) {
        ADD_FAILURE() << "cannot start " << demoPath;
        return {-1, {}, {}, {}};
    }
    std::vector<std::string> writes;
    if (packets) {
        writes = packets->readPackets();
    }
    int status = 0;
    waitpid(pid, &status, 0);
    std::string written = out.readAll();
    for (const std::string& packet : writes) {
        written += packet;
    }
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, written, err.readAll(), writes};
}

struct Input {
    const char* name;
    std::optional<std::string> bytes;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const Input& input, std::ostream* os)
{
    *os << input.name;
}

class DemoInput : public testing::TestWithParam<Input> {};

TEST_P(DemoInput, WritesTheWholeTranscriptAndSucceeds)
{
    const Outcome run = runDemo(GetParam().bytes);
    EXPECT_EQ(run.out, expectedTranscript());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    AnyAnswer, DemoInput,
    testing::Values(Input{"Zero", "0\n"}, Input{"Seven", "7\n"}, Input{"Negative", "-5\n"},
                    Input{"SignedAndPadded", " +42 \n"}, Input{"Text", "exit\n"},
                    Input{"EmptyLine", "\n"}, Input{"TooLarge", "99999999999999999999\n"},
                    Input{"LongLine", std::string(1 << 20, '7') + "\n"},
                    Input{"Binary", std::string("\0\xff\x80\x01\n", 5)}, Input{"EndOfInput", ""},
                    Input{"Closed", std::nullopt}),
    [](const testing::TestParamInfo<Input>& param) { return std::string(param.param.name); });

TEST(DemoArguments, ChangeNothing)
{
    const Outcome run = runDemo("1\n", Sink::File, {"--help", "-x", "42"});
    EXPECT_EQ(run.out, expectedTranscript());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
}

TEST(DemoWriteFailure, IsReportedAndFailsTheRun)
{
    for (const Sink sink : {Sink::FullDevice, Sink::Closed}) {
        const Outcome run = runDemo("7\n", sink);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, "stack_demo: could not write to standard output\n");
    }
}

// The disk fills up just as the last line is written: the run must still not claim success.
TEST(DemoWriteFailure, LosingOnlyTheLastLineFailsTheRun)
{
    const Outcome run = runDemo("7\n", Sink::FullAtLastLine);
    const std::string transcript = expectedTranscript();
    EXPECT_EQ(run.out, transcript.substr(0, transcript.size() - lastLine.size()));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "stack_demo: could not write to standard output\n");
}

// Each line, and the prompt, leaves in a write of its own: none waits in the buffer for a later
// flush, so a reader on the other end of a pipe sees every step as it happens.
TEST(DemoFlushes, EveryLineAndThePromptAsItIsWritten)
{
    const std::string transcript = expectedTranscript();
    const std::size_t promptEnd = transcript.size() - lastLine.size();
    std::vector<std::string> expected;
    std::size_t start = 0;
    std::size_t end = transcript.find('\n');
    while (end < promptEnd) {
        expected.push_back(transcript.substr(start, end + 1 - start));
        start = end + 1;
        end = transcript.find('\n', start);
    }
    expected.push_back(transcript.substr(start, promptEnd - start));
    expected.push_back(lastLine);

    const Outcome run = runDemo("7\n", Sink::PacketPipe);
    EXPECT_EQ(run.writes, expected);
    EXPECT_EQ(run.status, 0);
}

}  // namespace
