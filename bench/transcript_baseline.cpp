// The least an iostream program can do to write stack_demo's transcript: the same lines with
// the same flushes, and one number read. Its instruction count is the yardstick for
// stack_demo's own, counted with valgrind --tool=callgrind.
#include <cstdint>
#include <iostream>

int main()
{
    std::cout << "created" << std::endl;
    std::cout << "Pushed 1" << std::endl;
    std::cout << "Pushed 2" << std::endl;
    std::cout << "Pushed 3" << std::endl;
    std::cout << "Stack is full...! Cannot insert any more Data..." << std::endl;
    std::cout << "Poped " << 3 << std::endl;
    std::cout << "Peeked " << 2 << std::endl;
    std::cout << "Poped " << 2 << std::endl;
    std::cout << "Peeked " << 1 << std::endl;
    std::cout << "Poped " << 1 << std::endl;
    std::cout << "The Stack is Empty..!" << std::endl;
    std::cout << "Enter a number to Exit : " << std::flush;
    std::int32_t answer = 0;
    std::cin >> answer;
    std::cout << "Deleted" << std::endl;
    return 0;
}
