// hold_file <path> <event name>: keeps the file open, sharing only reading, as a virus scanner or
// a sync client does with a file that was just written, until the test sets the named event.

#include <windows.h>

int wmain(int argc, wchar_t** argv)
{
  if (argc != 3)
    return 2;
  HANDLE release = OpenEventW(SYNCHRONIZE, FALSE, argv[2]);
  if (!release)
    return 3;
  HANDLE file = CreateFileW(argv[1], GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return 1;
  WaitForSingleObject(release, INFINITE);
  CloseHandle(file);
  CloseHandle(release);
  return 0;
}
