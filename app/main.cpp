#include <cstdio>

int main()
{
    std::puts("The window is not built yet; the conversions and commands are, see the tests.");
    return 0;
}
