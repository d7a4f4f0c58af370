#include "operations/common/Unsaved.h"

#include <QSet>

#include "foundation/Errors.h"
#include "foundation/FloatFaults.h"
#include "store/StoreFile.h"
#include "widgets/FieldSnapshot.h"
#include "widgets/Form.h"

namespace {

// Fields that pass everything to the fields under them and note the names
// written; messages are dropped.
class WrittenFields : public Fields {
 public:
  explicit WrittenFields(Fields& inner) : inner_(inner) {}
  QString Text(const char* name) const override { return inner_.Text(name); }
  void SetText(const char* name, const QString& text) override {
    written.insert(QString::fromLatin1(name));
    inner_.SetText(name, text);
  }
  bool IsChecked(const char* name) const override { return inner_.IsChecked(name); }
  void Message(const QString&) override {}
  RunModes Modes() const override { return inner_.Modes(); }

  QSet<QString> written;

 private:
  Fields& inner_;
};

}  // namespace

QString StoredText(const ConditionStore& s, StoreCell cell, const char* factory) {
  const QString text = s.GetCell(cell);
  return factory && text.trimmed().isEmpty() ? QString::fromUtf8(factory) : text;
}

namespace Unsaved {

QString Question(const QStringList& items) {
  QString text = QStringLiteral("保存されていない変更があります。保存しますか。");
  for (const QString& item : items) text += QStringLiteral("\r　・") + item;
  return text;
}

QStringList ChangedFields(Form& f, std::span<const FieldCell> fields, const ConditionStore& saved,
                          const std::function<void(Fields&)>& run) {
  FieldSnapshot copy(f);
  WrittenFields probe(copy);
  // A run stopped by a bad input has written the results before it; the
  // input itself differs from its cell anyway.
  FloatFaults::Clear();
  try {
    run(probe);
  } catch (const std::exception&) {
  }
  FloatFaults::Clear();
  QStringList changed;
  for (const FieldCell& c : fields) {
    const QString name = QString::fromLatin1(c.field);
    if (!probe.written.contains(name) && f.Text(c.field) != StoredText(saved, c.cell, c.factory)) changed << name;
  }
  return changed;
}

ConditionStore SavedStore(Form& f) {
  ConditionStore saved;
  try {
    StoreFile::Load(saved, f.Path(QString::fromLatin1(StoreFile::kWorking)));
  } catch (const AppError&) {
    return f.Store();
  }
  return saved;
}

}  // namespace Unsaved
