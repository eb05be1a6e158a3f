#pragma once

class QWidget;

// What assistive technology finds below a window or a panel: the controls that are shown,
// and nothing else. A hidden control (a state label, a panel put away out of sight, a control
// behind a panel in sight) is left out of the tree, not only marked invisible, so a screen
// reader's review lists nothing that the eye does not see.
void exposeShownChildrenOnly(QWidget *container);
