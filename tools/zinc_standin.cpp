// Placeholder stand-in emulator; the real one prints the three listings.
#include <cstdio>
#include <cstring>
int main(int argc, char** argv)
{
  if (argc > 1 && std::strcmp(argv[1], "--list-games") == 0)
    std::printf("Zinc stand-in\r\n  1Test Game [test]\r\n");
  return 0;
}
