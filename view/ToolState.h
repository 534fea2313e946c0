#pragma once
// What the running gesture is doing, as the tools, the keys and the cursor
// read it.

// Phases of a hand, guide or ruler gesture.
enum class ToolPhase { Press, Move, Release, Cancel };

// Bits and values of the tool state word.
constexpr int POLY_INSERT = 8;
constexpr int DRAG_POINT = 0x100;
constexpr int DRAG_MOVE = 0x200;
constexpr int DRAG_GUIDE = 0x204;
constexpr int DRAG_COPY = 0x1000;
