// The cost of making a Stack and of its operations, side by side with the standard containers
// and a bare array.
#include "Stack.h"

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <memory>
#include <stack>
#include <vector>

namespace {

// A refused request on the containers below: out of line, as Stack keeps its messages, and
// answered with the sentinel, as Stack answers a pop or peek on an empty stack.
[[gnu::noinline]] std::int32_t refuse()
{
    benchmark::ClobberMemory();
    return EMPTY_RESULT;
}

// std::vector with its capacity reserved once, checked for emptiness before each back(); a
// push relies on the vector's own capacity check.
class ReservedVector {
public:
    explicit ReservedVector(std::int32_t size) { items.reserve(static_cast<std::size_t>(size)); }
    void push(std::int32_t value) { items.push_back(value); }
    [[nodiscard]] std::int32_t peek() const { return items.empty() ? refuse() : items.back(); }
    std::int32_t pop()
    {
        if (items.empty()) {
            return refuse();
        }
        const std::int32_t value = items.back();
        items.pop_back();
        return value;
    }
    [[nodiscard]] bool isEmpty() const { return items.empty(); }

private:
    std::vector<std::int32_t> items;
};

// std::stack over a vector whose capacity is reserved once, with the same checks.
class ReservedStdStack {
public:
    explicit ReservedStdStack(std::int32_t size) : items(reserved(size)) {}
    void push(std::int32_t value) { items.push(value); }
    [[nodiscard]] std::int32_t peek() const { return items.empty() ? refuse() : items.top(); }
    std::int32_t pop()
    {
        if (items.empty()) {
            return refuse();
        }
        const std::int32_t value = items.top();
        items.pop();
        return value;
    }
    [[nodiscard]] bool isEmpty() const { return items.empty(); }

private:
    static std::vector<std::int32_t> reserved(std::int32_t size)
    {
        std::vector<std::int32_t> storage;
        storage.reserve(static_cast<std::size_t>(size));
        return storage;
    }

    std::stack<std::int32_t, std::vector<std::int32_t>> items;
};

// The floor: an array and an index making the same full and empty checks, and nothing else.
// BareArray's array comes from a plain new[], which leaves the elements unset, as Stack's does,
// so it is the floor for making a container too. ZeroedArray's comes from make_unique, which
// sets every element to 0, as Stack's did: what writing every element costs when one is made.
template <bool zeroed> class Array {
public:
    explicit Array(std::int32_t size)
        : capacity(size),
          items(zeroed ? std::make_unique<std::int32_t[]>(index(size))
                       : std::unique_ptr<std::int32_t[]>(new std::int32_t[index(size)]))
    {
    }
    void push(std::int32_t value)
    {
        if (top == capacity - 1) {
            refuse();
            return;
        }
        items[index(++top)] = value;
    }
    [[nodiscard]] std::int32_t peek() const { return top == -1 ? refuse() : items[index(top)]; }
    std::int32_t pop()
    {
        if (top == -1) {
            return refuse();
        }
        return items[index(top--)];
    }
    [[nodiscard]] bool isEmpty() const { return top == -1; }

private:
    static std::size_t index(std::int32_t position) { return static_cast<std::size_t>(position); }

    std::int32_t capacity;
    std::unique_ptr<std::int32_t[]> items;
    std::int32_t top = -1;
};
using BareArray = Array<false>;
using ZeroedArray = Array<true>;

// Fills the container to capacity, then peeks and pops until it is empty.
template <class Container> void fillDrain(benchmark::State& state)
{
    const auto size = static_cast<std::int32_t>(state.range(0));
    Container stack(size);
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

// Makes a container of the given capacity, pushes one value and pops it, and destroys it.
template <class Container> void construct(benchmark::State& state)
{
    const auto size = static_cast<std::int32_t>(state.range(0));
    for (auto _ : state) {
        Container stack(size);
        benchmark::DoNotOptimize(&stack);  // else clang++ leaves out the allocation altogether
        stack.push(1);
        benchmark::DoNotOptimize(stack.pop());
    }
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
    Stack stack(3);  // full, as in stack_demo
    stack.push(1);
    stack.push(2);
    stack.push(3);
    for (auto _ : state) {
        stack.push(4);
    }
    state.SetItemsProcessed(state.iterations());
}

void stackRefusedPop(benchmark::State& state)
{
    const DiscardedOutput discarded;
    Stack stack(3);
    for (auto _ : state) {
        benchmark::DoNotOptimize(stack.pop());
    }
    state.SetItemsProcessed(state.iterations());
}

constexpr std::int64_t smallest = 3;
constexpr std::int64_t middle = 1024;
constexpr std::int64_t largest = 1 << 20;
constexpr std::int64_t huge = 100'000'000;  // 400 MB of elements

// The sizes run side by side: each container's fit against N gives its cost per element.
void sizes(benchmark::internal::Benchmark* benchmark)
{
    benchmark->Arg(smallest)->Arg(middle)->Arg(largest)->Complexity(benchmark::oN);
}

// The capacities made side by side.
void capacities(benchmark::internal::Benchmark* benchmark)
{
    benchmark->Arg(smallest)->Arg(middle)->Arg(largest)->Arg(huge);
}

}  // namespace

BENCHMARK_TEMPLATE(fillDrain, Stack)->Apply(sizes);
BENCHMARK_TEMPLATE(fillDrain, ReservedVector)->Apply(sizes);
BENCHMARK_TEMPLATE(fillDrain, ReservedStdStack)->Apply(sizes);
BENCHMARK_TEMPLATE(fillDrain, BareArray)->Apply(sizes);
BENCHMARK_TEMPLATE(construct, Stack)->Apply(capacities);
BENCHMARK_TEMPLATE(construct, BareArray)->Apply(capacities);
BENCHMARK_TEMPLATE(construct, ReservedVector)->Apply(capacities);
BENCHMARK_TEMPLATE(construct, ZeroedArray)->Apply(capacities);
BENCHMARK(stackRefusedPush);
BENCHMARK(stackRefusedPop);

BENCHMARK_MAIN();
