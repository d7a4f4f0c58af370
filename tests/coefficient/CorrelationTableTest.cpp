// Every entry of the catalogue selected, filled with plausible values and
// evaluated through the window. The expected texts were worked out once,
// outside the program, by tests/coefficient/expected_values.py (python3,
// double precision, none of them near a rounding half); the worked values of
// the formula sheets (entry 1 h 4.25, entry 52 h 4.6 and Nu 83.9, entry 51
// Nu 77.5, entry 101 h 10.19, the fin 932.08, 3262.28, 660.46, 93.09 and
// 90.78, the wall 0.07, the scale 5.09) are among them.
#include <vector>

#include "CoefficientWindow.h"
#include "operations/coefficient/CorrelationCatalogue.h"
#include "operations/coefficient/CorrelationEvaluation.h"
#include "operations/hints/HintLine.h"

namespace {

// A result: a field of the panel, or (field nullptr) a cell of the item grid.
struct Expect {
  const char* field;
  int column, row;
  const char* text;
};
Expect F(const char* field, const char* text) { return {field, 0, 0, text}; }
Expect G(int column, int row, const char* text) { return {nullptr, column, row, text}; }
Expect H(const char* text) { return F("Edit72", text); }

struct Case {
  const char* number;
  std::vector<GridText> items;
  std::vector<Expect> expected;
  const char* selected = nullptr;  // selected first when not the number itself
};

std::vector<GridText> With(std::vector<GridText> base, const std::vector<GridText>& extra) {
  base.insert(base.end(), extra.begin(), extra.end());
  return base;
}

// Air at about 40 ℃ beside a plate 0.5 m high, 60 ℃ against 20 ℃.
std::vector<GridText> Natural(const std::vector<GridText>& extra) {
  return With({{1, 1, "0.5"},
               {1, 2, "0.000016"},
               {1, 3, "0.279"},
               {1, 4, "1.13"},
               {1, 5, "0.0272"},
               {3, 1, "60"},
               {3, 2, "20"},
               {3, 3, "0.0032"}},
              extra);
}
std::vector<Expect> NaturalResults(const char* h, const char* nu) {
  return {H(h),
          F("Edit78", "35000"),
          F("Edit79", "0.668"),
          F("Edit80", "612500000"),
          F("Edit81", "4.07E8"),
          F("Edit82", nu)};
}

// Air along a plate 0.3 m long at 2 m/s; air in a pipe of 0.05 m at 5 m/s;
// liquid sodium in the same pipe at 2 m/s.
std::vector<GridText> AirPlate(const std::vector<GridText>& extra) {
  return With(
      {{1, 0, "2"}, {1, 1, "0.3"}, {1, 2, "0.000016"}, {1, 3, "0.279"}, {1, 4, "1.13"}, {1, 5, "0.0272"}},
      extra);
}
std::vector<GridText> AirPipe(const std::vector<GridText>& extra) {
  return With(
      {{1, 0, "5"}, {1, 1, "0.05"}, {1, 2, "0.000016"}, {1, 3, "0.279"}, {1, 4, "1.13"}, {1, 5, "0.0272"}},
      extra);
}
std::vector<GridText> Sodium(const std::vector<GridText>& extra) {
  return With({{1, 0, "2"}, {1, 1, "0.05"}, {1, 2, "0.0000003"}, {1, 3, "0.3"}, {1, 4, "850"}, {1, 5, "70"}},
              extra);
}
// Gr and Ra are not written by the forced-convection group: they stay empty.
std::vector<Expect> ForcedResults(const char* h, const char* re, const char* pr, const char* nu) {
  return {H(h), F("Edit78", re), F("Edit79", pr), F("Edit82", nu), F("Edit80", ""), F("Edit81", "")};
}

// A fin 0.05 m long, h 10, perimeter 0.2, k 200, section 0.0001.
const std::vector<GridText> kFin = {
    {1, 0, "10"}, {1, 1, "0.2"}, {1, 2, "200"}, {1, 3, "0.0001"}, {1, 4, "0.05"}};

// clang-format off
const Case kCases[] = {
  {"1", {{1, 0, "60"}, {1, 1, "20"}, {1, 2, "0.5"}},
   {H("4.25")}},
  {"2", {{1, 0, "60"}, {1, 1, "20"}},
   {H("3.25")}},
  {"3", {{1, 0, "60"}, {1, 1, "20"}, {1, 2, "0.05"}},
   {H("7.02")}},
  {"4", {{1, 0, "60"}, {1, 1, "20"}},
   {H("4.24")}},
  {"5", {{1, 0, "60"}, {1, 1, "20"}, {1, 2, "0.3"}},
   {H("4.49")}},
  {"6", {{1, 0, "80"}, {1, 1, "20"}},
   {H("4.85")}},
  {"7", {{1, 0, "60"}, {1, 1, "20"}, {1, 2, "0.5"}},
   {H("1.68")}},
  {"9", {{1, 0, "60"}, {1, 1, "20"}, {1, 2, "0.1"}},
   {H("5.25")}},
  {"10", {{1, 0, "0.24"}, {1, 1, "5"}, {1, 2, "1.2"}, {1, 3, "0.05"}},
   {H("20.52")}},
  {"11", {{1, 0, "20"}, {1, 1, "1.5"}, {1, 2, "0.05"}},
   {H("6279.52")}},
  {"12", {{1, 0, "60"}, {1, 1, "20"}, {1, 2, "3"}},
   {H("25.43")}},
  {"13", {{1, 0, "60"}, {1, 1, "20"}, {1, 2, "3"}},
   {H("17.78")}},
  {"51", Natural({}),
   NaturalResults("4.2", "77.5")},
  {"52", Natural({}),
   NaturalResults("4.6", "83.9")},
  {"53", Natural({}),
   NaturalResults("5.2", "96.5")},
  {"54", Natural({}),
   NaturalResults("4", "74.2")},
  {"55", Natural({}),
   NaturalResults("5", "92.6")},
  {"56", Natural({}),
   NaturalResults("5.2", "96.5")},
  {"57", Natural({}),
   NaturalResults("6.7", "123.7")},
  {"58", Natural({}),
   NaturalResults("3.7", "68.2")},
  {"59", Natural({}),
   NaturalResults("4.2", "76.8")},
  {"60", Natural({}),
   NaturalResults("5.7", "103.9")},
  {"61", Natural({}),
   NaturalResults("2.1", "38.4")},
  {"62", Natural({}),
   NaturalResults("1.7", "30.6")},
  {"63", Natural({}),
   NaturalResults("4.7", "86.7")},
  {"64", Natural({}),
   NaturalResults("4.1", "75.4")},
  {"65", Natural({}),
   NaturalResults("5.1", "93.5")},
  {"66", Natural({}),
   NaturalResults("4.7", "86.7")},
  {"69", Natural({{3, 0, "1"}}),
   NaturalResults("2.4", "44.3")},
  {"70", Natural({}),
   NaturalResults("2.9", "52.4")},
  {"71", Natural({}),
   NaturalResults("0.1", "1")},
  {"74", Natural({{1, 0, "0.59"}, {3, 0, "1"}, {3, 4, "0.25"}, {3, 5, "0"}}),
   NaturalResults("4.6", "83.9")},
  {"75", Natural({{3, 0, "2"}}),
   NaturalResults("2.1", "39.2")},
  {"76", Natural({}),
   NaturalResults("1.9", "34.1")},
  {"77", Natural({}),
   NaturalResults("3.4", "63.1")},
  {"78", Natural({}),
   NaturalResults("4.7", "85.9")},
  {"101", AirPlate({}),
   ForcedResults("10.19", "37500", "0.668", "112.38")},
  {"102", AirPlate({}),
   ForcedResults("13.38", "37500", "0.668", "147.55")},
  {"104", AirPipe({{3, 0, "1"}}),
   ForcedResults("7.27", "15625", "0.668", "13.36")},
  {"105", AirPipe({{3, 0, "1"}}),
   ForcedResults("7.09", "15625", "0.668", "13.04")},
  {"106", AirPipe({{3, 0, "1"}}),
   ForcedResults("7.68", "15625", "0.668", "14.12")},
  {"107", AirPipe({{3, 0, "1"}, {3, 1, "0.00002"}, {3, 2, "0.000015"}}),
   ForcedResults("8.36", "15625", "0.668", "15.37")},
  {"108", AirPipe({}),
   ForcedResults("24.11", "15625", "0.668", "44.32")},
  {"109", AirPipe({}),
   ForcedResults("25.1", "15625", "0.668", "46.15")},
  {"110", AirPipe({}),
   ForcedResults("24.77", "15625", "0.668", "45.53")},
  {"111", AirPipe({{3, 1, "0.00002"}, {3, 2, "0.000015"}}),
   ForcedResults("25.42", "15625", "0.668", "46.74")},
  {"112", Sodium({}),
   ForcedResults("17921.03", "333333.33", "0.004", "12.8")},
  {"113", AirPipe({}),
   ForcedResults("24.72", "15625", "0.668", "45.44")},
  {"114", AirPipe({{3, 0, "1"}}),
   ForcedResults("32.88", "15625", "0.668", "60.44")},
  {"116", AirPipe({{3, 1, "0.683"}, {3, 2, "0.466"}}),
   ForcedResults("32.45", "15625", "0.668", "59.65")},
  {"117", AirPipe({}),
   ForcedResults("41.09", "15625", "0.668", "75.53")},
  {"120", AirPipe({}),
   ForcedResults("34.51", "15625", "0.668", "63.44")},
  {"121", AirPipe({}),
   ForcedResults("41.14", "15625", "0.668", "75.62")},
  {"122", AirPipe({}),
   ForcedResults("42.15", "15625", "0.668", "77.48")},
  {"123", AirPipe({}),
   ForcedResults("66.08", "15625", "0.668", "121.48")},
  {"124", AirPipe({}),
   ForcedResults("41.43", "15625", "0.668", "76.16")},
  {"125", AirPipe({{3, 1, "0.00002"}, {3, 2, "0.000015"}}),
   ForcedResults("49.83", "15625", "0.668", "91.6")},
  {"126", AirPipe({{3, 1, "0.00002"}, {3, 2, "0.000015"}}),
   ForcedResults("43.52", "15625", "0.668", "80")},
  {"74", Natural({{1, 0, "0.59"}, {3, 0, "1"}, {3, 4, "0.25"}, {3, 5, "0.2"}}),
   NaturalResults("5.2", "96.4")},
  {"201", kFin,
   {G(3, 2, "10"), G(3, 3, "932.08"), G(2, 2, "ｍ"), G(2, 3, "仮想H"), G(2, 4, "仮想H　円管"),
    G(2, 5, "円管平均近似値H"), G(3, 4, ""), G(3, 5, ""), G(2, 0, ""), G(2, 1, ""), H("")}},
  {"201", With(kFin, {{1, 5, "0.02"}, {3, 0, "0.001"}, {3, 1, "0.005"}}),
   {G(3, 2, "10"), G(3, 3, "932.08"), G(3, 4, "3262.28"), G(3, 5, "660.46"),
    G(2, 0, "フィン厚さｔ m"), G(2, 1, "フィンピッチp m")}},
  {"202", With(kFin, {{3, 0, "0.025"}, {3, 1, "20"}, {3, 2, "100"}}),
   {G(3, 3, "10"), G(3, 4, "932.08"), G(3, 5, "93.09"), G(2, 3, "ｍ"), G(2, 4, "仮想H"), G(2, 5, "X位置温度℃"),
    G(2, 2, "根元温度To ℃"), G(3, 2, "100")}},
  // A position beyond the tip is replaced by the tip.
  {"202", With(kFin, {{3, 0, "0.08"}, {3, 1, "20"}, {3, 2, "100"}}),
   {G(3, 0, "0.05"), G(3, 5, "90.78")}},
  {"203", {{1, 0, "0.01"}, {1, 1, "0.05"}, {1, 2, "0.01"}, {1, 3, "50"}, {1, 4, "0.05"}, {1, 5, "50"}},
   {G(3, 2, "0.07"), G(3, 3, "0.07"), G(2, 2, "t m"), G(2, 3, "λ W/m2k"), G(3, 4, ""), G(2, 4, "")}},
  // Steel 5 mm, insulation 50 mm, a thin jacket on a pipe of 0.1 m.
  {"204", {{3, 0, "0.1"}, {1, 0, "0.005"}, {1, 1, "0.05"}, {1, 2, "0.001"}, {1, 3, "16"}, {1, 4, "0.045"},
           {1, 5, "200"}},
   {G(3, 2, "0.056"), G(3, 3, "0.05"), G(2, 2, "t m"), G(2, 3, "λ W/m2k")}},
  // The pre-filled values: w 8, condition A, 2000 hours.
  {"205", {},
   {G(3, 2, "5.09"), G(2, 2, "スケール厚さ mm"), G(1, 0, "8"), G(1, 1, "A"), G(1, 2, "2000"), G(3, 3, "")}},
  // 200 is not offered by selection; typed over the captions of 202 it
  // gives m and H only.
  {"200", With(kFin, {{3, 0, "0.025"}, {3, 1, "20"}, {3, 2, "100"}}),
   {G(3, 3, "10"), G(3, 4, "932.08"), G(2, 3, "ｍ"), G(2, 4, "仮想H"), G(3, 5, ""), G(2, 5, ""), G(3, 2, "100")},
   "202"},
};
// clang-format on

class CorrelationTable : public CoefficientWindow {};

TEST_F(CorrelationTable, EveryEntryEvaluatesToItsWorkedValues) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string("entry ") + c.number);
    Select(QString::fromUtf8(c.selected ? c.selected : c.number));
    SetNumber(QString::fromUtf8(c.number));
    for (const GridText& t : c.items) SetItem(t.column, t.row, QString::fromUtf8(t.text));
    Evaluate();
    EXPECT_EQ(TakeMessages(), QStringList());
    // Plausible items in their units: no unit hint (a range hint may come).
    const QString hint = form->Hints().Text();
    EXPECT_FALSE(hint.contains(QStringLiteral("の値のようです")) || hint.contains(QStringLiteral("範囲外です")))
        << hint.toStdString();
    for (const Expect& e : c.expected) {
      const QString actual = e.field ? Text(e.field) : Item(e.column, e.row);
      EXPECT_EQ(actual, QString::fromUtf8(e.text))
          << (e.field ? std::string(e.field)
                      : "cell (" + std::to_string(e.column) + "," + std::to_string(e.row) + ")");
    }
  }
}

TEST_F(CorrelationTable, CoversTheWholeCatalogue) {
  for (const CorrelationEntry& entry : CorrelationCatalogue()) {
    bool found = false;
    for (const Case& c : kCases)
      found = found || QString::fromUtf8(c.number) == QString::fromUtf8(entry.number);
    EXPECT_TRUE(found) << "entry " << entry.number << " has no worked case";
  }
  EXPECT_EQ(CorrelationCatalogue().size(), 63u);
}

// The mantissa-exponent text of the Rayleigh number.
TEST(MantissaExponentText, UsesTheConstant04342AndTruncatesTowardZero) {
  struct Row {
    long double x;
    const char* text;
  };
  const Row rows[] = {
      {2.5e8L, "2.49E8"},  // with log10 e it would be 2.5E8
      {1e8L, "9.96E7"},   {1.0L, "1E0"}, {0.5L, "0.5E0"}, {0.05L, "0.5E-1"}, {408923735.2941177L, "4.07E8"},
  };
  for (const Row& r : rows) EXPECT_EQ(MantissaExponentText(r.x), QString::fromUtf8(r.text)) << double(r.x);
}

}  // namespace
