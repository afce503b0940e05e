#include "editing/transfer_records.h"

namespace tolvane {

namespace {
template <class Clip>
void Forget(KindRecords<Clip>& r, int d) {
  if (r.clipboard.sourceSet == d) r.clipboard.sourceSet = 0;
  if (r.undo.sourceSet == d) r.undo.sourceSet = 0;
  if (r.clipboardBeforeInsert.sourceSet == d) r.clipboardBeforeInsert.sourceSet = 0;
  if (r.clipboardAfterInsert.sourceSet == d) r.clipboardAfterInsert.sourceSet = 0;
}
}  // namespace

void EditRecords::ForgetDocument(int d) {
  Forget(arrangements, d);
  Forget(styles, d);
  Forget(programs, d);
  Forget(backingSequences, d);
  Forget(songs, d);
  if (drag.document == d) drag = DragSource{};
}

void EditRecords::PrepareEmptyItems(const StyleHeader& templateStyleHeader) {
  arrangements.empty = ArrangementClip{};
  arrangements.empty.item.SetName(std::string(10, ' '));
  styles.empty = MakeEmptyStyleTemplate(templateStyleHeader);
  programs.empty = ProgramClip{};
  programs.empty.record.SetName(std::string(10, ' '));
  backingSequences.empty = BackingSequenceClip{};
  backingSequences.empty.record.SetName(std::string(10, ' '));
  songs.empty = SongClip{};
  songs.empty.record.SetName(std::string(10, ' '));
}

}  // namespace tolvane
