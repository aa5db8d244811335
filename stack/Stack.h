#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>

// What pop and peek return on an empty stack. It is an ordinary value, so a -999 that was
// pushed comes back the same way: ask isEmpty first to tell the two apart.
inline constexpr std::int32_t EMPTY_RESULT = -999;

// A stack of 32-bit whole numbers: the last value pushed is the first one popped (last in,
// first out), with room for a fixed number of them, set when it is made. When it has to say no
// (a push onto a full stack, a pop or peek on an empty one), it prints a message line itself,
// and pop and peek give back EMPTY_RESULT.
//
// The values live in one array, bottom first: items[0] was pushed first, items[top] last.
// `top` alone says how full the stack is: -1 when it is empty, capacity - 1 when it is full.
// (For programs that use it: BUILDING.md, "Notes for callers".)
class Stack {
public:
    // Gets the array for `size` values once, here; it never grows or shrinks. A negative size
    // is taken as 0. The values are not set to anything, since a push writes each cell before
    // anything reads it, so making a stack costs only what getting the memory costs (more
    // for a very large stack). If the memory cannot be had, this throws std::bad_alloc (or a
    // kind of it): that is what to catch. `explicit`: a number never turns into a stack by
    // accident, as `Stack stack = 3;` would.
    explicit Stack(std::int32_t size)
        : capacity(std::max<std::int32_t>(size, 0)),
          items(new std::int32_t[static_cast<std::size_t>(capacity)])
    {
    }

    // A stack cannot be copied: it owns its array, and a copy would need an array of its own.
    // Nor can it be moved, that is, hand its array over to another stack: it would be left
    // without one. To let a function use a stack, pass it by reference: `void fill(Stack& s)`.
    Stack(const Stack&) = delete;
    Stack& operator=(const Stack&) = delete;
    Stack(Stack&&) = delete;
    Stack& operator=(Stack&&) = delete;
    ~Stack() = default;  // `items` frees the array

    // The messages keep their exact text, "Data..." and the blank at the end of peek's
    // included: programs and people compare them byte for byte.
    void push(std::int32_t value)
    {
        if (isFull()) {
            writeLine("Stack is full...! Cannot insert any more Data...\n");
            return;
        }
        ++top;
        items[index(top)] = value;
    }

    std::int32_t pop()
    {
        if (isEmpty()) {
            writeLine("The Stack is Empty..!\n");
            return EMPTY_RESULT;
        }
        // Only `top` moves down; the value stays in the array, out of reach, until a push
        // writes over it.
        const std::int32_t value = items[index(top)];
        --top;
        return value;
    }

    // A peek is of no use without its result, so the compiler warns when it is ignored.
    // Popping only to remove the top value is common, so pop has no such mark.
    [[nodiscard]] std::int32_t peek() const
    {
        if (isEmpty()) {
            writeLine("The Stack is Empty..! \n");
            return EMPTY_RESULT;
        }
        return items[index(top)];
    }

    [[nodiscard]] bool isFull() const noexcept { return top == capacity - 1; }
    [[nodiscard]] bool isEmpty() const noexcept { return top == -1; }

private:
    // Prints one message line and flushes it, so that it shows at once, even in a pipe.
    static void writeLine(const char* line);

    // `top` is signed so that it can be -1, but the strict warnings refuse a signed array
    // index: this turns a position of 0 or more into an unsigned one, keeping its value.
    static std::size_t index(std::int32_t position) noexcept
    {
        return static_cast<std::uint32_t>(position);
    }

    std::int32_t capacity;                  // how many values fit; never changes
    std::unique_ptr<std::int32_t[]> items;  // the array; freed when the stack goes away
    std::int32_t top = -1;                  // position of the top value; -1 when empty
};
