// Keeps a Wine session alive: Wine ends its services shortly after the last
// ordinary process of the prefix has gone, so the tests run one of these.
#include <windows.h>

int main()
{
    for (;;)
        ::Sleep(60000);
}
