#pragma once
// What assistive technology sees of the controls that Qt cannot describe by
// itself: the chooser as a combo box, and the buttons the frame draws.

void InstallAccessibility();
