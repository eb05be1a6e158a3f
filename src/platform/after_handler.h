#pragma once

#include <functional>

class QObject;

// Work that is to see what a whole handler did, not one step of it, runs once the handler has
// returned: which controls are in reach once every panel has moved, what to announce once a
// control's name has stopped changing. An owner has at most one piece of work waiting; asking
// again while it waits changes nothing. Work runs in the order it was asked for, and goes with
// its owner.
void afterHandler(QObject *owner, std::function<void()> work);

// Runs now what waits for the handler's end. A modal box opened by the handler calls it first:
// its own event loop would run that work behind the box.
void runWhatWaitsForHandler();
