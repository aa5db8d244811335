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
// Every operation takes the same short time however many elements the stack holds.
//
// The elements live in one array, bottom first: items[0] was pushed first, items[top] last.
// `top` alone says how full the stack is: -1 when it is empty, capacity - 1 when it is full.
class Stack {
public:
    // Obtains the array for `size` elements once, here; it never grows or shrinks. A negative
    // size is taken as 0. Fields are set in the order they are declared, so `capacity` is set
    // before `items` is sized from it. The elements are left unset, since a push writes each
    // slot before anything reads it: a large stack costs no more to make than a small one.
    //
    // If the memory cannot be had, the constructor throws what `new` throws: std::bad_alloc,
    // or std::bad_array_new_length where `size` elements are more than the machine can
    // address (a large stack on a 32-bit system).
    explicit Stack(std::int32_t size)
        : capacity(std::max<std::int32_t>(size, 0)),
          items(new std::int32_t[static_cast<std::size_t>(capacity)])
    {
    }

    // Copying and moving are turned off, as nothing here needs them: a stack owns its array
    // alone, so a copy would have to get an array of its own, and a stack moved from would be
    // left without one.
    Stack(const Stack&) = delete;
    Stack& operator=(const Stack&) = delete;
    Stack(Stack&&) = delete;
    Stack& operator=(Stack&&) = delete;
    ~Stack() = default;  // `items` frees the array

    // push, pop and peek are defined here, in the header, so that the compiler can inline them
    // where they are called: each is a comparison and one array access.
    //
    // The three messages keep their exact text, "Data..." and the blank at the end of peek's
    // included: programs and people compare them byte for byte.
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

    // [[nodiscard]]: the compiler warns when the result is ignored, as a peek is of no use
    // without it. pop has no such mark: popping only to remove the top value is common.
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
    // Writes one message as a whole line and flushes it, so that it shows at once, even in a
    // pipe. Defined in Stack.cpp: it is the rare path, and it keeps <iostream> out of this
    // header.
    static void writeLine(const char* text);

    // Turns a position into an array index. Positions are signed so that `top` can be -1,
    // while `items[i]` takes an unsigned std::size_t. Only positions of 0 or more come here,
    // so converting them through std::uint32_t, the unsigned type of the same width, keeps
    // their value.
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
