#pragma once

#include <QIcon>

namespace pet::qt {

// The window's icon: the yellow bun's face, drawn at the sizes asked for.
QIcon bunIcon();

}  // namespace pet::qt
