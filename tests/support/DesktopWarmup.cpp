// Brings up the test bed's desktop process before any test runs, so that it
// does not start inside a test and hold that test's output open.
#include <windows.h>

int main() {
    return GetDesktopWindow() != nullptr ? 0 : 1;
}
