#include "runtime/encoding.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>

namespace {

using runtime::Encoding;

TEST(EncodingNames, TakeEveryWrittenFormInAnyCaseAndNothingElse) {
  const struct {
    const char* name;
    unsigned codePage;  // 0: refused
  } cases[] = {
      {"1251", 1251},
      {"cp1251", 1251},
      {"windows-1251", 1251},
      {"Windows-1251", 1251},
      {"CP932", 932},
      {"874", 874},
      {"windows-874", 874},
      {"950", 950},
      {"1258", 1258},
      {"utf-8", 65001},
      {"UTF8", 65001},
      {"65001", 65001},
      {"", 0},
      {"1259", 0},
      {"1249", 0},
      {"437", 0},  // a code page, but no ANSI one
      {"cp", 0},
      {"windows-", 0},
      {"windows1251", 0},
      {"01251", 0},
      {"+1251", 0},
      {" 1251", 0},
      {"1251 ", 0},
      {"cp65001", 0},
      {"utf-16", 0},
      {"latin1", 0},
      {"99999999999999999999", 0},
  };
  for (const auto& c : cases) {
    const std::optional<Encoding> named = Encoding::named(c.name);
    if (c.codePage == 0) {
      EXPECT_FALSE(named) << '"' << c.name << '"';
    } else {
      ASSERT_TRUE(named) << '"' << c.name << '"';
      EXPECT_EQ(named->codePage(), c.codePage) << c.name;
    }
  }
  EXPECT_EQ(Encoding::named("ansi"), Encoding::systemDefault());
  EXPECT_EQ(Encoding::named("ANSI"), Encoding::systemDefault());
}

TEST(EncodingNames, TheMenuOffersEachEncodingOnceByNameAndNumber) {
  std::set<unsigned> codePages;
  std::set<std::string> names;
  for (const Encoding encoding : Encoding::all()) {
    codePages.insert(encoding.codePage());
    names.insert(encoding.name());
    EXPECT_EQ(Encoding::fromCodePage(encoding.codePage()), encoding);
  }
  EXPECT_EQ(codePages,
            (std::set<unsigned>{874, 932, 936, 949, 950, 1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258, 65001}));
  EXPECT_EQ(names.size(), codePages.size());
  EXPECT_EQ(Encoding::all().front().name(), "Arabic (1256)");
  EXPECT_EQ(Encoding::all().back().name(), "UTF-8");
  EXPECT_EQ(Encoding::fromCodePage(1251)->name(), "Cyrillic (1251)");
  EXPECT_EQ(Encoding::fromCodePage(932)->name(), "Japanese (932)");
  EXPECT_EQ(Encoding::fromCodePage(1252)->name(), "Western European (1252)");
  EXPECT_EQ(runtime::systemDefaultName(),
            "System default (" + std::to_string(Encoding::systemDefault().codePage()) + ")");
}

TEST(LocaleTable, GivesEachLanguageTheCodePageWindowsGivesIt) {
  const struct {
    const char* locale;
    unsigned codePage;
  } cases[] = {
      {"ru_RU.UTF-8", 1251}, {"uk_UA", 1251},       {"be_BY.UTF-8", 1251}, {"bg_BG", 1251},       {"mk_MK", 1251},
      {"sr_RS", 1251},       {"sr_RS@latin", 1250}, {"ru", 1251},          {"pl_PL.UTF-8", 1250}, {"cs_CZ", 1250},
      {"sk_SK", 1250},       {"hu_HU", 1250},       {"ro_RO", 1250},       {"hr_HR", 1250},       {"sl_SI", 1250},
      {"el_GR.UTF-8", 1253}, {"tr_TR.UTF-8", 1254}, {"az_AZ", 1254},       {"he_IL.UTF-8", 1255}, {"ar_EG.UTF-8", 1256},
      {"fa_IR", 1256},       {"ur_PK", 1256},       {"et_EE", 1257},       {"lv_LV", 1257},       {"lt_LT", 1257},
      {"vi_VN", 1258},       {"th_TH.UTF-8", 874},  {"ja_JP.UTF-8", 932},  {"ja_JP.eucJP", 932},  {"ko_KR.UTF-8", 949},
      {"zh_CN.UTF-8", 936},  {"zh_SG.GBK", 936},    {"zh_TW.UTF-8", 950},  {"zh_HK.UTF-8", 950},  {"en_US.UTF-8", 1252},
      {"de_DE@euro", 1252},  {"C", 1252},           {"C.UTF-8", 1252},     {"POSIX", 1252},       {"", 1252},
      {"russian", 1252},     {"zh", 936},           {"sah_RU", 1251},      {"s", 1252},
  };
  for (const auto& c : cases) EXPECT_EQ(runtime::codePageForLocale(c.locale), c.codePage) << '"' << c.locale << '"';
}

TEST(LocaleTable, TheFirstOfLcAllLcCtypeAndLangThatIsSetDecides) {
  EXPECT_EQ(runtime::effectiveLocale("el_GR", "ru_RU", "ja_JP"), "el_GR");
  EXPECT_EQ(runtime::effectiveLocale("", "ru_RU", "ja_JP"), "ru_RU");
  EXPECT_EQ(runtime::effectiveLocale(nullptr, nullptr, "ja_JP"), "ja_JP");
  EXPECT_EQ(runtime::effectiveLocale("", "", ""), "");
  EXPECT_EQ(runtime::effectiveLocale(nullptr, nullptr, nullptr), "");
}

#ifdef _WIN32
// test-windows runs this under several ANSI code pages.
TEST(SystemDefault, IsTheSystemsAnsiCodePage) {
  const char* codePage = std::getenv("SPEECH_EXPECTED_CODE_PAGE");
  if (!codePage) GTEST_SKIP() << "SPEECH_EXPECTED_CODE_PAGE is not set";
  EXPECT_EQ(std::to_string(Encoding::systemDefault().codePage()), codePage);
}
#endif

}  // namespace
