#include "operations/common/StoreActions.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include "foundation/Errors.h"
#include "store/ConditionStore.h"
#include "store/StoreFile.h"
#include "store/StoreFileWatch.h"
#include "store/TextFile.h"
#include "widgets/Dialogs.h"
#include "widgets/Form.h"

namespace StoreActions {

void LoadStore(Form& f) {
  const QString path = f.Path(QString::fromLatin1(StoreFile::kWorking));
  bool whole = true;
  {
    BusyPointer busy(f.Dlg());
    whole = StoreFile::Load(f.Store(), f.Repository().Watch(), path);
  }
  if (!whole)
    f.Message(QStringLiteral("ファイル %1 に読めない文字がありました。「?」に置き換えて読み込みました。").arg(path));
}

namespace {

QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) throw FileError(QStringLiteral("ファイル %1 は開けません").arg(path));
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError)
    throw FileError(QStringLiteral("ファイル %1 は開けません").arg(path));
  return bytes;
}

// heatwork.csv.damaged-20250131-093005 beside the store, a name not taken yet.
QString DamagedCopyName(const QString& path) {
  const QString base = path + QStringLiteral(".damaged-") +
                       QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
  QString name = base;
  for (int n = 2; QFileInfo::exists(name) || QFileInfo(name).isSymLink(); ++n)
    name = base + QLatin1Char('-') + QString::number(n);
  return name;
}

}  // namespace

void LoadStoreAtStartUp(Form& f) {
  const QString path = f.Path(QString::fromLatin1(StoreFile::kWorking));
  StoreFile::Damage damage;
  bool whole = true;
  {
    BusyPointer busy(f.Dlg());
    whole = StoreFile::Load(f.Store(), f.Repository().Watch(), path, &damage);
  }
  if (damage) {
    const QString kept = DamagedCopyName(path);
    if (f.Confirm(QStringLiteral("ファイル %1 の %2 行目が壊れています（%3）。\r"
                                 "このままでは正しく計算できません。復元して初期のデータに戻しますか。\r"
                                 "（壊れたファイルは %4 として残します）")
                      .arg(path)
                      .arg(damage.line)
                      .arg(damage.what, QFileInfo(kept).fileName()))) {
      const QByteArray factory = ReadBytes(f.Path(QString::fromLatin1(StoreFile::kFactory)));
      // The damaged file is copied first: the engineer may want what it
      // still holds, and a failing copy leaves everything as it was.
      TextFile::WriteBytes(kept, ReadBytes(path));
      TextFile::WriteBytes(path, factory);
      f.Repository().Watch().SavedBytes(factory);
      f.Store() = ConditionStore();  // nothing of the damaged file stays, row 80 neither
      LoadStore(f);
      f.Message(
          QStringLiteral("ファイル %1 を初期のデータに戻しました。\r壊れたファイルは %2 に残してあります。")
              .arg(path, kept));
      return;
    }
  }
  if (!whole)
    f.Message(QStringLiteral("ファイル %1 に読めない文字がありました。「?」に置き換えて読み込みました。")
                  .arg(path));
}

void SaveStore(Form& f) {
  const QString path = f.Path(QString::fromLatin1(StoreFile::kWorking));
  // Another window on the same files may have saved since this one read or
  // wrote the file: its save is not written over without a question.
  if (f.Repository().Watch().ChangedOnDisk() && !f.Confirm(StoreFileWatch::Question(path))) return;
  {
    BusyPointer busy(f.Dlg());
    f.Store().Save(path);
  }
  f.Repository().Watch().Saved(f.Store().Lines());
  f.Message(QStringLiteral("デ－タを保存しました"));
}

}  // namespace StoreActions
