// The upper area's views: reference grid, formula-text view, text memo,
// grid memo, usage text, long-cell box, and the side panels with the file
// lists and the name panel. Owns the operations on them.
#pragma once

#include <memory>

#include "widgets/Subsystem.h"

class MemoStore;
class ReferenceViewer;
class PickUp;
class UsageText;

class MemoViews : public Subsystem {
 public:
  explicit MemoViews(Form& form);
  ~MemoViews() override;
  void Build() override;
  void Wire() override;

  // Start-up step: the memo and reference file lists.
  void StartUp();

  // Also used by the finite-element sheet, which lays its table out on the
  // grid memo.
  void ToggleMemo();
  void ToggleNamePanel();

  MemoStore& Memos() { return *store_; }
  ReferenceViewer& Reference() { return *reference_; }
  PickUp& PickUps() { return *pickUp_; }
  UsageText& Usage() { return *usage_; }

 private:
  std::unique_ptr<MemoStore> store_;
  std::unique_ptr<ReferenceViewer> reference_;
  std::unique_ptr<PickUp> pickUp_;
  std::unique_ptr<UsageText> usage_;
};
