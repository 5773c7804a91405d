// The resources compiled into the program, read back the way Windows reads them.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <string>
#include <vector>
#include <windows.h>

namespace corvane::test
{
namespace
{

using Attributes = std::map<std::string, std::string>;

// The attributes of every <assemblyIdentity .../> element, in document order.
std::vector<Attributes> AssemblyIdentities(const std::string& manifest)
{
  std::vector<Attributes> identities;
  const std::regex element(R"(<assemblyIdentity\s([^>]*)/>)");
  const std::regex attribute(R"re(([A-Za-z]+)="([^"]*)")re");
  for (std::sregex_iterator e(manifest.begin(), manifest.end(), element), end; e != end; ++e)
  {
    const std::string body = (*e)[1];
    Attributes attributes;
    for (std::sregex_iterator a(body.begin(), body.end(), attribute); a != end; ++a)
      attributes[(*a)[1]] = (*a)[2];
    identities.push_back(attributes);
  }
  return identities;
}

BOOL CALLBACK CollectLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR found)
{
  reinterpret_cast<std::vector<WORD>*>(found)->push_back(language);
  return TRUE;
}

class ProgramResources : public testing::Test
{
protected:
  void SetUp() override
  {
    const std::wstring path = std::filesystem::path(CORVANE_EXE).wstring();
    m_module = LoadLibraryExW(path.c_str(), nullptr,
                              LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(m_module, nullptr) << "cannot open " << CORVANE_EXE;
  }
  void TearDown() override
  {
    if (m_module)
      FreeLibrary(m_module);
  }

  std::string Manifest(WORD language) const
  {
    HRSRC found = FindResourceExA(m_module, MAKEINTRESOURCEA(24), MAKEINTRESOURCEA(1), language);
    if (!found)
      return {};
    const auto* bytes = static_cast<const char*>(LockResource(LoadResource(m_module, found)));
    return std::string(bytes, SizeofResource(m_module, found));
  }

  HMODULE m_module = nullptr;
};

TEST_F(ProgramResources, ManifestIsTypeTwentyFourIdOneInUsEnglishOnly)
{
  std::vector<WORD> languages;
  EnumResourceLanguagesA(m_module, MAKEINTRESOURCEA(24), MAKEINTRESOURCEA(1), CollectLanguage,
                         reinterpret_cast<LONG_PTR>(&languages));
  EXPECT_EQ(languages, std::vector<WORD>{1033});
  EXPECT_FALSE(Manifest(1033).empty());
}

TEST_F(ProgramResources, ManifestAsksForCommonControlsSixOfTheProgramsOwnProcessor)
{
  const std::string manifest = Manifest(1033);
  const auto identities = AssemblyIdentities(manifest);
  ASSERT_EQ(identities.size(), 2u);
  const Attributes own{{"type", "win32"}, {"name", "Corvane.Corvane"}, {"version", "1.0.0.0"}};
  EXPECT_EQ(identities[0], own);
  // "*": the common controls of whatever processor runs the program (x86, x64, ARM64).
  const Attributes controls{{"type", "win32"},
                            {"name", "Microsoft.Windows.Common-Controls"},
                            {"version", "6.0.0.0"},
                            {"processorArchitecture", "*"},
                            {"publicKeyToken", "6595b64144ccf1df"},
                            {"language", "*"}};
  EXPECT_EQ(identities[1], controls);
  EXPECT_NE(manifest.find("<dependency>\n    <dependentAssembly>\n      <assemblyIdentity"
                          " type=\"win32\" name=\"Microsoft.Windows.Common-Controls\""),
            std::string::npos)
      << "the Common-Controls identity must sit inside <dependency><dependentAssembly>";
}

TEST_F(ProgramResources, ManifestRunsAsInvokerOnEverySupportedWindows)
{
  const std::string manifest = Manifest(1033);
  // Without it a 32-bit build under Program Files writes to the VirtualStore copy of its folder
  // while cmd.exe and the emulator use the real one.
  EXPECT_NE(manifest.find("<trustInfo xmlns=\"urn:schemas-microsoft-com:asm.v3\">"),
            std::string::npos);
  EXPECT_NE(manifest.find("<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>"),
            std::string::npos);
  for (const char* id :
       {"e2011457-1546-43c5-a5fe-008deee3d3f0", "35138b9a-5d96-4fbd-8e2d-a2440225f93a",
        "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38", "1f676c76-80e1-4239-95bb-83d0f6d0da78",
        "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"})
    EXPECT_NE(manifest.find(std::string("<supportedOS Id=\"{") + id + "}\"/>"), std::string::npos)
        << id;
}

TEST(ProgramVersion, VersionBlockMatchesTheManifestsIdentity)
{
  const std::wstring path = std::filesystem::path(CORVANE_EXE).wstring();
  DWORD ignored = 0;
  std::vector<char> block(GetFileVersionInfoSizeW(path.c_str(), &ignored));
  ASSERT_FALSE(block.empty());
  ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT size = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &size));
  EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(0, 1));
  EXPECT_EQ(fixed->dwFileVersionLS, 0u);
  wchar_t* text = nullptr;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\StringFileInfo\\040904E4\\ProductName",
                             reinterpret_cast<void**>(&text), &size));
  EXPECT_EQ(std::wstring(text), L"Corvane");
}

} // namespace
} // namespace corvane::test
