// hold_file <path> <milliseconds>: keeps the file open for that long, sharing only reading, as a
// virus scanner or a sync client does with a file that was just written.

#include <cwchar>
#include <windows.h>

int wmain(int argc, wchar_t** argv)
{
  if (argc != 3)
    return 2;
  HANDLE file = CreateFileW(argv[1], GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return 1;
  Sleep(static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10)));
  CloseHandle(file);
  return 0;
}
