#include "velbrix-check/logic/InstallScriptRule.h"

#include "discovery/FixedQueue.h"
#include "discovery/IppAddress.h"
#include "discovery/VisibleText.h"
#include "install/BatchLineCharacter.h"
#include "install/InstallScript.h"
#include "install/InstallTarget.h"

namespace {

// The script Velbrix writes beside itself.
// The widest address a printer can have makes the longest printer name and port address.
const std::wstring WIDEST_IPV4 = L"255.255.255.255";

// The characters of the text that break a quoted batch value, which the script's rule refuses in a queue name.
std::wstring UnsafeCharacters(const std::wstring& text) {
    std::wstring unsafe;
    for (const wchar_t character : text) {
        if (BreaksBatchLine(character)) {
            unsafe.push_back(character);
        }
    }
    return unsafe;
}

// Asked of the code page exactly as the script's writing asks it, so that the checker finds a problem where
// Velbrix would refuse to write the script, and nowhere else.
std::wstring CharactersWithoutCodePage936Form(const std::wstring& text, ICodePage936& codePage936) {
    if (codePage936.ExactForm(text)) {
        return {};
    }
    std::wstring missing;
    for (const std::wstring& character : CharactersOf(text)) {
        if (!codePage936.ExactForm(character)) {
            missing += character;
        }
    }
    return missing;
}

void CheckCharacters(Findings& findings, const Place& place, const std::wstring& text, CheckText unsafeText,
                     CheckText noCodePage936Text, ICodePage936& codePage936) {
    if (const std::wstring unsafe = UnsafeCharacters(text); !unsafe.empty()) {
        AddProblem(findings, place, unsafeText, {NameCharacters(unsafe)});
    }
    if (const std::wstring missing = CharactersWithoutCodePage936Form(text, codePage936); !missing.empty()) {
        AddProblem(findings, place, noCodePage936Text, {NameCharacters(missing)});
    }
}

bool CommandFits(const std::wstring& queue, const std::wstring& infPath, const std::wstring& driverName) {
    InstallTarget target;
    target.IpAddress = WIDEST_IPV4;
    target.QueueName = queue;
    target.PortAddress = MakeIppAddress(WIDEST_IPV4, queue);
    return BuildInstallCommand(PrinterNameOf(target), infPath, target.PortAddress, driverName).has_value();
}

void CheckCommandLength(Findings& findings, const ModelSection& model, const std::wstring& folder) {
    const std::wstring infPath = folder + model.Used.DriverPath;
    // Each value alone, beside the shortest others, tells which one cannot fit whatever the queue.
    if (!BuildInstallCommand(L"q", infPath, L"p", L"d")) {
        AddProblem(findings, ModelPlace(model.Number, KEY_PRINTER_DRIVER_PATH), CheckText::SCRIPT_PATH_TOO_LONG);
        return;
    }
    if (!BuildInstallCommand(L"q", L"f", L"p", model.Used.DriverName)) {
        AddProblem(findings, ModelPlace(model.Number, KEY_PRINTER_DRIVER_NAME), CheckText::SCRIPT_NAME_TOO_LONG);
        return;
    }
    const std::wstring fixedQueue = model.Used.Model + std::wstring(FIXED_QUEUE_SUFFIX);
    const auto longest = LongestFittingQueue(model.Used.Model, infPath, model.Used.DriverName);
    if (!longest) {
        AddProblem(findings, ModelPlace(model.Number), CheckText::COMMAND_NEVER_FITS, {model.Used.Model});
    } else if (*longest < fixedQueue.size()) {
        AddProblem(findings, ModelPlace(model.Number), CheckText::COMMAND_TOO_LONG, {fixedQueue, Number(*longest)});
    } else {
        AddNote(findings, ModelPlace(model.Number), CheckText::NOTE_COMMAND_MARGIN,
                {Number(*longest), Number(*longest - fixedQueue.size()), fixedQueue});
    }
}

} // namespace

std::optional<std::size_t> LongestFittingQueue(const std::wstring& model, const std::wstring& infPath,
                                               const std::wstring& driverName) {
    std::wstring queue = model;
    if (!CommandFits(queue, infPath, driverName)) {
        return std::nullopt;
    }
    // The command only grows with the queue, and never fits beyond the command's own bound.
    while (queue.size() < SCRIPT_COMMAND_MAX && CommandFits(queue + L'q', infPath, driverName)) {
        queue.push_back(L'q');
    }
    return queue.size();
}

Findings CheckInstallScript(const IniView& view, ICodePage936& codePage936) {
    Findings findings;
    const std::wstring folder = VisibleText(view.Folder);
    if (folder.size() + INSTALL_SCRIPT_NAME.size() > SCRIPT_VALUE_MAX) {
        AddProblem(findings, folder, CheckText::FOLDER_SCRIPT_PATH_TOO_LONG, {Number(folder.size())});
    }
    CheckCharacters(findings, folder, folder, CheckText::FOLDER_UNSAFE_CHARACTER, CheckText::FOLDER_NO_CP936,
                    codePage936);

    for (const ModelSection& model : view.Models) {
        if (!model.Present) {
            continue;
        }
        CheckCharacters(findings, ModelPlace(model.Number, KEY_PRINTER_MODEL), model.Used.Model,
                        CheckText::MODEL_UNSAFE_CHARACTER, CheckText::SCRIPT_NO_CP936, codePage936);
        CheckCharacters(findings, ModelPlace(model.Number, KEY_PRINTER_DRIVER_NAME), model.Used.DriverName,
                        CheckText::SCRIPT_UNSAFE_CHARACTER, CheckText::SCRIPT_NO_CP936, codePage936);
        CheckCharacters(findings, ModelPlace(model.Number, KEY_PRINTER_DRIVER_PATH), model.Used.DriverPath,
                        CheckText::SCRIPT_UNSAFE_CHARACTER, CheckText::SCRIPT_NO_CP936, codePage936);
        if (!model.Used.Model.empty() && !model.Used.DriverName.empty() && !model.Used.DriverPath.empty()) {
            CheckCommandLength(findings, model, view.Folder);
        }
    }
    return findings;
}
