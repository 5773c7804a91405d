#include "base/FileIo.h"
#include "CaseNames.h"
#include "TempDir.h"
#include "base/NameCase.h"
#include "base/TemporaryFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

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

// A file its owner made read-only stays as it is, for whoever runs the program (tests run as
// root too, which the mode bits still stop).
TEST(ReadOnlyFile, IsLeftAsItIsByEveryWriter)
{
  namespace fs = std::filesystem;
  test::TempDir temp;
  const std::string path = temp.Dir().File("sf2.ini");
  const std::vector<std::pair<const char*, std::function<bool()>>> writers = {
      {"single", [&] { return WriteFileAtomic(path, "new"); }},
      {"batch",
       [&] {
         return WriteFilesAtomic({{path, "new"}}).empty();
       }},
      {"copy", [&] { return CopyFileAtomic(temp.Dir().File("from"), path); }},
      {"remove", [&] { return RemoveFileIfPresent(path); }},
  };
  temp.Write("from", "new");
  temp.Write("sf2.ini", "protected");
  fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  EXPECT_TRUE(IsReadOnlyFile(path));
  for (const auto& [name, write] : writers)
  {
    EXPECT_FALSE(write()) << name;
    EXPECT_EQ(temp.Read("sf2.ini"), "protected") << name;
  }
  EXPECT_EQ(FileNames(temp), (std::vector<std::string>{"from", "sf2.ini"}));
  fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);
  EXPECT_FALSE(IsReadOnlyFile(path));
  EXPECT_TRUE(WriteFileAtomic(path, "new"));
}

#ifndef _WIN32

namespace fs = std::filesystem;

// Both writers, so that the single write and the batch keep the same promises.
bool Write(bool batch, const std::string& path, const std::string& bytes)
{
  return batch ? WriteFilesAtomic({{path, bytes}}).empty() : WriteFileAtomic(path, bytes);
}

TEST(AtomicWrite, ReplacedFileKeepsItsPermissionBits)
{
  test::TempDir temp;
  for (bool batch : {false, true})
    for (auto mode : {fs::perms(0600), fs::perms(0755), fs::perms(0640)})
    {
      temp.Write("f.ini", "old");
      fs::permissions(temp.Dir().File("f.ini"), mode);
      ASSERT_TRUE(Write(batch, temp.Dir().File("f.ini"), "new"));
      EXPECT_EQ(temp.Read("f.ini"), "new");
      EXPECT_EQ(fs::status(temp.Dir().File("f.ini")).permissions(), mode) << batch;
    }
}

struct LinkCase
{
  const char* name;
  const char* link;   // what "zinc.dat" points at, relative to the folder when relative
  const char* target; // the file that must receive the bytes, under the folder
  bool target_exists;
};

class LinkedTarget : public testing::TestWithParam<LinkCase>
{
};

TEST_P(LinkedTarget, LinkStaysAndTheFileItNamesIsReplaced)
{
  test::TempDir temp;
  fs::create_directories(temp.Dir().File("data"));
  if (GetParam().target_exists)
    temp.Write(GetParam().target, "old");
  fs::create_symlink("real.dat", temp.Dir().File("data/hop"));
  std::string link = GetParam().link;
  if (link.front() == '@') // absolute, under the folder
    link = temp.Dir().File(link.substr(1));
  fs::create_symlink(link, temp.Dir().File("zinc.dat"));
  for (bool batch : {false, true})
  {
    ASSERT_TRUE(Write(batch, temp.Dir().File("zinc.dat"), "new" + std::to_string(batch)));
    EXPECT_TRUE(fs::is_symlink(temp.Dir().File("zinc.dat")));
    EXPECT_EQ(temp.Read(GetParam().target), "new" + std::to_string(batch));
  }
  EXPECT_EQ(FileNames(temp), (std::vector<std::string>{"data", "zinc.dat"}));
  EXPECT_EQ(std::distance(fs::directory_iterator(temp.Dir().File("data")), {}), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Links, LinkedTarget,
    testing::Values(LinkCase{"relative", "data/real.dat", "data/real.dat", true},
                    LinkCase{"absolute", "@data/real.dat", "data/real.dat", true},
                    LinkCase{"chain", "data/hop", "data/real.dat", true},
                    LinkCase{"dangling", "data/real.dat", "data/real.dat", false}),
    test::ByName());

// What stands at the target, made by the test; false when this system does not let it.
using MakeNode = std::function<bool(const std::string& path)>;

// Anything at the target that is not an ordinary file, itself or behind a link, is left as it
// is and the write fails: as root a rename would replace "/dev/null" with a file.
TEST(AtomicWrite, TargetThatIsNoOrdinaryFileIsRefusedAndKept)
{
  const std::vector<std::pair<const char*, MakeNode>> nodes = {
      {"fifo", [](const std::string& path) { return ::mkfifo(path.c_str(), 0644) == 0; }},
      {"character device (as /dev/null)", [](const std::string& path)
       { return ::mknod(path.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0; }},
      {"link to a fifo",
       [](const std::string& path)
       {
         return ::mkfifo((path + ".fifo").c_str(), 0644) == 0 &&
                ::symlink((path + ".fifo").c_str(), path.c_str()) == 0;
       }},
      {"link to a folder",
       [](const std::string& path)
       {
         return ::mkdir((path + ".d").c_str(), 0755) == 0 &&
                ::symlink((path + ".d").c_str(), path.c_str()) == 0;
       }},
  };
  for (const auto& [name, make] : nodes)
  {
    test::TempDir temp;
    temp.Write("from", "bytes");
    const std::string path = temp.Dir().File("zinc.dat");
    if (!make(path))
    {
      ADD_FAILURE() << name << ": could not be made here (tests run as root)";
      continue;
    }
    const auto before = FileNames(temp);
    const auto type = fs::status(path).type();
    for (bool batch : {false, true})
      EXPECT_FALSE(Write(batch, path, "new")) << name << (batch ? " batch" : " single");
    EXPECT_FALSE(CopyFileAtomic(temp.Dir().File("from"), path)) << name;
    EXPECT_EQ(fs::status(path).type(), type) << name;
    EXPECT_EQ(FileNames(temp), before) << name << ": nothing left beside it";
  }
}

TEST(AtomicWrite, LoopOfLinksFailsAndChangesNothing)
{
  test::TempDir temp;
  fs::create_symlink("b", temp.Dir().File("a"));
  fs::create_symlink("a", temp.Dir().File("b"));
  EXPECT_FALSE(WriteFileAtomic(temp.Dir().File("a"), "x"));
  EXPECT_TRUE(fs::is_symlink(temp.Dir().File("a")));
  EXPECT_EQ(FileNames(temp), (std::vector<std::string>{"a", "b"}));
}

TEST(RemoveAbandonedTemporaries, RemovesOnlyOurShapeWithNoLiveWriter)
{
  test::TempDir temp;
  const std::vector<std::string> kept = {
      "capcfg.ini",     "notes.tmp2024-06", "sf2.ini.tmp99999-0", "a~corvane-1-2.tmp",
      "a~corvane-01-2", "a~corvane-1-02",   "a~corvane-0-2",      "~corvane-1-2",
      "a~corvane-x-1",  "a~corvane-1-x",    "a~corvane-1_2",      "a~corvane--1-2",
      "a~corvane-+1-2", "a~corvane-1-",     "a~Corvane-1-2",      "a~corvane-1-123456"};
  for (const std::string& name : kept)
    temp.Write(name, "");
  temp.Write("folder~corvane-1-2/inside", "");
  temp.Write("elsewhere/x.ini~corvane-7-1", "a link's target stays");
  fs::create_symlink("elsewhere/x.ini~corvane-7-1", temp.Dir().File("x.ini~corvane-7-1"));
  for (const char* name :
       {"capcfg.ini~corvane-4242-0", "sf2.ini~corvane-1-17", "x~corvane-123456789-3"})
    temp.Write(name, "left by a killed save");
  // A live writer (this process) holds its temporary file open until it renames it.
  std::string live;
  const int fd = CreateOwnedTemporary(temp.Dir().File("secfg.ini"), live);
  ASSERT_GE(fd, 0);
  RemoveAbandonedTemporaries(temp.Path());
  std::vector<std::string> expected = kept;
  for (const std::string& name :
       {std::string("folder~corvane-1-2"), std::string("elsewhere"),
        std::string("x.ini~corvane-7-1"), fs::path(live).filename().string()})
    expected.push_back(name);
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(FileNames(temp), expected);
  EXPECT_EQ(temp.Read("elsewhere/x.ini~corvane-7-1"), "a link's target stays");
  ::close(fd);
  RemoveAbandonedTemporaries(temp.Path());
  EXPECT_FALSE(fs::exists(live)) << "its writer is gone";
  EXPECT_EQ(WriterOfTemporary(fs::path(live).filename().string()),
            static_cast<unsigned long>(::getpid()));
}

TEST(NameCaseOf, CaseSensitiveFolderIsExactAndLeavesNoProbe)
{
  test::TempDir temp;
  EXPECT_EQ(NameCaseOf(temp.Path()), NameCase::Exact);
  EXPECT_EQ(FileNames(temp), std::vector<std::string>{}) << "the probe is removed";
  EXPECT_EQ(NameCaseOf(temp.Dir().File("missing")), NameCase::Exact);
}

#endif

TEST(FileNameKey, FoldsLettersOnlyWhenTheFolderFoldsCase)
{
  EXPECT_EQ(FileNameKey("Sf2.ini", NameCase::Exact), "Sf2.ini");
  EXPECT_EQ(FileNameKey("Sf2.ini", NameCase::Folded), FileNameKey("SF2.INI", NameCase::Folded));
  EXPECT_NE(FileNameKey("sf2", NameCase::Folded), FileNameKey("sf3", NameCase::Folded));
}

} // namespace
} // namespace corvane
