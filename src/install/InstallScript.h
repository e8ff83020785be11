#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/Configuration.h"
#include "install/InstallOutcome.h"
#include "messages/ApplicationBox.h"
#include "messages/LogPane.h"
#include "messages/MessageCatalogue.h"
#include "ports/MainWindow.h"
#include "ports/PrintPolicy.h"
#include "ports/PrinterSpooler.h"
#include "ports/ScriptFile.h"
#include "ports/ScriptProcess.h"
#include "ports/TokenElevation.h"

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

// The removal form: deletes the printer of that name. Nothing when the name would not fit, or holds a
// character that breaks a batch line: the name is the spooler's, and any program may have chosen it.
std::optional<std::wstring> BuildRemovalCommand(const std::wstring& printerName);

// The script's text: the commands, one a line, after a first line that switches the interpreter to code
// page 936. The interpreter decodes each line in the console's code page when it reaches it, which is 437,
// 866 or 720 on an English, Russian or Persian Windows; the script's bytes are code page 936, so every
// later line then reads back as exactly the text Velbrix wrote. Should the switch fail, nothing else runs.
std::wstring ScriptText(const std::vector<std::wstring>& commands);

// What the script reaches outside the logic: the file and the process, the spooler that shows what the script
// left, and the guards of the desk that tell why it left nothing.
struct ScriptPorts {
    IScriptFile& file;
    IScriptProcess& process;
    IPrinterSpooler& spooler;
    ITokenElevation& elevation;
    IPrintPolicy& policy;
};

// PrinterDriver.bat in the program's folder: written, run, awaited, and its outcome, as the spooler shows it,
// told in the log and in boxes.
class InstallScript {
public:
    InstallScript(IMainWindow& window, const MessageCatalogue& catalogue, const Configuration& configuration,
                  const ScriptPorts& ports, std::wstring applicationName);

    // The script's path in the folder, or nothing when it would not fit.
    static std::optional<std::wstring> ScriptPath(const std::wstring& folder);

    // Writes the command into the script, runs it and waits for it, then tells what the spooler gained. In
    // automatic installation a notice that closes itself shows while the script starts, and the script asks
    // for administrator rights when Velbrix has none. A command that did not fit (nothing) is refused like a
    // script that could not be written. A printer named to be removed is deleted by the script before the
    // command, with the same rights, and the script asks for them too; what became of it is told first. The
    // script is written in the folder given, else in the program's folder.
    void RunInstallScript(const std::optional<std::wstring>& command, const ExpectedPrinter& expected,
                          const std::wstring& printerToRemove = L"", const std::wstring& folder = L"");

private:
    void Refuse();
    void Tell(const std::wstring& line, IMainWindow::BoxIcon icon);
    void TellRemoval(const std::wstring& printerName, const IPrinterSpooler::Enumeration& after);
    void TellOutcome(const ExpectedPrinter& expected, const IPrinterSpooler::Enumeration& before,
                     const IPrinterSpooler::Enumeration& after);

    IMainWindow& m_window;
    const MessageCatalogue& m_catalogue;
    const Configuration& m_configuration;
    ScriptPorts m_ports;
    ApplicationBox m_box;
    LogPane m_log;
};
