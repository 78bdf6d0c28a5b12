#include <cstdio>

int main() {
    std::puts("kelvane-sim: not built yet");
    return 0;
}
