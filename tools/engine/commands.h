// The engine's command groups. Each group lives in a file of its own and adds its handlers to
// the table; a new group is declared here and added in defaultCommands().
#pragma once

#include "tools/engine/engine.h"

namespace engine {

// quit, setoption level N, setoption drops on|off, setoption nodes N.
void addSessionCommands(CommandTable& table);
// position LINE | notation STRING, legal, play FX FY TX TY CODE.
void addPositionCommands(CommandTable& table);
// survey, mate.
void addSurveyCommands(CommandTable& table);
// go, candidates, hint.
void addComCommands(CommandTable& table);
// analyse [NODES] [top|bottom].
void addAnalysisCommands(CommandTable& table);
// notation; `position notation STRING` is read by positionFromNotation.
void addNotationCommands(CommandTable& table);
Answer positionFromNotation(EngineState& state, std::string_view text);

// Every command the engine knows.
CommandTable defaultCommands();

}  // namespace engine
