#include "operations/curves/SweepRun.h"

#include <QSet>

#include "foundation/Errors.h"
#include "foundation/FloatFaults.h"
#include "foundation/NumberText.h"
#include "operations/heating/HeatingTrace.h"

namespace {

// The copy a point runs on: it knows which fields the Run wrote, so that
// a Run that ends before its results leaves no result of another input.
class PointFields : public FieldSnapshot {
 public:
  explicit PointFields(const FieldSnapshot& base) : FieldSnapshot(base) {}
  void SetText(const char* name, const QString& text) override {
    FieldSnapshot::SetText(name, text);
    written_.insert(QLatin1String(name));
  }
  bool Written(const char* name) const { return written_.contains(QLatin1String(name)); }
  void ForgetWritten() { written_.clear(); }

 private:
  QSet<QString> written_;
};

}  // namespace

SweepRow SweepPoint(const SweepPlan& plan, const FieldSnapshot& base, int i, const std::atomic<bool>* stop) {
  // The flags belong to this thread: the point starts clean, as an
  // operation of the window does.
  FloatFaults::Clear();
  PointFields fields(base);
  SweepRow row;
  row.input = NumberText(curves::SweepValue(plan.from, plan.to, plan.points, i));
  fields.SetText(plan.input.field, row.input);
  fields.ForgetWritten();
  HeatingTrace trace;
  trace.stop = stop;
  QString error;
  try {
    plan.calculator.Run(fields, &trace);
  } catch (const AppError& e) {
    error = e.text();
  } catch (const std::exception& e) {
    error = QString::fromUtf8(e.what());
  }
  FloatFaults::Clear();
  for (const FieldChoice& out : plan.outputs)
    row.outputs << (fields.Written(out.field) ? fields.Text(out.field) : QString());
  row.notes = fields.Messages();
  if (!error.isEmpty()) row.notes << error;
  return row;
}

curves::SweepResult<SweepRow> RunParameterSweep(const SweepPlan& plan, const FieldSnapshot& base,
                                                curves::SweepControl& control, int threads) {
  return curves::RunSweep(
      plan.points, [&](int i) { return SweepPoint(plan, base, i, &control.cancel); }, control, threads);
}
