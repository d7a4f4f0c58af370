// The header cells of the finite-element sheet and the texts it shows.
#pragma once

#include <QString>
#include <span>

struct FemHeaderCell {
  int column;
  int row;
  const char16_t* text;
};

namespace FemSheetTexts {

// The cells "要素法" writes; other cells are not touched.
std::span<const FemHeaderCell> Headers();

inline QString NoElementCount() { return QStringLiteral("要素の数がありません。"); }
inline QString NoElementData() { return QStringLiteral("要素のデータがありません。"); }
inline QString SavePrompt() { return QStringLiteral("条件データを保存しますか？"); }
inline QString CheckPartner(const QString& element) {
  return element + QStringLiteral("の相手要素を確認してください。");
}
inline QString HalfWidthLetters() { return QStringLiteral("「λ」以外は英数字を入れてください。"); }
inline QString Done() { return QStringLiteral("スミ"); }
QString ElementCountRange(int maxElements);
QString TableTooLarge(int maxRowsPlusElements);
QString FillNameNotFound(const QString& name);
QString BadThickness(const QString& text);

// The solved plate: captions of the result columns and the reasons a run
// gives no temperatures or a heat balance that does not close.
inline QString TemperatureCaption() { return QStringLiteral("温度℃"); }
inline QString FlowCaption() { return QStringLiteral("熱流W"); }
inline QString FlowSumCaption() { return QStringLiteral("熱流の和W"); }
// names: the floating elements as the table names them, "T3、T4".
QString FloatingElements(const QString& names);
// condition: the estimated condition number as text, empty where the
// factorisation met a zero pivot.
QString SingularSystem(const QString& condition);
QString Unbalanced(const QString& sum, const QString& largest);

}  // namespace FemSheetTexts
