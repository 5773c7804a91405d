#include "base/Process.h"
#include "TempDir.h"
#include "base/Messages.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace corvane
{
namespace
{

TEST(StartFailureReason, SaysWhyInWords)
{
  const std::pair<StartResult, std::string_view> cases[] = {
      {{StartFailure::None, "/emu/zinc.exe", 0}, ""},
      {{StartFailure::FileMissing, "/emu/zinc.exe", 0}, Messages::START_FILE_MISSING},
      {{StartFailure::NotExecutable, "/emu/zinc.exe", 0}, Messages::START_NOT_EXECUTABLE},
      {{StartFailure::NotAProgram, "/emu/zinc.exe", 0}, Messages::START_NOT_A_PROGRAM},
  };
  for (const auto& [result, text] : cases)
    EXPECT_EQ(StartFailureReason(result), text);
  // Any other refusal is told in the system's words.
  const std::string other = StartFailureReason({StartFailure::Other, "/emu/zinc.exe", EIO});
  EXPECT_EQ(other, std::string(Messages::START_REFUSED) + " (" +
                       std::system_category().message(EIO) + ")");
}

#ifndef _WIN32

// What stands in the emulator's place, and what the system says when it is started.
struct StartCase
{
  const char* name;
  const char* bytes; // nullptr: no file; "<dir>": a folder
  bool executable;
  StartFailure failure;
};

class StartProgramCase : public testing::TestWithParam<StartCase>
{
};

TEST_P(StartProgramCase, SaysWhyTheProgramDidNotStart)
{
  const StartCase& c = GetParam();
  test::TempDir temp;
  const std::string program = temp.Dir().File("zinc.exe");
  if (c.bytes && std::string(c.bytes) == "<dir>")
    std::filesystem::create_directory(program);
  else if (c.bytes)
    temp.Write("zinc.exe", c.bytes);
  if (c.executable)
    std::filesystem::permissions(program, std::filesystem::perms::owner_exec,
                                 std::filesystem::perm_options::add);
  const StartResult result = StartProgram("zinc.exe 12 --x", temp.Path());
  EXPECT_EQ(result.failure, c.failure);
  EXPECT_EQ(result.program, result.Started() ? std::string() : program);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartProgramCase,
    testing::Values(StartCase{"starts", "#!/bin/sh\nexit 0\n", true, StartFailure::None},
                    StartCase{"missing", nullptr, false, StartFailure::FileMissing},
                    StartCase{"not_executable", "#!/bin/sh\n", false, StartFailure::NotExecutable},
                    StartCase{"not_a_program", "plain text, no interpreter line\n", true,
                              StartFailure::NotAProgram},
                    StartCase{"folder", "<dir>", false, StartFailure::NotAProgram}),
    [](const auto& info) { return std::string(info.param.name); });

#endif

} // namespace
} // namespace corvane
