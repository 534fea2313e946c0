#pragma once
// Handing a file to the desktop's program for it (a page to the web browser).
#include <QString>
#include <functional>

// Opens `file`. False when nothing could be started. xdg-open returns at
// once when it cannot find a program for the file, and starts no process
// that would tell: its exit status is watched for a few seconds, and
// `failed` is called (in this thread) when it says nothing took the file. A
// browser that keeps xdg-open waiting counts as opened.
bool OpenWithDesktop(const QString& file, std::function<void()> failed, int watchMs = 5000);
