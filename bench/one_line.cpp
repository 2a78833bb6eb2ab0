// The C++ program that prints one line, with the C++ library's own output: what a start of the
// command-line program is measured against.
#include <iostream>

int main()
{
    std::cout << "one line\n";
    return 0;
}
