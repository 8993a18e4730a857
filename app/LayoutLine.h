// The text line of an extra static text or group box in a dialog layout file:
// "left top width height, style, text" with the style in hexadecimal.
#pragma once

struct LayoutLine {
    long left = 0, top = 0, right = 0, bottom = 0;
    unsigned long style = 0;
    const char* text = nullptr; // points into the parsed value
};

// Returns -1 when the line parses, otherwise the 0-based position where reading stopped.
// Needs no window, so it can be checked on its own.
int ParseLayoutLine(const char* value, LayoutLine& line);
