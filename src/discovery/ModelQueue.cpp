#include "discovery/ModelQueue.h"

#include "discovery/FixedQueue.h"
#include "discovery/VisibleText.h"

std::wstring ListedQueueName(const std::wstring& queue, const std::wstring& model) {
    return VisibleText(queue) == FIXED_QUEUE_NAME ? model + std::wstring(FIXED_QUEUE_SUFFIX) : queue;
}

bool IsQueueOfModel(const std::wstring& listedName, const std::wstring& model) {
    return !listedName.empty() && VisibleText(listedName).find(model) != std::wstring::npos;
}
