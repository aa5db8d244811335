#!/usr/bin/env python3
"""Plants one small fault at a time in stack/ and app/ and checks that the tests notice.

Usage: tools/mutate.py [--asan]

Each fault below changes one token or drops one statement. The tree is copied to a scratch
directory, so the checkout is never touched. A fault is killed when the build or a test
fails. Some faults change nothing a caller or user can observe; each of those carries the
reason, and its survival is expected. Any other survivor is news: it is listed at the end and
the script exits with status 1. With --asan, survivors of the g++ tests are tried again under
the sanitizers. Not part of the build: run it by hand after changing the code or the tests.
"""
import pathlib
import shutil
import subprocess
import sys
import tempfile

# Why a fault cannot be observed, for the faults whose survival is expected.
NEVER_BELOW = "top never goes below -1, so the comparison gives the same answer"

# (file, text to find, replacement, which occurrence of the text[, why it cannot be observed])
FAULTS = [
    ("stack/Stack.h", "if (isFull())", "if (!isFull())", 0),
    ("stack/Stack.h", "++top;", "", 0),
    ("stack/Stack.h", "++top;", "top += 2;", 0),
    ("stack/Stack.h", "items[index(top)] = value;", "", 0),
    ("stack/Stack.h", "if (isEmpty())", "if (!isEmpty())", 0),
    ("stack/Stack.h", "if (isEmpty())", "if (!isEmpty())", 1),
    ("stack/Stack.h", "return EMPTY_RESULT;", "return EMPTY_RESULT + 1;", 0),
    ("stack/Stack.h", "return EMPTY_RESULT;", "return EMPTY_RESULT + 1;", 1),
    ("stack/Stack.h", "return EMPTY_RESULT;", "return 0;", 0),
    ("stack/Stack.h", "--top;", "", 0),
    ("stack/Stack.h", "--top;", "++top;", 0),
    ("stack/Stack.h", "items[index(top)];\n        --top;", "items[index(top - 1)];\n        --top;", 0),
    ("stack/Stack.h", "return items[index(top)];", "return items[index(top - 1)];", 0),
    ("stack/Stack.h", "top == capacity - 1", "top == capacity", 0),
    ("stack/Stack.h", "top == capacity - 1", "top >= capacity - 2", 0),
    ("stack/Stack.h", "top == capacity - 1", "top != capacity - 1", 0),
    ("stack/Stack.h", "top == -1;", "top == 0;", 0),
    ("stack/Stack.h", "top == -1;", "top <= -1;", 0, NEVER_BELOW),
    ("stack/Stack.h", "top == -1;", "top < 0;", 0, NEVER_BELOW),
    ("stack/Stack.h", "std::int32_t top = -1;", "std::int32_t top = 0;", 0),
    ("stack/Stack.h", "EMPTY_RESULT = -999;", "EMPTY_RESULT = -998;", 0),
    ("stack/Stack.h", '"Stack is full...! Cannot', '"Stack is full..! Cannot', 0),
    ("stack/Stack.h", 'more Data...\\n"', 'more Data..\\n"', 0),
    ("stack/Stack.h", '"The Stack is Empty..!\\n"', '"The Stack is Empty...\\n"', 0),
    ("stack/Stack.h", '"The Stack is Empty..! \\n"', '"The Stack is Empty..!\\n"', 0),
    ("stack/Stack.h", '"The Stack is Empty..!\\n"', '"The Stack is Empty..!"', 0),
    ("stack/Stack.h", "writeLine(\"Stack is full", "if (false) writeLine(\"Stack is full", 0),
    ("stack/Stack.h", "            return;\n", "", 0),
    ("stack/Stack.h", "std::max<std::int32_t>(size, 0)", "std::max<std::int32_t>(size, 1)", 0),
    ("stack/Stack.h", "std::max<std::int32_t>(size, 0)", "std::max<std::int32_t>(size, -1)", 0),
    ("stack/Stack.h", "std::max<std::int32_t>(size, 0)", "size", 0),
    ("stack/Stack.h", "std::size_t>(capacity)", "std::size_t>(capacity - 1)", 0),
    ("stack/Stack.h", "std::size_t>(capacity)", "std::size_t>(capacity + 1)", 0,
     "the extra element is never read or written"),
    ("stack/Stack.cpp", "    std::cout.flush();\n", "", 0),
    ("stack/Stack.cpp", "std::strlen(line))).flush();", "std::strlen(line)));", 0),
    ("stack/Stack.cpp", "std::cout.write(", "std::cerr.write(", 0),
    ("stack/Stack.cpp", "std::cout.write(line, static_cast<std::streamsize>(std::strlen(line))).flush();",
     "std::cout << line << std::flush;", 0),
    ("stack/Stack.cpp", "std::strlen(line))).flush();", "std::strlen(line) - 1)) << std::endl;", 0),
    ("stack/Stack.cpp", "[[maybe_unused]] const std::ios_base::Init streamsReady;", "", 0),
    ("app/main.cpp", "Stack stack(3);", "Stack stack(4);", 0),
    ("app/main.cpp", "Stack stack(3);", "Stack stack(2);", 0),
    ("app/main.cpp", '"created"', '"Created"', 0),
    ("app/main.cpp", "stack.push(1);", "stack.push(0);", 0),
    ("app/main.cpp", "stack.push(3);", "", 0),
    ("app/main.cpp", "stack.push(4);", "", 0),
    ("app/main.cpp", "stack.push(4);", "stack.push(5);", 0,
     "the stack is full: the value is dropped, whatever it is"),
    ("app/main.cpp", '"Pushed 2"', '"Pushed 3"', 0),
    ("app/main.cpp", 'report("Peeked ", stack.peek());', "", 1),
    ("app/main.cpp", 'report("Poped ", stack.pop());', "", 3),
    ("app/main.cpp", 'report("Poped ", stack.pop());', 'report("Popped ", stack.pop());', 0),
    ("app/main.cpp", 'report("Poped ", stack.pop());', 'report("Poped", stack.pop());', 3,
     "the last pop finds the stack empty, so its line is never written"),
    ("app/main.cpp", "result != EMPTY_RESULT", "result == EMPTY_RESULT", 0),
    ("app/main.cpp", "std::cout << label << result << std::endl;", "std::cout << label << result << '\\n';", 0),
    ("app/main.cpp", '"Enter a number to Exit : "', '"Enter a number to Exit: "', 0),
    ("app/main.cpp", '"Enter a number to Exit : " << std::flush', '"Enter a number to Exit : "', 0,
     "std::cin is tied to std::cout: the read flushes the prompt anyway"),
    ("app/main.cpp", "std::int32_t answer = 0;", "std::int32_t answer = 1;", 0,
     "the answer is never read"),
    ("app/main.cpp", "std::cin >> answer;", "", 0),
    ("app/main.cpp", "std::cin >> answer;", "std::cin >> answer >> answer;", 0),
    ("app/main.cpp", "std::cin >> answer;",
     "std::string line; std::getline(std::cin, line); static_cast<void>(answer);", 0),
    ("app/main.cpp", '<< "Deleted"', '<< "Delete"', 0),
    ("app/main.cpp", 'std::cout << "Deleted" << std::endl;', 'std::cout << "Deleted" << \'\\n\';', 0),
    ("app/main.cpp", "if (!std::cout)", "if (std::cout)", 0),
    ("app/main.cpp", "could not write", "could not wrte", 0),
    ("app/main.cpp", "return EXIT_FAILURE;", "return EXIT_SUCCESS;", 0),
    ("app/main.cpp", "    return EXIT_SUCCESS;\n}", "    return EXIT_FAILURE;\n}", 0),
]


def run(command, cwd):
    return subprocess.run(command, cwd=cwd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                          stdin=subprocess.DEVNULL).returncode == 0


def replace_nth(text, old, new, nth):
    position = -1
    for _ in range(nth + 1):
        position = text.find(old, position + 1)
        if position < 0:
            return None
    return text[:position] + new + text[position + len(old):]


def passes(tree, preset):
    return (run(["cmake", "--build", "--preset", preset], tree) and
            run(["ctest", "--preset", preset, "--stop-on-failure", "--timeout", "60"], tree))


def main():
    presets = ["dev", "asan"] if "--asan" in sys.argv[1:] else ["dev"]
    source = pathlib.Path(__file__).resolve().parent.parent
    with tempfile.TemporaryDirectory() as scratch:
        tree = pathlib.Path(scratch) / "tree"
        shutil.copytree(source, tree, ignore=shutil.ignore_patterns("build", ".git"))
        for preset in presets:
            if not (run(["cmake", "--preset", preset], tree) and passes(tree, preset)):
                sys.exit(f"the unchanged tree does not pass under {preset}")

        unexpected = []
        for path, old, new, nth, *equivalent in FAULTS:
            original = (tree / path).read_text()
            mutated = replace_nth(original, old, new, nth)
            if mutated is None:
                sys.exit(f"{path}: {old!r} (occurrence {nth}) is not in the code any more")
            label = f"{path}: {old!r} -> {new!r}" + (f" (occurrence {nth})" if nth else "")
            (tree / path).write_text(mutated)
            killed_by = next((p for p in presets if not passes(tree, p)), None)
            (tree / path).write_text(original)
            if killed_by:
                verdict = "killed by " + killed_by
            elif equivalent:
                verdict = "survived, as expected: " + equivalent[0]
            else:
                verdict = "SURVIVED"
                unexpected.append(label)
            print(f"{label}\n    {verdict}", flush=True)

        expected = sum(1 for fault in FAULTS if len(fault) > 4)
        print(f"\n{len(FAULTS)} faults, {expected} of them expected to survive: "
              f"{len(unexpected)} unexpected survivors")
        for label in unexpected:
            print("survived: " + label)
        sys.exit(1 if unexpected else 0)


if __name__ == "__main__":
    main()
