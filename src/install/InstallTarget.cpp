#include "install/InstallTarget.h"

#include "discovery/VisibleText.h"

std::wstring PrinterNameOf(const InstallTarget& target) {
    return VisibleText(target.QueueName + L" on " + target.PortAddress);
}
