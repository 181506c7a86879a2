#include <cstdio>

int main() {
    std::puts("hotlist: the text core is built; the window arrives with the desktop layer.");
    return 0;
}
