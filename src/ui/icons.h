#pragma once
// The program's own pictures: the application icon and the step-button images.
#include "editor/control_table.h"

#include <QIcon>

namespace sw {

// Registers the compiled-in pictures; a static library's resources are not
// registered by themselves. Safe to call more than once.
void InitUiResources();

QIcon ApplicationIcon();
// The picture of a step button; a null icon for StepImage::None.
QIcon StepIcon(StepImage image);

} // namespace sw
