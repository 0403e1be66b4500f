#pragma once

class QApplication;

// A focus ring a keyboard user finds at a glance: 2 px wide, in a blue that
// stands out 3:1 or more against the light face and the black labels alike,
// drawn around whatever has the focus (Fusion's own is 1 px).
namespace FocusRing {

// The application's style with the ring, and the ring following the focus.
void install(QApplication& app);

} // namespace FocusRing
