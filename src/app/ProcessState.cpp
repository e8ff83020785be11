#include "app/ProcessState.h"

ProcessState& TheProcessState() {
    static ProcessState* const state = new ProcessState();
    return *state;
}
