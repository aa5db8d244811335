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
#include <memory>
#include <numeric>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string lastLine = "Deleted\n";

// Where the program's standard output goes. Pipe is a pipe in packet mode: each write arrives
// as one read, so the test sees exactly where the program flushed.
enum class Sink { Pipe, FullDevice, Closed, FullAtLastLine };

struct Outcome {
    int status;  // exit status, or -1 when the program did not exit normally
    std::string out;
    std::string err;
    std::vector<std::string> writes;  // one per write the program made, for Sink::Pipe
};

// Owns a descriptor: a temporary file's, or a pipe end's.
using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

File tempFile(const std::string& bytes)
{
    File file{std::tmpfile(), &std::fclose};
    std::fwrite(bytes.data(), 1, bytes.size(), file.get());
    std::rewind(file.get());  // flushes what was written
    return file;
}

// Every read from the start of a file, or from a pipe until all its writers have closed it.
std::vector<std::string> reads(const File& file)
{
    lseek(fileno(file.get()), 0, SEEK_SET);  // fails harmlessly on a pipe
    std::vector<std::string> chunks;
    std::array<char, 4096> chunk{};
    ssize_t count = 0;
    while ((count = read(fileno(file.get()), chunk.data(), chunk.size())) > 0) {
        chunks.emplace_back(chunk.data(), static_cast<std::size_t>(count));
    }
    return chunks;
}

std::string joined(const std::vector<std::string>& chunks)
{
    return std::accumulate(chunks.begin(), chunks.end(), std::string());
}

// Runs the program with `input` on standard input (no value: standard input closed).
Outcome runDemo(const std::optional<std::string>& input, Sink sink = Sink::Pipe,
                std::vector<std::string> args = {})
{
    const File in = tempFile(input.value_or(""));
    const File out = tempFile("");
    const File err = tempFile("");
    std::array<int, 2> ends{-1, -1};
    const bool piped = pipe2(ends.data(), O_DIRECT | O_CLOEXEC) == 0;
    const File pipeOut{fdopen(ends[0], "r"), &std::fclose};
    File pipeIn{fdopen(ends[1], "w"), &std::fclose};

    args.insert(args.begin(), demoPath);
    std::vector<char*> argv(args.size() + 1);  // the last stays nullptr, as execv wants
    std::transform(args.begin(), args.end(), argv.begin(),
                   [](std::string& arg) { return arg.data(); });
    const auto room = static_cast<rlim_t>(expectedTranscript().size() - lastLine.size());
    const rlimit roomForAllButTheLastLine{room, room};

    const pid_t pid = piped ? fork() : -1;
    if (pid == 0) {
        // Only calls that are safe between fork and exec from here on.
        input ? dup2(fileno(in.get()), STDIN_FILENO) : close(STDIN_FILENO);
        switch (sink) {
        case Sink::Pipe: dup2(ends[1], STDOUT_FILENO); break;
        case Sink::FullDevice: dup2(open("/dev/full", O_WRONLY), STDOUT_FILENO); break;
        case Sink::Closed: close(STDOUT_FILENO); break;
        case Sink::FullAtLastLine:
            // The file may grow no further than the transcript without its last line; a
            // write past that fails instead of raising SIGXFSZ.
            signal(SIGXFSZ, SIG_IGN);
            setrlimit(RLIMIT_FSIZE, &roomForAllButTheLastLine);
            dup2(fileno(out.get()), STDOUT_FILENO);
            break;
        }
        dup2(fileno(err.get()), STDERR_FILENO);
        execv(demoPath, argv.data());
        _exit(127);
    }
    if (pid < 0) {
        ADD_FAILURE() << "cannot start " << demoPath;
        return {-1, {}, {}, {}};
    }
    pipeIn.reset();
    std::vector<std::string> writes = reads(pipeOut);
    int status = 0;
    waitpid(pid, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, joined(writes) + joined(reads(out)),
            joined(reads(err)), writes};
}

struct Input {
    const char* name;
    std::optional<std::string> bytes;
    std::vector<std::string> args = {};  // on the command line, which must change nothing
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const Input& input, std::ostream* os)
{
    *os << input.name;
}

class DemoInput : public testing::TestWithParam<Input> {};

TEST_P(DemoInput, WritesTheWholeTranscriptAndSucceeds)
{
    const Outcome run = runDemo(GetParam().bytes, Sink::Pipe, GetParam().args);
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
                    Input{"Closed", std::nullopt},
                    Input{"Arguments", "1\n", {"--help", "-x", "42"}}),
    [](const testing::TestParamInfo<Input>& param) { return std::string(param.param.name); });

// FullAtLastLine: the disk fills up just as the last line is written, and the run must still
// not claim success.
TEST(DemoWriteFailure, IsReportedAndFailsTheRun)
{
    for (const Sink sink : {Sink::FullDevice, Sink::Closed, Sink::FullAtLastLine}) {
        const Outcome run = runDemo("7\n", sink);
        EXPECT_EQ(run.status, 1) << "sink " << static_cast<int>(sink);
        EXPECT_EQ(run.err, "stack_demo: could not write to standard output\n");
        if (sink == Sink::FullAtLastLine) {  // all but the last line went out
            EXPECT_EQ(run.out + lastLine, expectedTranscript());
        }
    }
}

// Each line, and the prompt, leaves in a write of its own: none waits in the buffer for a later
// flush, so a reader on the other end of a pipe sees every step as it happens.
TEST(DemoFlushes, EveryLineAndThePromptAsItIsWritten)
{
    std::vector<std::string> expected;
    std::istringstream transcript(expectedTranscript());
    for (std::string line; std::getline(transcript, line);) {
        expected.push_back(line + "\n");
    }
    expected.back().resize(expected.back().size() - lastLine.size());  // the prompt alone
    expected.push_back(lastLine);

    const Outcome run = runDemo("7\n");
    EXPECT_EQ(run.writes, expected);
    EXPECT_EQ(run.status, 0);
}

}  // namespace
