// The main window's two column-order lists: the order of the delimited input files (and of the
// reference file), and that of a delimited output file.
#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "app/MainForm.h"
#include "app/Prompter.h"
#include "app/Session.h"
#include "engine/points/ColumnOrder.h"

namespace velkora {

// The entries of inOrder and of outOrder, in order.
inline constexpr std::array<const char*, 2> kInputOrderItems = {"P,E,N", "P,N,E"};
inline constexpr std::array<const char*, 3> kOutputOrderItems = {"As Input", "P,E,N", "P,N,E"};

// The orders the lists select; none for the output's "As Input".
ColumnOrder InputOrderOf(const MainForm& form);
std::optional<ColumnOrder> OutputOrderOf(const MainForm& form);

// A choice in inOrder: a reference file already loaded is read again in the new order, and the
// control points whose numbers it holds are filled again from it.
void SelectInputOrder(Session& session, MainForm& form, Prompter& prompter, std::size_t entry);

// A choice in outOrder.
void SelectOutputOrder(MainForm& form, std::size_t entry);

}  // namespace velkora
