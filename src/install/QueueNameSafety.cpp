#include "install/QueueNameSafety.h"

#include <algorithm>

#include "install/BatchLineCharacter.h"

bool IsSafeQueueName(const std::wstring& queueName) {
    return std::none_of(queueName.begin(), queueName.end(), BreaksBatchLine);
}
