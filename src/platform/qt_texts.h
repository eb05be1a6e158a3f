#pragma once

// Qt draws texts of its own: the buttons of message boxes, the menus of text boxes and scroll
// bars, key names. The program speaks German whatever the desktop's language is, so these come
// from Qt's German catalogue in Qt's translations folder. Called once the application exists,
// before the first window; says on the error output, and returns false, when it is missing.
bool loadQtTextsInGerman();
