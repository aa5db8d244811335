// The cost of Stack's operations side by side with the standard containers and a bare array.
// Each run fills the container to capacity, then peeks and pops until it is empty.
#include "Stack.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <fstream>
#include <iostream>
#include <memory>
#include <stack>
#include <vector>

namespace {

void stackFillDrain(benchmark::State& state)
{
    const auto size = static_cast<std::int32_t>(state.range(0));
    Stack stack(size);
    for (auto _ : state) {
        for (std::int32_t value = 0; value < size; ++value) {
            stack.push(value);
        }
        std::int64_t sum = 0;
        while (!stack.isEmpty()) {
            sum += stack.peek();
            sum += stack.pop();
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}

void vectorFillDrain(benchmark::State& state)
{
    const auto size = static_cast<std::int32_t>(state.range(0));
    std::vector<std::int32_t> vector;
    vector.reserve(static_cast<std::size_t>(size));
    for (auto _ : state) {
        for (std::int32_t value = 0; value < size; ++value) {
            vector.push_back(value);
        }
        std::int64_t sum = 0;
        while (!vector.empty()) {
            sum += vector.back();
            if (!vector.empty()) {
                sum += vector.back();
                vector.pop_back();
            }
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void stdStackFillDrain(benchmark::State& state)
{
    const auto size = static_cast<std::int32_t>(state.range(0));
    std::vector<std::int32_t> reserved;
    reserved.reserve(static_cast<std::size_t>(size));
    std::stack<std::int32_t, std::vector<std::int32_t>> stack(std::move(reserved));
    for (auto _ : state) {
        for (std::int32_t value = 0; value < size; ++value) {
            stack.push(value);
        }
        std::int64_t sum = 0;
        while (!stack.empty()) {
            sum += stack.top();
            if (!stack.empty()) {
                sum += stack.top();
                stack.pop();
            }
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// A refused request on the floor's array: kept out of line, as Stack keeps its messages.
[[gnu::noinline]] void refuse()
{
    benchmark::ClobberMemory();
}

// The floor: an array and an index in locals, with the same full and empty checks.
void arrayFillDrain(benchmark::State& state)
{
    const auto size = static_cast<std::int32_t>(state.range(0));
    const auto items = std::make_unique<std::int32_t[]>(static_cast<std::size_t>(size));
    std::int32_t top = -1;
    for (auto _ : state) {
        for (std::int32_t value = 0; value < size; ++value) {
            if (top == size - 1) {
                refuse();
            } else {
                items[static_cast<std::size_t>(++top)] = value;
            }
        }
        std::int64_t sum = 0;
        while (top != -1) {
            sum += items[static_cast<std::size_t>(top)];
            if (top == -1) {
                refuse();
            } else {
                sum += items[static_cast<std::size_t>(top--)];
            }
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Sends standard output to /dev/null while a refusal benchmark runs.
class DiscardedOutput {
public:
    DiscardedOutput() : saved(std::cout.rdbuf(null.rdbuf())) {}
    DiscardedOutput(const DiscardedOutput&) = delete;
    DiscardedOutput& operator=(const DiscardedOutput&) = delete;
    DiscardedOutput(DiscardedOutput&&) = delete;
    DiscardedOutput& operator=(DiscardedOutput&&) = delete;
    ~DiscardedOutput() { std::cout.rdbuf(saved); }

private:
    std::ofstream null{"/dev/null"};
    std::streambuf* saved;
};

void stackRefusedPush(benchmark::State& state)
{
    const DiscardedOutput discarded;
    Stack stack(0);
    for (auto _ : state) {
        stack.push(1);
    }
    state.SetItemsProcessed(state.iterations());
}

void stackRefusedPop(benchmark::State& state)
{
    const DiscardedOutput discarded;
    Stack stack(0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(stack.pop());
    }
    state.SetItemsProcessed(state.iterations());
}

constexpr std::int64_t smallest = 3;
constexpr std::int64_t middle = 1024;
constexpr std::int64_t largest = 1 << 20;

}  // namespace

BENCHMARK(stackFillDrain)->Arg(smallest)->Arg(middle)->Arg(largest)->Complexity(benchmark::oN);
BENCHMARK(vectorFillDrain)->Arg(smallest)->Arg(middle)->Arg(largest);
BENCHMARK(stdStackFillDrain)->Arg(smallest)->Arg(middle)->Arg(largest);
BENCHMARK(arrayFillDrain)->Arg(smallest)->Arg(middle)->Arg(largest);
BENCHMARK(stackRefusedPush);
BENCHMARK(stackRefusedPop);

BENCHMARK_MAIN();
