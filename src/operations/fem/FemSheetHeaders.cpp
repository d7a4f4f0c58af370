#include "operations/fem/FemSheetHeaders.h"

namespace {
// clang-format off
const FemHeaderCell kHeaders[] = {
  {0, 0, u"有限要素法伝熱解析"},
  {1, 0, u"要素数"},
  {2, 0, u"熱伝導率　W/m℃"},
  {3, 0, u"よこ　mm"},
  {4, 0, u"たて　mm"},
  {0, 2, u"要素の属性入力"},
  {0, 3, u"　↓　要素の厚さ　ｍｍ"},
  {1, 2, u"T"},
  {2, 2, u"λ"},
  {3, 2, u"Ａ"},
  {4, 2, u"Ｂ"},
  {5, 2, u"接触面Ａ"},
  {6, 2, u"接触面Ｂ"},
  {7, 2, u"接触面Ｃ"},
  {8, 2, u"上面Ｄ"},
  {9, 2, u"下面Ｅ"},
  {1, 3, u"T1"},
};
// clang-format on
}  // namespace

namespace FemSheetTexts {

std::span<const FemHeaderCell> Headers() { return kHeaders; }

QString ElementCountRange(int maxElements) {
  return QStringLiteral("要素数は1から%1までにしてください。").arg(maxElements);
}

QString TableTooLarge(int maxRowsPlusElements) {
  return QStringLiteral("表が大きすぎて結果が入りません。表の行数と要素数の合計を%1以下にしてください。")
      .arg(maxRowsPlusElements);
}

QString FillNameNotFound(const QString& name) {
  return QStringLiteral("要素「%1」が見つかりません。範囲は「λ0.5T1T10」のように要素名二つで入れてください。")
      .arg(name);
}

QString BadThickness(const QString& text) {
  return QStringLiteral("要素の厚さ「%1」は1以上の整数にしてください。").arg(text);
}

QString FloatingElements(const QString& names) {
  return QStringLiteral("要素 %1 は境界への熱の通り道がないため、温度が決まりません。"
                        "接触面に境界か相手の要素を入れ、寸法と熱伝導率を確認してください。")
      .arg(names);
}

QString SingularSystem(const QString& condition) {
  if (condition.isEmpty())
    return QStringLiteral("係数行列Gが特異なため、温度を求められません。要素と境界のつながりを確認してください。");
  return QStringLiteral("係数行列Gの条件数が%1と大きく、温度を正しく求められません。"
                        "熱伝導率や寸法の桁が極端に違わないか確認してください。")
      .arg(condition);
}

QString Unbalanced(const QString& sum, const QString& largest) {
  return QStringLiteral("境界の熱流の和が%1 Wで、最大の熱流%2 Wに比べてゼロになりません。"
                        "熱の収支が合わないモデルです。"
                        "一つの相手を二つの面で指定していないか、接触面の相手と寸法を確認してください。")
      .arg(sum, largest);
}

}  // namespace FemSheetTexts
