// The smallest C++ program that prints one line: what a start of the command-line program is
// measured against.
#include <cstdio>

int main()
{
    std::puts("one line");
    return 0;
}
