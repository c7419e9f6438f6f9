// The document controller's work on allies' maps.
#include "doc/doccontroller.h"

DocOutcome DocController::AddAllyMap(const char* path) {
    DocOutcome out;
    out.file = path;
    return out;
}

DocOutcome DocController::RemoveAlly(int) {
    return {};
}

DocOutcome DocController::RefreshAlly(int) {
    return {};
}

DocOutcome DocController::ExportForAlly(const char* path, AtlDate) {
    DocOutcome out;
    out.file = path;
    return out;
}
