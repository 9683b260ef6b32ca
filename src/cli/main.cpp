#include <cstdio>
int main() { std::fputs("k640-cli: not built yet\n", stderr); return 1; }
