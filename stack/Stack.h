#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>

// What pop and peek return on an empty stack. It shares the channel with the data: a stored
// -999 comes back the same way, so ask isEmpty first to tell the two apart.
inline constexpr std::int32_t EMPTY_RESULT = -999;

// A last-in, first-out store of 32-bit integers whose capacity is fixed at construction.
// Refusals are reported, never thrown: a push onto a full stack, or a pop or peek on an empty
// one, writes a message line to standard output, and pop and peek then return EMPTY_RESULT.
class Stack {
public:
    // Obtains storage for `size` elements once; a negative size is taken as 0.
    // Inline, so callers see that the elements never overlap `top` and keep it in a register.
    explicit Stack(std::int32_t size)
        : capacity(std::max<std::int32_t>(size, 0)),
          items(std::make_unique<std::int32_t[]>(index(capacity)))
    {
    }

    // The storage is owned by one stack only.
    Stack(const Stack&) = delete;
    Stack& operator=(const Stack&) = delete;
    Stack(Stack&&) = delete;
    Stack& operator=(Stack&&) = delete;
    ~Stack() = default;

    // The accepted paths stay inline so that they cost no more than a bare array would.
    void push(std::int32_t value)
    {
        if (isFull()) {
            writeLine("Stack is full...! Cannot insert any more Data...");
            return;
        }
        ++top;
        // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDelete): isFull is true at capacity 0
        items[index(top)] = value;
    }

    std::int32_t pop()
    {
        if (isEmpty()) {
            writeLine("The Stack is Empty..!");
            return EMPTY_RESULT;
        }
        const std::int32_t value = items[index(top)];
        --top;
        return value;
    }

    [[nodiscard]] std::int32_t peek() const
    {
        if (isEmpty()) {
            writeLine("The Stack is Empty..! ");
            return EMPTY_RESULT;
        }
        return items[index(top)];
    }

    [[nodiscard]] bool isFull() const noexcept { return top == capacity - 1; }
    [[nodiscard]] bool isEmpty() const noexcept { return top == -1; }

private:
    // Writes one message as a whole line and flushes it, so that it reaches the console in
    // order with the caller's own lines. Kept out of line: it is the rare path.
    static void writeLine(const char* text);

    // Every position given here is at least 0, so widening through std::uint32_t keeps its
    // value, and on 64-bit targets it costs nothing where sign extension costs an instruction.
    static std::size_t index(std::int32_t position) noexcept
    {
        return static_cast<std::uint32_t>(position);
    }

    std::int32_t capacity;
    std::unique_ptr<std::int32_t[]> items;
    std::int32_t top = -1;  // index of the topmost element; -1 when empty
};
