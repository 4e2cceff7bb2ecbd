// Test helper: stands in for a running copy of the application. Started
// under the application's file name, it waits until it is terminated (or
// for two minutes at most).
#include <windows.h>

int main()
{
    Sleep(120000);
    return 0;
}
