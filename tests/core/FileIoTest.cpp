#include "base/FileIo.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace corvane
{
namespace
{

// Only the targets may remain: no temporary file survives a write, failed or not.
std::vector<std::string> FileNames(const test::TempDir& temp)
{
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(temp.Path()))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(ReadFileBytes, WholeFileWhateverItsSize)
{
  test::TempDir temp;
  for (size_t size : {size_t{0}, size_t{1}, size_t{65536}, size_t{65537}, size_t{3} << 20})
  {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i)
      bytes[i] = static_cast<char>(i * 131);
    temp.Write("f.bin", bytes);
    EXPECT_EQ(ReadFileBytes(temp.Dir().File("f.bin")), bytes) << size;
  }
  EXPECT_EQ(ReadFileBytes(temp.Dir().File("missing")), std::nullopt);
  EXPECT_EQ(ReadFileBytes(temp.Path()), std::nullopt) << "a directory is no file";
}

TEST(WriteFilesAtomic, ReplacesEachTargetAndReportsTheOnesItCannot)
{
  test::TempDir temp;
  temp.Write("a.ini", "old a");
  temp.Write("blocked/inside", "a directory stands where b.ini would go");
  std::filesystem::rename(temp.Dir().File("blocked"), temp.Dir().File("b.ini"));
  const std::vector<FileWrite> writes = {
      {temp.Dir().File("a.ini"), "first"},
      {temp.Dir().File("b.ini"), "never"},
      {temp.Dir().File("c.ini"), "new c"},
      {temp.Dir().File("a.ini"), "last"},
  };
  EXPECT_EQ(WriteFilesAtomic(writes), std::vector<std::string>{temp.Dir().File("b.ini")});
  EXPECT_EQ(temp.Read("a.ini"), "last");
  EXPECT_EQ(temp.Read("c.ini"), "new c");
  EXPECT_EQ(FileNames(temp), (std::vector<std::string>{"a.ini", "b.ini", "c.ini"}));
}

TEST(WriteFilesAtomic, MissingFolderFailsWithoutCreatingIt)
{
  test::TempDir temp;
  const std::string target = temp.Dir().File("nowhere/x.ini");
  EXPECT_EQ(WriteFilesAtomic({{target, "x"}}), std::vector<std::string>{target});
  EXPECT_FALSE(temp.Exists("nowhere"));
  EXPECT_TRUE(WriteFilesAtomic({}).empty());
}

} // namespace
} // namespace corvane
