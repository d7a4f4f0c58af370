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
  return QString();
}

QString ProtectedMessage() {
  return QStringLiteral("これは上書き禁止ファイルです。名前を変えてください。\r"
                        "上書き禁止ファイルの保存には頭に「aaa」を付けてください。");
}

}  // namespace MemoName
