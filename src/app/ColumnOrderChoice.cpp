// The column-order lists of the main window.
#include "app/ColumnOrderChoice.h"

#include "app/ReferenceFile.h"
#include "engine/text/TextColumns.h"

namespace velkora {

namespace {

void Select(Control& list, std::size_t entry) {
  if (entry < list.items.size()) {
    list.selected = static_cast<std::int64_t>(entry);
    list.text = list.items[entry];
  }
}

}  // namespace

ColumnOrder InputOrderOf(const MainForm& form) {
  return form.inOrder.selected == 1 ? ColumnOrder::kNorthingFirst : ColumnOrder::kEastingFirst;
}

std::optional<ColumnOrder> OutputOrderOf(const MainForm& form) {
  switch (form.outOrder.selected) {
    case 1:
      return ColumnOrder::kEastingFirst;
    case 2:
      return ColumnOrder::kNorthingFirst;
    default:
      return std::nullopt;
  }
}

void SelectInputOrder(Session& session, MainForm& form, Prompter& prompter, std::size_t entry) {
  const std::int64_t before = form.inOrder.selected;
  Select(form.inOrder, entry);
  if (form.inOrder.selected == before || Trim(form.rFileName.text).empty()) {
    return;
  }
  // Boxes filled from the list in the old order would keep X and Y swapped.
  if (LoadReferenceFile(session, form, prompter)) {
    RefillControlPoints(session, form);
  }
}

void SelectOutputOrder(MainForm& form, std::size_t entry) {
  Select(form.outOrder, entry);
}

}  // namespace velkora
