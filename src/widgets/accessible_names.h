// Names for screen readers: every control that can be used gets a name (its caption, else the
// first part of its hint), so a screen reader can read the window.
#pragma once

class QWidget;

namespace tintora {

// Names every unnamed control under `root`, the windows it owns included.
void NameControlsForScreenReaders(QWidget* root);

// Whether a screen reader would have to read `widget` to use the window (it takes input or
// the keyboard focus).
bool UsableControl(const QWidget* widget);

}  // namespace tintora
