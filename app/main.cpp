#include <cstdio>
#include <sodium.h>

int main()
{
    if (sodium_init() < 0)
        return 1;
    std::puts("Talvarin: okno programu jeszcze nie istnieje, na razie dziala tylko rdzen ksiegi.");
    return 0;
}
