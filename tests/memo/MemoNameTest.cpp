#include <gtest/gtest.h>

#include "operations/memo/MemoName.h"
#include "store/Cp932.h"

namespace {

TEST(MemoName, ProtectedNamesBeginWithAnyZ) {
  for (const char* name : {"Zmemo", "zmemo", "Ｚmemo", "ｚmemo", "Z"})
    EXPECT_TRUE(MemoName::IsProtected(QString::fromUtf8(name))) << name;
  for (const char* name : {"", "memoZ", "Ａmemo", " Zmemo", "aaaZ"})
    EXPECT_FALSE(MemoName::IsProtected(QString::fromUtf8(name))) << name;
}

struct AaaCase {
  const char* typed;
  const char* saved;
};

TEST(MemoName, AaaPrefixMakesAProtectedName) {
  const AaaCase cases[] = {
      {"aaaZmemo", "Zmemo"},
      {"aaamemo", "Zmemo"},
      {"aaa", "Z"},
      {"aaaｚメモ", "ｚメモ"},
      {"aamemo", "aamemo"},   // no prefix: used as typed
      {"AAAmemo", "AAAmemo"}, // the prefix is case-sensitive
      {"aaaaaa", "Zaaa"},
      // 25 half-width characters keep 20 (21 with the Z).
      {"aaa0123456789abcdefghijklmno", "Z0123456789abcdefghij"},
      // 11 full-width characters are 22 bytes: 10 stay.
      {"aaaあいうえおかきくけこさ", "Zあいうえおかきくけこ"},
      // The cut at 20 bytes would split the tenth full-width character: it is left out whole.
      {"aaaxあいうえおかきくけこ", "Zxあいうえおかきくけ"},
  };
  for (const AaaCase& c : cases) {
    const QString saved = MemoName::ApplyAaaRule(QString::fromUtf8(c.typed));
    EXPECT_EQ(saved, QString::fromUtf8(c.saved)) << c.typed;
    EXPECT_LE(Cp932::ByteLength(saved), 21) << c.typed;
  }
}

TEST(MemoName, NamesThatLeaveTheFolderAreRefused) {
  for (const char* name : {"../memo", "a/b", "a\\b", "..", "x..y", "a\tb", "a\rb", "\x7f" "a", "/abs"})
    EXPECT_FALSE(MemoName::Refusal(QString::fromUtf8(name)).isEmpty()) << name;
  for (const char* name : {"memo", "メモ 1", "a.b", "Ｚ", "温度(℃)", "全角　空白"})
    EXPECT_TRUE(MemoName::Refusal(QString::fromUtf8(name)).isEmpty()) << name;
}

}  // namespace
