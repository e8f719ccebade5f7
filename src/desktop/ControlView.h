// Mirrors one control of the main window's model on its widget or menu entry, so that the
// window shows exactly what the handlers left in the model.
#pragma once

#include <QObject>

#include "app/MainForm.h"

namespace velkora {

// Text (or caption), list items, selection, check, visibility and enabling. Widgets are updated
// only where they differ, so a box keeps its cursor and no signal is raised.
void ShowControl(QObject* target, const Control& control);

}  // namespace velkora
