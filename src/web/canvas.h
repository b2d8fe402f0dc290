// The browser's drawing backend, the C++ half: turns a recorded drawing into
// one buffer of numbers that the page's board.js draws command by command.
// Takes no decision about how a control looks (draw::record does), nor
// about how wide a text is (the faces' own tables do).
#pragma once
#include <string_view>
#include <vector>

#include "draw/drawing.h"

namespace web {

// The buffer: the board's size, then each command as its code and its
// numbers; a text as its font, colour, place, width, length and UTF-16 code units.
// board.js reads the same layout.
enum Code { kBegin = 0, kFill, kStroke, kSegment, kImage, kText, kClip, kUnclip };
std::vector<double> encode(const draw::Drawing& drawing, double width, double height);

// A text as the buffers hold it: its length, then its UTF-16 code units.
void putText(std::vector<double>& out, std::string_view utf8);

}  // namespace web
