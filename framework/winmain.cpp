#include "cwinapp.h"

// Kept out of the framework library: the linker only takes WinMain from an
// object it was given directly.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return AfxWinMain(); }
