// Runs the built program as a user would and compares what it writes, byte for byte, with the
// expected transcript.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

extern char** environ;  // NOLINT: POSIX declares it nowhere

namespace {

constexpr const char* demoPath = STACK_DEMO_PATH;
constexpr const char* transcriptPath = TRANSCRIPT_PATH;

// Where the program's standard output goes.
enum class Sink { File, FullDevice, Closed };

struct Outcome {
    int status;  // exit status, or -1 when the program did not exit normally
    std::string out;
    std::string err;
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

// Runs the program with `input` on standard input (no value: standard input closed).
Outcome runDemo(const std::optional<std::string>& input, Sink sink = Sink::File,
                std::vector<std::string> args = {})
{
    TempFile in;
    TempFile out;
    TempFile err;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (input) {
        in.write(*input);
        posix_spawn_file_actions_adddup2(&actions, in.fd(), 0);
    } else {
        posix_spawn_file_actions_addclose(&actions, 0);
    }
    switch (sink) {
    case Sink::File: posix_spawn_file_actions_adddup2(&actions, out.fd(), 1); break;
    case Sink::FullDevice:
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/full", O_WRONLY, 0);
        break;
    case Sink::Closed: posix_spawn_file_actions_addclose(&actions, 1); break;
    }
    posix_spawn_file_actions_adddup2(&actions, err.fd(), 2);

    args.insert(args.begin(), demoPath);
    std::vector<char*> argv;
    argv.reserve(args.size() + 1);
    std::transform(args.begin(), args.end(), std::back_inserter(argv),
                   [](std::string& arg) { return arg.data(); });
    argv.push_back(nullptr);

    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, demoPath, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        ADD_FAILURE() << "cannot start " << demoPath;
        return {-1, {}, {}};
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out.readAll(), err.readAll()};
}

std::string expectedTranscript()
{
    std::ifstream file(transcriptPath, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
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

}  // namespace
