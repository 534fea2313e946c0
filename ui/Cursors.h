#pragma once
// The editing view's seven cursors from the program's own images, each with
// its hot spot. Until an image exists the nearest standard shape stands in.
#include <QCursor>

#include "view/ViewHost.h"

QCursor ViewCursorFor(ViewCursor cursor);
