#include "operations/memo/MemoName.h"

#include "store/Cp932.h"

namespace MemoName {

namespace {
constexpr int kAaaRestBytes = 20;

bool IsControl(QChar c) { return c.unicode() < 32 || c.category() == QChar::Other_Control; }
}  // namespace

bool IsProtected(const QString& name) {
  if (name.isEmpty()) return false;
  const QChar c = name[0];
  return c == QLatin1Char('Z') || c == QLatin1Char('z') || c == QChar(0xFF3A) || c == QChar(0xFF5A);
}

bool HasAaaPrefix(const QString& name) { return name.startsWith(QLatin1String("aaa"), Qt::CaseSensitive); }

QString ApplyAaaRule(const QString& name) {
  if (!HasAaaPrefix(name)) return name;
  const QString rest = Cp932::ByteMid(name.mid(3), 0, kAaaRestBytes);
  return IsProtected(rest) ? rest : QStringLiteral("Z") + rest;
}

QString Refusal(const QString& name) {
  bool control = false;
  for (QChar c : name) control = control || IsControl(c);
  if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
      name.contains(QLatin1String("..")) || control)
    return QStringLiteral("メモの名前に「/」「\\」「..」や制御文字は使えません。\r名前を変えてください。");
  // A file whose name begins with a dot is hidden: the memo list never shows it.
  if (name.startsWith(QLatin1Char('.')))
    return QStringLiteral(
        "メモの名前を「.」で始めることはできません（一覧に表示されないファイルになります）。\r"
        "名前を変えてください。");
  // Line and paragraph separators and invisible format characters make a
  // name that does not show what it is.
  for (QChar c : name) {
    const QChar::Category k = c.category();
    if (k == QChar::Separator_Line || k == QChar::Separator_Paragraph || k == QChar::Other_Format)
      return QStringLiteral(
                 "メモの名前に区切り文字や見えない文字（U+%1）は使えません。\r名前を変えてください。")
          .arg(QString::number(c.unicode(), 16).toUpper().rightJustified(4, QLatin1Char('0')));
  }
  return QString();
}

QString ProtectedMessage() {
  return QStringLiteral("これは上書き禁止ファイルです。名前を変えてください。\r"
                        "上書き禁止ファイルの保存には頭に「aaa」を付けてください。");
}

}  // namespace MemoName
