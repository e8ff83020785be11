#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/Configuration.h"
#include "messages/ApplicationBox.h"
#include "messages/LogPane.h"
#include "messages/MessageCatalogue.h"
#include "ports/MainWindow.h"
#include "ports/ScriptFile.h"
#include "ports/ScriptProcess.h"

// The longest value, option or script path, and the longest command, that the script takes.
constexpr std::size_t SCRIPT_VALUE_MAX = 259;
constexpr std::size_t SCRIPT_COMMAND_MAX = 511;
constexpr uint32_t SCRIPT_WAIT_MS = 180000;
// The script's file name, in the program's folder.
inline constexpr std::wstring_view INSTALL_SCRIPT_NAME = L"PrinterDriver.bat";

// The installation form: installs the driver from its INF file and creates the printer with an IPP port.
// Values are read up to their first zero character. Nothing when a value, an option or the command would
// not fit: a cut command must never run.
std::optional<std::wstring> BuildInstallCommand(const std::wstring& printerName, const std::wstring& infPath,
                                                const std::wstring& portAddress, const std::wstring& driverName);

// The wizard form: opens the system's Add Printer wizard.
std::wstring BuildWizardCommand();

// PrinterDriver.bat in the program's folder: written, run, awaited, and its outcome told in the log and in
// boxes.
class InstallScript {
public:
    InstallScript(IMainWindow& window, const MessageCatalogue& catalogue, const Configuration& configuration,
                  IScriptFile& file, IScriptProcess& process, std::wstring applicationName);

    // The script's path, or nothing when it would not fit.
    std::optional<std::wstring> ScriptPath() const;

    // Writes the command into the script, runs it and waits for it; in automatic installation (notice set)
    // a notice that closes itself shows while the script starts. A command that did not fit (nothing) is
    // refused like a script that could not be written.
    void RunInstallScript(const std::optional<std::wstring>& command, const std::wstring& printerName, bool notice);

private:
    void Refuse();

    IMainWindow& m_window;
    const MessageCatalogue& m_catalogue;
    const Configuration& m_configuration;
    IScriptFile& m_file;
    IScriptProcess& m_process;
    ApplicationBox m_box;
    LogPane m_log;
};
