#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>

// What pop and peek return on an empty stack. It is an ordinary value, so a -999 that was
// pushed comes back the same way: ask isEmpty first to tell the two apart.
inline constexpr std::int32_t EMPTY_RESULT = -999;

// A last-in, first-out store of 32-bit integers whose capacity is fixed at construction.
// Refusals are reported, never thrown: a push onto a full stack, or a pop or peek on an empty
// one, writes a message line to standard output, and pop and peek then return EMPTY_RESULT.
//
// The elements live in one array, bottom first: items[0] was pushed first, items[top] last.
// `top` alone says how full the stack is: -1 when it is empty, capacity - 1 when it is full.
class Stack {
public:
    // Obtains the storage for `size` elements once, here; it never grows or shrinks. A
    // negative size is taken as 0. Fields are set in the order they are declared, so
    // `capacity` is ready when `items` is sized from it. The elements are left unset, as no
    // slot is read before a push writes it: a large stack costs no more to make than a small
    // one, and its memory is only used as it fills.
    //
    // If the memory cannot be had, the constructor throws what `new` throws: std::bad_alloc,
    // or std::bad_array_new_length where `size` elements are more than the machine can
    // address (a large stack on a 32-bit system). Refusals of push, pop and peek never throw.
    explicit Stack(std::int32_t size)
        : capacity(std::max<std::int32_t>(size, 0)), items(new std::int32_t[index(capacity)])
    {
    }

    // A stack owns its storage alone. A copy would need an array of its own, which nothing
    // here asks for, and a stack moved from would be left with no array to push into.
    Stack(const Stack&) = delete;
    Stack& operator=(const Stack&) = delete;
    Stack(Stack&&) = delete;
    Stack& operator=(Stack&&) = delete;
    ~Stack() = default;  // `items` frees the array

    // push, pop and peek are defined here, in the header, so that the compiler can inline them
    // where they are called: each is a comparison and one array access.
    void push(std::int32_t value)
    {
        if (isFull()) {
            writeLine("Stack is full...! Cannot insert any more Data...");
            return;
        }
        ++top;
        items[index(top)] = value;
    }

    std::int32_t pop()
    {
        if (isEmpty()) {
            writeLine("The Stack is Empty..!");
            return EMPTY_RESULT;
        }
        // Only `top` moves down; the value stays in the array, out of reach, until a push
        // writes over it.
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
    // order with the caller's own lines. Defined in Stack.cpp: it is the rare path, and it
    // keeps <iostream> out of this header.
    static void writeLine(const char* text);

    // Turns a position into an array index. `items[i]` takes a std::size_t, which is unsigned,
    // while positions are signed so that `top` can be -1. Every position given here is 0 or
    // more, so converting it through std::uint32_t, the unsigned type of the same width, keeps
    // its value (bench/README.md tells why this is the cheapest way).
    static std::size_t index(std::int32_t position) noexcept
    {
        return static_cast<std::uint32_t>(position);
    }

    std::int32_t capacity;  // how many elements fit; never changes
    // The array, held by a std::unique_ptr: obtained once by the constructor and freed by the
    // destructor whatever the stack still holds, so it is never leaked or freed twice.
    std::unique_ptr<std::int32_t[]> items;
    std::int32_t top = -1;  // index of the topmost element; -1 when empty
};
