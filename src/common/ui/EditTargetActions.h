#pragma once

#include "common/EditMenuRules.h"

class QWidget;

namespace zendrova {

// The standard edit commands on whichever kind of text control a menu opened on.
namespace EditTargetActions {
EditMenuInput inspect(QWidget *component);
void undo(QWidget *component);
void cut(QWidget *component);
void copy(QWidget *component);
void paste(QWidget *component);
void deleteSelection(QWidget *component);
void selectAll(QWidget *component);
} // namespace EditTargetActions

} // namespace zendrova
