// Code page 932: the characters that plain Shift-JIS lacks must survive a
// round trip with their Windows bytes; lengths are counted in those bytes.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>

#include "store/Cp932.h"

namespace {

struct Cp932Case {
  const char* text;   // UTF-8
  const char* bytes;  // code page 932
};

class Cp932RoundTrip : public ::testing::TestWithParam<Cp932Case> {};

TEST_P(Cp932RoundTrip, EncodesToTheWindowsBytesAndBack) {
  const QString text = QString::fromUtf8(GetParam().text);
  const QByteArray bytes(GetParam().bytes);
  bool lossless = false;
  EXPECT_EQ(Cp932::Encode(text, &lossless).toHex(' '), bytes.toHex(' ')) << GetParam().text;
  EXPECT_TRUE(lossless);
  bool valid = false;
  EXPECT_EQ(Cp932::Decode(bytes, &valid), text);
  EXPECT_TRUE(valid);
  EXPECT_EQ(Cp932::ByteLength(text), bytes.size());
}

INSTANTIATE_TEST_SUITE_P(
    Characters, Cp932RoundTrip,
    ::testing::Values(Cp932Case{"デ－タ", "\x83\x66\x81\x7C\x83\x5E"},  // full-width hyphen-minus
                      Cp932Case{"Ⅰ", "\x87\x54"}, Cp932Case{"①", "\x87\x40"}, Cp932Case{"～", "\x81\x60"},
                      Cp932Case{"℃", "\x81\x8E"}, Cp932Case{"ｱ", "\xB1"},  // half-width katakana: one byte
                      Cp932Case{"a,\"b", "a,\"b"}, Cp932Case{"表", "\x95\x5C"}));  // trail byte 0x5C

TEST(Cp932, CharacterWithoutCodePageFormIsReported) {
  bool lossless = true;
  const QByteArray bytes = Cp932::Encode(QStringLiteral("a€b"), &lossless);
  EXPECT_FALSE(lossless);
  EXPECT_EQ(bytes, QByteArray("a?b"));
  EXPECT_FALSE(Cp932::Representable(QString::fromUtf8("😀")));  // a surrogate pair
  EXPECT_EQ(Cp932::Encode(QString::fromUtf8("x😀y")), QByteArray("x?y"));
  EXPECT_TRUE(Cp932::Representable(QString::fromUtf8("ヒーター温度①")));
}

TEST(Cp932, InvalidBytesDecodeWithoutLosingTheRest) {
  bool valid = true;
  // A lone lead byte in the middle and a truncated one at the end.
  const QString text = Cp932::Decode(QByteArray("a\x81"
                                                "\x20"
                                                "b\x83",
                                                5),
                                     &valid);
  EXPECT_FALSE(valid);
  EXPECT_TRUE(text.startsWith(QLatin1Char('a')));
  EXPECT_TRUE(text.contains(QLatin1Char('b')));
  EXPECT_TRUE(text.contains(QChar(0xFFFD)));
}

struct MidCase {
  const char* text;
  int start, count;
  const char* expected;
};

class Cp932ByteMid : public ::testing::TestWithParam<MidCase> {};

TEST_P(Cp932ByteMid, CutsWholeCharactersOnly) {
  const MidCase& c = GetParam();
  EXPECT_EQ(Cp932::ByteMid(QString::fromUtf8(c.text), c.start, c.count), QString::fromUtf8(c.expected))
      << c.text << " " << c.start << " " << c.count;
}

INSTANTIATE_TEST_SUITE_P(Slices, Cp932ByteMid,
                         ::testing::Values(MidCase{"abcdef", 0, 3, "abc"}, MidCase{"abcdef", 2, -1, "cdef"},
                                           MidCase{"デ－タ", 0, 4, "デ－"}, MidCase{"デ－タ", 2, 2, "－"},
                                           MidCase{"aデ－タ", 0, 2,
                                                   "a"},  // second byte is a lead byte: dropped
                                           MidCase{"デ－タ", 1, 4, "－"},  // starts on a trail byte
                                           MidCase{"ｱｲウ", 0, 3, "ｱｲ"},    // half-width katakana are one byte
                                           MidCase{"abc", 5, 2, ""}, MidCase{"", 0, 3, ""},
                                           MidCase{"abc", 0, 0, ""}, MidCase{"abc", 1, 100, "bc"}));

TEST(Cp932, ByteLengthCountsFullWidthTwice) {
  EXPECT_EQ(Cp932::ByteLength(QString()), 0);
  EXPECT_EQ(Cp932::ByteLength(QStringLiteral("abc")), 3);
  EXPECT_EQ(Cp932::ByteLength(QStringLiteral("Ｚmemo")), 6);
  EXPECT_EQ(Cp932::ByteLength(QStringLiteral("ｚ")), 2);
}

}  // namespace
