#include "install/PrinterRemoval.h"

uint32_t PrinterRemovalWorker(const InstallTarget& target, IPrinterSpooler& spooler) {
    if (target.StalePrinterName.empty()) {
        return REMOVAL_DONE;
    }
    const IPrinterSpooler::Deletion deletion = spooler.DeletePrinter(target.StalePrinterName);
    if (!deletion.Opened) {
        return REMOVAL_NOT_OPENED;
    }
    if (deletion.Deleted) {
        return REMOVAL_DONE;
    }
    // A refused deletion must never read as done, even when the platform left no error code behind.
    return deletion.ErrorCode != REMOVAL_DONE ? deletion.ErrorCode : REMOVAL_NOT_OPENED;
}
