#pragma once

#include <optional>
#include <string>

#include "install/InstallScript.h"
#include "ports/CodePage936.h"
#include "velbrix-check/logic/Findings.h"
#include "velbrix-check/logic/IniView.h"

// The longest queue name, beginning with the model's name, for which automatic installation's command fits (with
// the widest IPv4 address); nothing when not even the model's name alone fits.
std::optional<std::size_t> LongestFittingQueue(const std::wstring& model, const std::wstring& infPath,
                                               const std::wstring& driverName);

// What would break the installation script, by the script's own rules: a double quote, "%", "!" or a control
// character in the folder's path, a driver name or an INF path (in a model's name, which every queue name of
// the model holds, Velbrix refuses such a printer); a character without a code page 936 form; a path for the
// script itself beyond 259 characters; an option beyond 259 or a command beyond 511 characters for the queue
// name of FIXED_QUEUE_SUFFIX, with the margin left when it fits.
Findings CheckInstallScript(const IniView& view, ICodePage936& codePage936);
