#define DOCTEST_CONFIG_IMPLEMENT
#include <doctest/doctest.h>

#include <clocale>

// Number text must read and write the same whatever the user's locale, so
// every check runs in the "C" locale.
int main(int argc, char** argv)
{
    std::setlocale(LC_ALL, "C");
    doctest::Context context(argc, argv);
    return context.run();
}
