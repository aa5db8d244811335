#include "Stack.h"  // first, so this file proves the header stands on its own

#include <gtest/gtest.h>

#include <cstdint>
#include <iomanip>
#include <iostream>
#include <limits>
#include <random>
#include <streambuf>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

extern const std::int32_t earlyPop;  // popped before main, in early_refusal.cpp

namespace {

constexpr const char* fullLine = "Stack is full...! Cannot insert any more Data...\n";
constexpr const char* popEmptyLine = "The Stack is Empty..!\n";
constexpr const char* peekEmptyLine = "The Stack is Empty..! \n";

// Stands in for standard output while a test runs. It keeps no buffer of its own, so it sees
// every piece of text the stream hands it. Text only counts as written once it has been
// flushed: anything still waiting for a flush is marked, and so is each piece handed over
// while earlier text was still waiting, or that goes on with a line begun in another piece.
// A message that is not one whole line, written at once on its own and flushed, fails the
// comparison.
class CapturedOutput : std::streambuf {
public:
    CapturedOutput() : saved(std::cout.rdbuf(this)) {}
    CapturedOutput(const CapturedOutput&) = delete;
    CapturedOutput& operator=(const CapturedOutput&) = delete;
    CapturedOutput(CapturedOutput&&) = delete;
    CapturedOutput& operator=(CapturedOutput&&) = delete;
    ~CapturedOutput() override { std::cout.rdbuf(saved); }

    // What reached standard output since the last call.
    std::string take()
    {
        const std::string pending = std::exchange(unflushed, {});
        return std::exchange(flushed, {}) +
               (pending.empty() ? "" : "[not flushed:" + pending + "]");
    }

private:
    std::streamsize xsputn(const char* text, std::streamsize size) override
    {
        const std::string_view piece(text, static_cast<std::size_t>(size));
        if (!piece.empty()) {
            unflushed += lineOpen || !unflushed.empty() ? "[next piece]" : "";
            unflushed += piece;
            lineOpen = piece.back() != '\n';
        }
        return size;
    }
    int_type overflow(int_type c) override
    {
        const char text = traits_type::to_char_type(c);
        xsputn(&text, traits_type::eq_int_type(c, traits_type::eof()) ? 0 : 1);
        return traits_type::not_eof(c);
    }
    int sync() override
    {
        flushed += std::exchange(unflushed, {});
        return 0;
    }

    std::streambuf* saved;
    std::string flushed;
    std::string unflushed;
    bool lineOpen = false;  // the last piece did not end its line
};

TEST(StackEmpty, NewStackIsEmptyAndRefusesPopAndPeek)
{
    CapturedOutput out;
    Stack stack(3);
    EXPECT_TRUE(stack.isEmpty());
    EXPECT_FALSE(stack.isFull());
    EXPECT_EQ(out.take(), "");

    EXPECT_EQ(stack.pop(), EMPTY_RESULT);
    EXPECT_EQ(out.take(), popEmptyLine);
    EXPECT_EQ(stack.peek(), EMPTY_RESULT);
    EXPECT_EQ(out.take(), peekEmptyLine);
    EXPECT_TRUE(stack.isEmpty());

    // The refusals moved nothing: the first push is the only element.
    stack.push(5);
    EXPECT_EQ(stack.pop(), 5);
    EXPECT_TRUE(stack.isEmpty());
    EXPECT_EQ(out.take(), "");
}

TEST(StackFull, FillsRefusesWithoutOverwritingAndDrainsLastInFirstOut)
{
    CapturedOutput out;
    Stack stack(3);
    stack.push(10);
    stack.push(20);
    EXPECT_FALSE(stack.isFull());
    stack.push(30);
    EXPECT_TRUE(stack.isFull());
    EXPECT_FALSE(stack.isEmpty());
    EXPECT_EQ(out.take(), "");

    stack.push(40);
    EXPECT_EQ(out.take(), fullLine);
    EXPECT_TRUE(stack.isFull());
    EXPECT_EQ(stack.peek(), 30);

    EXPECT_EQ(stack.pop(), 30);
    EXPECT_FALSE(stack.isFull());
    EXPECT_EQ(stack.pop(), 20);
    EXPECT_EQ(stack.pop(), 10);
    EXPECT_TRUE(stack.isEmpty());
    EXPECT_EQ(out.take(), "");
    EXPECT_EQ(stack.pop(), EMPTY_RESULT);
    EXPECT_EQ(out.take(), popEmptyLine);
}

TEST(StackPeek, LeavesTheStackAsItWas)
{
    CapturedOutput out;
    Stack stack(3);
    stack.push(7);
    stack.push(8);
    EXPECT_EQ(stack.peek(), 8);
    EXPECT_EQ(stack.peek(), 8);
    EXPECT_EQ(stack.pop(), 8);
    EXPECT_EQ(stack.pop(), 7);
    EXPECT_TRUE(stack.isEmpty());
    EXPECT_EQ(out.take(), "");
}

TEST(StackReuse, AcceptsAPushAfterAPopFromAFullStack)
{
    CapturedOutput out;
    Stack stack(2);
    stack.push(1);
    stack.push(2);
    EXPECT_EQ(stack.pop(), 2);
    stack.push(99);
    EXPECT_EQ(out.take(), "");
    EXPECT_TRUE(stack.isFull());
    EXPECT_EQ(stack.peek(), 99);
    stack.push(100);
    EXPECT_EQ(out.take(), fullLine);
    EXPECT_EQ(stack.pop(), 99);
    EXPECT_EQ(stack.pop(), 1);
}

TEST(StackNoRoom, ZeroOrNegativeCapacityIsEmptyAndFullForLife)
{
    for (const std::int32_t size : {0, -1, -3, std::numeric_limits<std::int32_t>::min()}) {
        SCOPED_TRACE(size);
        CapturedOutput out;
        Stack stack(size);
        EXPECT_TRUE(stack.isEmpty());
        EXPECT_TRUE(stack.isFull());
        stack.push(1);
        stack.push(2);
        EXPECT_EQ(out.take(), std::string(fullLine) + fullLine);
        EXPECT_EQ(stack.peek(), EMPTY_RESULT);
        EXPECT_EQ(stack.pop(), EMPTY_RESULT);
        EXPECT_EQ(out.take(), std::string(peekEmptyLine) + popEmptyLine);
        EXPECT_TRUE(stack.isEmpty());
        EXPECT_TRUE(stack.isFull());
    }
}

TEST(StackSentinel, StoredSentinelComesBackWithoutAMessage)
{
    CapturedOutput out;
    Stack stack(1);
    stack.push(-999);  // the same value as EMPTY_RESULT, written out as a caller would
    EXPECT_EQ(stack.peek(), EMPTY_RESULT);
    EXPECT_EQ(stack.pop(), EMPTY_RESULT);
    EXPECT_EQ(out.take(), "");
    EXPECT_TRUE(stack.isEmpty());
}

TEST(StackMessages, ReadTheSameWhateverTheCallerSetOnTheStream)
{
    CapturedOutput out;
    std::ios saved(nullptr);
    saved.copyfmt(std::cout);
    // A line the caller has not flushed goes out before the first message, not with it.
    std::cout << "caller\n" << std::setw(30) << std::setfill('*') << std::left;
    Stack stack(0);
    stack.push(1);
    EXPECT_EQ(stack.pop(), EMPTY_RESULT);
    EXPECT_EQ(stack.peek(), EMPTY_RESULT);
    EXPECT_EQ(out.take(), "caller\n" + std::string(fullLine) + popEmptyLine + peekEmptyLine);
    EXPECT_EQ(std::cout.width(), 30) << "the caller's settings are theirs to keep";
    std::cout.copyfmt(saved);
}

TEST(StackMessages, ARefusalBeforeMainStartsIsWrittenAndTheProgramGoesOn)
{
    EXPECT_EQ(earlyPop, EMPTY_RESULT);
}

// Random runs against a plain model: a vector that may hold at most `capacity` values.
TEST(StackModel, RandomOperationsMatchABoundedVector)
{
    std::mt19937 random(20261209);  // fixed, so a failure repeats
    std::uniform_int_distribution<int> pickOperation(0, 4);
    std::uniform_int_distribution<std::int32_t> pickValue(-1000, 1000);
    CapturedOutput out;

    for (std::int32_t capacity = 0; capacity <= 6; ++capacity) {
        for (int run = 0; run < 50; ++run) {
            Stack stack(capacity);
            std::vector<std::int32_t> model;
            for (int step = 0; step < 40; ++step) {
                SCOPED_TRACE("capacity " + std::to_string(capacity) + ", run " +
                             std::to_string(run) + ", step " + std::to_string(step));
                const bool empty = model.empty();
                const bool full = model.size() == static_cast<std::size_t>(capacity);
                const std::int32_t value = pickValue(random);
                std::string expected;
                switch (pickOperation(random)) {
                case 0:
                    stack.push(value);
                    if (full) {
                        expected = fullLine;
                    } else {
                        model.push_back(value);
                    }
                    break;
                case 1:
                    EXPECT_EQ(stack.pop(), empty ? EMPTY_RESULT : model.back());
                    if (empty) {
                        expected = popEmptyLine;
                    } else {
                        model.pop_back();
                    }
                    break;
                case 2:
                    EXPECT_EQ(stack.peek(), empty ? EMPTY_RESULT : model.back());
                    expected = empty ? peekEmptyLine : "";
                    break;
                case 3: EXPECT_EQ(stack.isEmpty(), empty); break;
                default: EXPECT_EQ(stack.isFull(), full); break;
                }
                ASSERT_EQ(out.take(), expected);
            }
        }
    }
}

}  // namespace
