#include "install/QueueNameSafety.h"

#include <algorithm>

bool IsSafeQueueName(const std::wstring& queueName) {
    return std::none_of(queueName.begin(), queueName.end(), [](wchar_t character) {
        return character == L'"' || character == L'%' || character == L'!' || character < 0x20 || character == 0x7F;
    });
}
