#pragma once

#include <string>

// The name a queue found in a datagram is listed under: the fixed queue name stands for the selected model.
std::wstring ListedQueueName(const std::wstring& queue, const std::wstring& model);

// Whether a listed name belongs to the model: it is not empty and its visible text holds the model's name.
bool IsQueueOfModel(const std::wstring& listedName, const std::wstring& model);
