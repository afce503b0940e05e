#include "details/global_details.h"

#include "details/detail_lines.h"
#include "sets/kind_import.h"
#include "sets/workspace.h"
#include "storage/tables.h"

namespace tolvane {

namespace {
using C = GlobalControl;
constexpr int kPedalSwitchFunctions = 30;  // the EC5 switches offer the switch functions only

std::vector<std::string> Numbers(int count) {
  std::vector<std::string> out;
  for (int i = 1; i <= count; ++i) out.push_back(std::to_string(i));
  return out;
}
}  // namespace

std::vector<std::string> GlobalDetails::Entries(GlobalControl control) {
  switch (control) {
    case C::DamperPolarity: return {"KORG (\x96)", "REVERSE (+)"};
    case C::Pedal1: case C::Pedal2: return {kFootswitchFunctions.begin(), kFootswitchFunctions.end()};
    case C::VelocityCurve: return Numbers(9);
    case C::AftertouchCurve: return Numbers(8);
    default: return {kFootswitchFunctions.begin(), kFootswitchFunctions.begin() + kPedalSwitchFunctions};
  }
}

std::size_t GlobalDetails::ByteOf(GlobalControl c) {
  switch (c) {
    case C::DamperPolarity: return GlobalRecord::kDamperPolarity;
    case C::Pedal1: return GlobalRecord::kPedal1;
    case C::Pedal2: return GlobalRecord::kPedal2;
    case C::VelocityCurve: return GlobalRecord::kVelocityCurve;
    case C::AftertouchCurve: return GlobalRecord::kAftertouchCurve;
    default: return GlobalRecord::kEc5Switches + (Index(c) - Index(C::Ec5A));
  }
}

std::optional<GlobalDetails> GlobalDetails::Open(Workspace& ws, int d) {
  if (!ws.InUse(d)) return {};
  GlobalDetails details(ws, d);
  if (!RunGuarded(ws, kGlobal, [&] { details.Load(); })) return {};
  return details;
}

void GlobalDetails::Load() {
  BusyPointer busy(ws_->ui);
  work_ = ws_->Stores(d_).global;
  caption_ = "Global in " + ws_->Slot(d_).name;
  for (int i = 0; i < kGlobalControlCount; ++i) {
    const auto c = static_cast<C>(i);
    positions_[Index(c)] = ListPosition(work_.bytes.at(ByteOf(c)), static_cast<int>(Entries(c).size()));
  }
  changed_ = false;
}

void GlobalDetails::Select(GlobalControl control, int position) {
  if (position < 0 || position >= static_cast<int>(Entries(control).size())) return;
  positions_[Index(control)] = position;
  changed_ = true;
}

bool GlobalDetails::Apply() {
  bool stored = false;
  if (changed_) {
    stored = RunGuarded(*ws_, kGlobal, [&] {
      GlobalRecord r = work_;
      for (int i = 0; i < kGlobalControlCount; ++i) {
        const auto c = static_cast<C>(i);
        r.bytes.at(ByteOf(c)) = static_cast<std::uint8_t>(positions_[Index(c)]);
      }
      ws_->Stores(d_).global = r;
      ws_->MarkModified(d_, kProgram);
    });
  }
  if (import_) RunGuarded(*ws_, kGlobal, [&] { imported_ = ImportWholeKind(*ws_, d_, kGlobal).changed; });
  return stored || imported_;
}

}  // namespace tolvane
