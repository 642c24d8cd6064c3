#pragma once

class QWidget;

namespace quorvane {

// The window's state and outer rectangle in the settings store, in the group
// "Software\Kestrow\Quorvane\FormStore\" + the window's object name.
// A maximised window stores only "WindowState" = 2 and keeps the rectangle
// stored before; otherwise "Left", "Top", "Right", "Bottom" and "WindowState" = 0.
void StoreFormPlacement(const QWidget& form);

// Puts the window back where StoreFormPlacement left it. Without a stored
// placement, or with a rectangle that is incomplete or not made of numbers,
// the window keeps its design size and position.
void RestoreFormPlacement(QWidget& form);

}  // namespace quorvane
