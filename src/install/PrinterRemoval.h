#pragma once

#include <cstdint>

#include "install/InstallTarget.h"
#include "ports/PrinterSpooler.h"

constexpr uint32_t REMOVAL_DONE = 0;
constexpr uint32_t REMOVAL_NOT_OPENED = 0xFFFFFFFF;

// The removal worker's routine: deletes the stale printer named in the target and answers its exit code:
// REMOVAL_DONE when the name is empty or the printer was deleted, REMOVAL_NOT_OPENED when it could not be
// opened, and the platform's error code when it was opened but not deleted (REMOVAL_NOT_OPENED when the
// platform gave no code).
uint32_t PrinterRemovalWorker(const InstallTarget& target, IPrinterSpooler& spooler);
