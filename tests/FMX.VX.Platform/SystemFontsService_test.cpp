// The system-fonts service over a private fontconfig configuration that
// lists a folder of our own, so that the result does not depend on the
// fonts of the machine. The font files come from the Debian packages
// fonts-dejavu-core, fonts-dejavu-extra and fonts-liberation2
// (scripts/setup.sh installs them).

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>
#include <unistd.h>

#include "FMX.VX.Platform/SystemFontsService.h"
#include "platform/SystemFonts.h"

using namespace FMX;
using namespace FMX::VX::Platform;
namespace fs = std::filesystem;

namespace {

const fs::path DejaVu = "/usr/share/fonts/truetype/dejavu";
const fs::path Liberation = "/usr/share/fonts/truetype/liberation2";

// A folder of font links and a fonts.conf that lists only that folder.
class PrivateFonts : public ::testing::Test {
 protected:
  void SetUp() override {
    Dir = fs::path(::testing::TempDir()) / ("vxfmx_fonts_" + std::to_string(::getpid()));
    fs::remove_all(Dir);
    fs::create_directories(Dir / "fonts");
    WriteConfig("");
  }
  // Rules: fontconfig elements added to the configuration.
  void WriteConfig(const std::string& Rules) {
    Config = (Dir / "fonts.conf").string();
    std::ofstream(Config) << "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n<fontconfig>\n"
                          << "  <dir>" << (Dir / "fonts").string() << "</dir>\n"
                          << "  <cachedir>" << (Dir / "cache").string() << "</cachedir>\n"
                          << Rules << "</fontconfig>\n";
  }
  void TearDown() override { fs::remove_all(Dir); }

  void Install(const fs::path& File) {
    ASSERT_TRUE(fs::exists(File)) << File << " is missing: run scripts/setup.sh";
    fs::create_symlink(File, Dir / "fonts" / File.filename());
  }

  fs::path Dir;
  std::string Config;
};

std::vector<std::string> Sorted(std::vector<std::string> V) {
  std::sort(V.begin(), V.end());
  return V;
}

}  // namespace

TEST_F(PrivateFonts, EachFamilyIsListedOnceWhateverNumberOfFacesReportIt) {
  // Four faces report "DejaVu Sans": regular, bold, condensed (also
  // "DejaVu Sans Condensed") and extra-light (also "DejaVu Sans Light").
  for (const char* F : {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "DejaVuSansCondensed.ttf", "DejaVuSans-ExtraLight.ttf",
                        "DejaVuSerif.ttf"})
    Install(DejaVu / F);
  for (const char* F : {"LiberationMono-Regular.ttf", "LiberationMono-Italic.ttf"}) Install(Liberation / F);

  std::vector<std::string> Reported;
  EnumFontFamilies([&](std::string_view F) { Reported.emplace_back(F); }, Config);
  EXPECT_GT(Reported.size(), 5u) << "the raw enumeration repeats families";

  TVXPlatformServices Service(Config);
  const auto& Fonts = Service.GetFonts().Items();
  EXPECT_EQ(Sorted(Fonts), (std::vector<std::string>{"DejaVu Sans", "DejaVu Sans Condensed", "DejaVu Sans Light",
                                                      "DejaVu Serif", "Liberation Mono"}));
  // In enumeration order: each name where it was first reported.
  std::vector<std::string> FirstSeen;
  for (const auto& R : Reported)
    if (std::find(FirstSeen.begin(), FirstSeen.end(), R) == FirstSeen.end()) FirstSeen.push_back(R);
  EXPECT_EQ(Fonts, FirstSeen);
}

TEST_F(PrivateFonts, FamiliesDifferingOnlyInCaseAreListedOnceInTheirFirstSpelling) {
  // The bold face is renamed while it is scanned, so that the folder holds
  // "DejaVu Serif" and "DEJAVU SERIF".
  WriteConfig(
      "  <match target=\"scan\">\n"
      "    <test name=\"family\"><string>DejaVu Serif</string></test>\n"
      "    <test name=\"style\"><string>Bold</string></test>\n"
      "    <edit name=\"family\" mode=\"assign\"><string>DEJAVU SERIF</string></edit>\n"
      "  </match>\n");
  for (const char* F : {"DejaVuSerif.ttf", "DejaVuSerif-Bold.ttf"}) Install(DejaVu / F);
  std::vector<std::string> Reported;
  EnumFontFamilies([&](std::string_view F) { Reported.emplace_back(F); }, Config);
  ASSERT_EQ(Sorted(Reported), (std::vector<std::string>{"DEJAVU SERIF", "DejaVu Serif"}));  // one per face
  TVXPlatformServices Service(Config);
  EXPECT_EQ(Service.GetFonts().Items(), std::vector<std::string>{Reported[0]});
}

TEST_F(PrivateFonts, TheListIsMadeOnceAndFontsInstalledLaterAreNotSeen) {
  Install(DejaVu / "DejaVuSerif.ttf");
  TVXPlatformServices Service(Config);
  TStringList& First = Service.GetFonts();
  ASSERT_EQ(First.Items(), std::vector<std::string>{"DejaVu Serif"});
  Install(Liberation / "LiberationSans-Regular.ttf");
  TStringList& Second = Service.GetFonts();
  EXPECT_EQ(&Second, &First);
  EXPECT_EQ(Second.Items(), std::vector<std::string>{"DejaVu Serif"});
  // A new service enumerates again and sees it.
  TVXPlatformServices Fresh(Config);
  EXPECT_EQ(Sorted(Fresh.GetFonts().Items()), (std::vector<std::string>{"DejaVu Serif", "Liberation Sans"}));
}

TEST_F(PrivateFonts, AnEmptyFolderGivesAnEmptyListAndABadConfigurationRaises) {
  TVXPlatformServices Empty(Config);
  EXPECT_EQ(Empty.GetFonts().Count(), 0);
  TVXPlatformServices Broken((Dir / "missing.conf").string());
  try {
    Broken.GetFonts();
    ADD_FAILURE() << "a missing configuration was accepted";
  } catch (const Exception& E) {
    EXPECT_NE(std::string(E.what()).find("missing.conf"), std::string::npos) << E.what();
  }
}

TEST(FoldCaseTest, NamesDifferingOnlyInCaseFoldAlike) {
  struct TCase {
    const char* A;
    const char* B;
    bool Same;
  };
  const TCase Cases[] = {
      {"DejaVu Sans", "dejavu SANS", true},
      {"\xC3\x84rial", "\xC3\xA4RIAL", true},  // Ärial / äRIAL
      {"Stra\xC3\x9F" "e", "STRASSE", true},   // ß folds to ss
      {"DejaVu Sans", "DejaVu Sans ", false},
      {"Liberation", "Libération", false},
      {"\xFF\xFE", "\xFF\xFE", true},  // invalid UTF-8 compares as it is
      {"\xFF" "A", "\xFF" "a", false},
  };
  for (const auto& C : Cases) EXPECT_EQ(FoldCase(C.A) == FoldCase(C.B), C.Same) << C.A << " / " << C.B;
}

TEST(SystemFontsUnitTest, TheLoadedPackageServesTheSystemFontsThroughTheRegistry) {
  auto Service = TallowmerePlatform();
  ASSERT_NE(Service, nullptr);
  std::shared_ptr<IVXFMXSystemFontsService> Registered;
  ASSERT_TRUE(TPlatformServices::Current().SupportsPlatformService(Registered));
  EXPECT_EQ(Registered, Service);
  EXPECT_EQ(IVXFMXSystemFontsService::IID.ToString(), "{725981BF-689E-400A-8C9F-D78816954A88}");
  // The machine's own fonts: DejaVu Sans is what the canvas draws with.
  EXPECT_NE(Service->GetFonts().IndexOf("DejaVu Sans"), -1);
}
