// The material library: the shipped files load whole, with every material
// the library must offer; a file written from what was read reads back the
// same; a bad line is named with its line number and the rest still loads.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "foundation/Errors.h"
#include "store/MaterialLibrary.h"
#include "store/TextFile.h"

using namespace MaterialLibrary;

namespace {

// The built data (code page 932), as the program reads it.
QString Shipped(const char* name) {
  return qEnvironmentVariable("HEATCALC_DATA") + QStringLiteral("/G1de-ta/") + QLatin1String(name);
}

}  // namespace

TEST(MaterialLibrary, ShippedFilesLoadWholeAndRoundTrip) {
  const Materials materials = ReadMaterials(Shipped("hoonzai_zairyou.csv"));
  EXPECT_TRUE(materials.problems.isEmpty()) << materials.problems.join(QLatin1Char('\n')).toStdString();
  for (const char* name :
       {"ロックウール保温筒", "ロックウール保温板", "グラスウール保温筒", "グラスウール保温板",
        "けい酸カルシウム保温筒", "はっ水性パーライト保温筒", "気泡ガラス保温板",
        "ゴム系発泡保温筒（軟質エラストマー）", "硬質ウレタン・ポリイソシアヌレート保温筒",
        "フェノールフォーム保温筒", "押出法ポリスチレンフォーム保温板", "セラミックファイバーブランケット",
        "マイクロポーラス保温板"})
    EXPECT_TRUE(materials.Find(QString::fromUtf8(name))) << name;
  const Material* rock = materials.Find(QStringLiteral("ロックウール保温筒"));
  ASSERT_TRUE(rock);
  EXPECT_EQ(rock->form, Form::PipeSection);
  EXPECT_EQ(rock->highest, 650);
  // The fit passes near every point the file gives (within 3 %).
  for (const Material& m : materials.items) {
    EXPECT_FALSE(m.source.isEmpty()) << m.name.toStdString();
    for (const SurfaceCalc::ConductivityPoint& p : m.points)
      EXPECT_NEAR(double(SurfaceCalc::ConductivityAt(m.k, p.T) / p.k), 1, 0.03) << m.name.toStdString();
  }
  EXPECT_EQ(materials.OfForm(Form::Blanket).size(), 1u);
  const Jackets jackets = ReadJackets(Shipped("gaisou_zairyou.csv"));
  EXPECT_TRUE(jackets.problems.isEmpty()) << jackets.problems.join(QLatin1Char('\n')).toStdString();
  ASSERT_TRUE(jackets.Find(QStringLiteral("アルミニウム板（光沢）")));
  EXPECT_EQ(jackets.Find(QStringLiteral("アルミニウム板（光沢）"))->emissivity, 0.05L);
  EXPECT_GE(jackets.items.size(), 8u);

  // Written back line by line (a formula line added), read again: the same.
  QTemporaryDir dir;
  QStringList lines;
  for (const Material& m : materials.items) lines << Line(m);
  Material formula = materials.items.front();
  formula.name = QStringLiteral("式の材料, \"引用\"");
  formula.points.clear();
  formula.k = {0.0337L, 1.51e-4L, 2.5e-7L};
  lines << Line(formula);
  TextFile::Write(dir.filePath(QStringLiteral("m.csv")), lines);
  const Materials again = ReadMaterials(dir.filePath(QStringLiteral("m.csv")));
  ASSERT_TRUE(again.problems.isEmpty()) << again.problems.join(QLatin1Char('\n')).toStdString();
  ASSERT_EQ(again.items.size(), materials.items.size() + 1);
  for (size_t i = 0; i < materials.items.size(); ++i) {
    const Material &a = materials.items[i], &b = again.items[i];
    EXPECT_EQ(a.name, b.name);
    EXPECT_EQ(a.source, b.source);
    EXPECT_EQ(a.k.a, b.k.a);
    EXPECT_EQ(a.k.b, b.k.b);
    EXPECT_EQ(a.k.c, b.k.c);
    EXPECT_EQ(a.lowest, b.lowest);
    EXPECT_EQ(a.highest, b.highest);
  }
  const Material& f = again.items.back();
  EXPECT_EQ(f.name, formula.name);
  EXPECT_EQ(f.k.a, 0.0337L);
  EXPECT_EQ(f.k.b, 1.51e-4L);
  EXPECT_EQ(f.k.c, 2.5e-7L);
  lines.clear();
  for (const Jacket& j : jackets.items) lines << Line(j);
  TextFile::Write(dir.filePath(QStringLiteral("j.csv")), lines);
  const Jackets jacketsAgain = ReadJackets(dir.filePath(QStringLiteral("j.csv")));
  ASSERT_EQ(jacketsAgain.items.size(), jackets.items.size());
  EXPECT_EQ(jacketsAgain.items[2].emissivity, jackets.items[2].emissivity);
  EXPECT_EQ(jacketsAgain.items[2].source, jackets.items[2].source);
}

TEST(MaterialLibrary, BadLinesAreNamedAndTheRestLoads) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("hoonzai_zairyou.csv"));
  TextFile::Write(
      path, {
                QStringLiteral("# 説明"),
                QStringLiteral("良い材料,保温板,100,0,400,資料 A,式,0.04,0.0001,,"),
                QStringLiteral("形が違う,保温箱,100,0,400,資料,式,0.04"),
                QStringLiteral("密度なし,保温板,,0,400,資料,式,0.04"),
                QStringLiteral(""),
                QStringLiteral("範囲が逆,保温板,100,400,0,資料,式,0.04"),
                QStringLiteral("出典なし,保温板,100,0,400,,式,0.04"),
                QStringLiteral("負になる,保温板,100,0,400,資料,式,0.04,-0.0002"),
                QStringLiteral("点が半端,保温筒,100,0,400,資料,点,50,0.04,100"),
                QStringLiteral("同じ温度,保温筒,100,0,400,資料,点,50,0.04,50,0.05"),
                QStringLiteral("ユーザー定義,保温筒,100,0,400,資料,式,0.04"),
                QStringLiteral("良い材料,保温筒,100,0,400,資料,式,0.04"),
                QStringLiteral("与え方なし,保温筒,100,0,400,資料,表,0.04"),
                QStringLiteral("２点,ブランケット,１２８,０,１０００,\"資料 B, 表 3\",点,200,0.06,800,0.21"),
            });
  const Materials m = ReadMaterials(path);
  ASSERT_EQ(m.items.size(), 2u);
  EXPECT_EQ(m.items[0].line, 2);
  EXPECT_EQ(m.items[0].k.b, 0.0001L);
  EXPECT_EQ(m.items[1].source, QStringLiteral("資料 B, 表 3"));
  EXPECT_EQ(m.items[1].density, 128);
  EXPECT_NEAR(double(m.items[1].k.b), 0.15 / 600, 1e-15);
  const QStringList expected = {
      QStringLiteral("ファイル hoonzai_zairyou.csv の 3 行目: 形状 '保温箱' は 保温筒、保温板、ブランケット "
                     "のどれかにしてください。"),
      QStringLiteral("ファイル hoonzai_zairyou.csv の 4 行目: 密度 '' は数ではありません。"),
      QStringLiteral("ファイル hoonzai_zairyou.csv の 6 行目: 最低使用温度は -273.15 "
                     "℃以上で、最高使用温度より低くしてください。"),
      QStringLiteral("ファイル hoonzai_zairyou.csv の 7 行目: 出典がありません。"),
      QStringLiteral("ファイル hoonzai_zairyou.csv の 8 行目: 熱伝導率が使用温度の範囲（0～400 ℃）で 0 "
                     "以下になります。"),
      QStringLiteral("ファイル hoonzai_zairyou.csv の 9 行目: 「点」の後は 平均温度 ℃,熱伝導率 の組を 1 "
                     "つ以上並べてください。"),
      QStringLiteral("ファイル hoonzai_zairyou.csv の 10 行目: 同じ平均温度に違う熱伝導率があります。"),
      QStringLiteral("ファイル hoonzai_zairyou.csv の 11 行目: "
                     "名称「ユーザー定義」は手入力の値の表示に使うので、材料の名称にはできません。"),
      QStringLiteral("ファイル hoonzai_zairyou.csv の 12 行目: 名称「良い材料」はもう使われています。"),
      QStringLiteral(
          "ファイル hoonzai_zairyou.csv の 13 行目: 熱伝導率の与え方 '表' は「式」か「点」にしてください。"),
  };
  EXPECT_EQ(m.problems, expected);

  const QString jackets = dir.filePath(QStringLiteral("gaisou_zairyou.csv"));
  TextFile::Write(jackets, {QStringLiteral("光る板,0.05,資料"), QStringLiteral("黒すぎ,1.2,資料"),
                            QStringLiteral("出典なし,0.9")});
  const Jackets j = ReadJackets(jackets);
  ASSERT_EQ(j.items.size(), 1u);
  EXPECT_EQ(
      j.problems,
      (QStringList{QStringLiteral(
                       "ファイル gaisou_zairyou.csv の 2 行目: 放射率は 0 より大きく 1 以下にしてください。"),
                   QStringLiteral("ファイル gaisou_zairyou.csv の 3 行目: 出典がありません。")}));
  EXPECT_THROW(ReadMaterials(dir.filePath(QStringLiteral("none.csv"))), FileError);
}
