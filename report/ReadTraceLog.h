// Reads a game's trace log, whole or while the game writes it, into a learning record.
#pragma once
#include "GameRebuilder.h"
#include <string>

namespace report {

// Reads the file up to its last whole line into the record; false with a message when it cannot
// be opened or read.
bool ReadTraceLog(const std::string& path, LearningRecord& record, std::string& error);
// The same into any reader of lines, which the caller finishes.
bool ReadTraceLines(const std::string& path, TraceLineSink& sink, std::string& error);

} // namespace report
