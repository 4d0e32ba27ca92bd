#include "tools/engine/commands.h"

namespace engine {

CommandTable defaultCommands() {
    CommandTable table;
    addSessionCommands(table);
    addPositionCommands(table);
    addSurveyCommands(table);
    addComCommands(table);
    addAnalysisCommands(table);
    addNotationCommands(table);
    return table;
}

}  // namespace engine
