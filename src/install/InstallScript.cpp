#include "install/InstallScript.h"

#include <algorithm>

#include "discovery/VisibleText.h"
#include "install/BatchLineCharacter.h"
#include "install/InstallNotice.h"
#include "messages/names.h"

namespace {

const std::wstring COMMAND_PREFIX = L"rundll32 printui.dll, PrintUIEntry";

// An option and its value between double quotes, or nothing when either would be cut.
std::optional<std::wstring> QuotedOption(const std::wstring& option, const std::wstring& value) {
    const std::wstring visible = VisibleText(value);
    std::wstring text = option + L"\"" + visible + L"\"";
    if (text.size() > SCRIPT_VALUE_MAX) {
        return std::nullopt;
    }
    return text;
}

} // namespace

std::optional<std::wstring> BuildInstallCommand(const std::wstring& printerName, const std::wstring& infPath,
                                                const std::wstring& portAddress, const std::wstring& driverName) {
    const std::optional<std::wstring> options[] = {
        QuotedOption(L"/if /b ", printerName),
        QuotedOption(L"/f ", infPath),
        QuotedOption(L"/r ", portAddress),
        QuotedOption(L"/m ", driverName),
    };
    std::wstring command = COMMAND_PREFIX;
    for (const auto& option : options) {
        if (!option) {
            return std::nullopt;
        }
        command += L" " + *option;
    }
    if (command.size() > SCRIPT_COMMAND_MAX) {
        return std::nullopt;
    }
    return command;
}

std::wstring BuildWizardCommand() {
    return COMMAND_PREFIX + L" /il /z";
}

std::optional<std::wstring> BuildRemovalCommand(const std::wstring& printerName) {
    const std::wstring visible = VisibleText(printerName);
    if (visible.empty() || std::any_of(visible.begin(), visible.end(), BreaksBatchLine)) {
        return std::nullopt;
    }
    const std::optional<std::wstring> option = QuotedOption(L"/dl /n ", visible);
    if (!option) {
        return std::nullopt;
    }
    return COMMAND_PREFIX + L" " + *option;
}

std::wstring ScriptText(const std::vector<std::wstring>& commands) {
    // Two lines, not "||": Wine's interpreter takes that branch even after the switch succeeded.
    std::wstring text = L"chcp 936 >nul\r\nif errorlevel 1 exit /b 1";
    for (const std::wstring& command : commands) {
        text += L"\r\n" + command;
    }
    return text + L"\r\n";
}

InstallScript::InstallScript(IMainWindow& window, const MessageCatalogue& catalogue, const Configuration& configuration,
                             const ScriptPorts& ports, std::wstring applicationName)
    : m_window(window), m_catalogue(catalogue), m_configuration(configuration), m_ports(ports),
      m_box(window, std::move(applicationName)), m_log(window) {}

std::optional<std::wstring> InstallScript::ScriptPath(const std::wstring& folder) {
    std::wstring path = VisibleText(folder) + std::wstring(INSTALL_SCRIPT_NAME);
    // The path goes into the command interpreter's line between quotes, where a percent sign would still be
    // expanded.
    if (path.size() > SCRIPT_VALUE_MAX || std::any_of(path.begin(), path.end(), BreaksBatchLine)) {
        return std::nullopt;
    }
    return path;
}

void InstallScript::Refuse() {
    m_box.Show(m_catalogue.Text(MSG_SCRIPT_NOT_WRITTEN), IMainWindow::BoxIcon::Warning);
}

void InstallScript::Tell(const std::wstring& line, IMainWindow::BoxIcon icon) {
    m_log.Append(line);
    m_box.Show(line, icon);
}

void InstallScript::RunInstallScript(const std::optional<std::wstring>& command, const ExpectedPrinter& expected,
                                     const std::wstring& printerToRemove, const std::wstring& folder) {
    const std::optional<std::wstring> path = ScriptPath(folder.empty() ? m_configuration.ProgramDirectory : folder);
    std::vector<std::wstring> commands;
    if (!printerToRemove.empty()) {
        const std::optional<std::wstring> removal = BuildRemovalCommand(printerToRemove);
        if (!removal) {
            Refuse();
            return;
        }
        commands.push_back(*removal);
    }
    if (!command || !path) {
        Refuse();
        return;
    }
    commands.push_back(*command);
    if (!m_ports.file.Write(*path, ScriptText(commands))) {
        Refuse();
        return;
    }
    m_log.Append(m_catalogue.Text(MSG_SCRIPT_WRITTEN) + *path);
    m_log.Append(m_catalogue.Text(MSG_SCRIPT_RUNNING));

    const ITokenElevation::Elevation elevation = m_ports.elevation.Read();
    const bool asksForRights = AsksForRights(expected.Automatic, !printerToRemove.empty(), elevation);
    const IPrinterSpooler::Enumeration before = m_ports.spooler.EnumerateInstalledPrinters();
    switch (m_ports.process.StartScript(*path, m_configuration.DisplayConsole != 0, asksForRights)) {
    case IScriptProcess::Start::Started:
        break;
    case IScriptProcess::Start::NotStarted:
        m_ports.file.Release();
        Tell(m_catalogue.Text(MSG_SCRIPT_NOT_STARTED), IMainWindow::BoxIcon::Warning);
        return;
    case IScriptProcess::Start::RightsRefused:
        m_ports.file.Release();
        Tell(m_catalogue.Text(MSG_RIGHTS_NOT_GIVEN), IMainWindow::BoxIcon::Warning);
        return;
    }

    // The timer closes the notice by its title while the notice's own loop runs.
    m_window.StartTimer(TIMER_INSTALL_NOTICE, INSTALL_NOTICE_MS);
    if (expected.Automatic) {
        m_window.ShowMessageBox(m_catalogue.Text(MSG_INSTALL_NOTICE), m_catalogue.Text(MSG_INSTALL_NOTICE_CAPTION),
                                IMainWindow::BoxIcon::Information);
    }
    m_window.StopTimer(TIMER_INSTALL_NOTICE);

    // The wizard is the person's: it stays open as long as they need it.
    if (!m_ports.process.WaitForEnd(expected.Automatic ? SCRIPT_WAIT_MS : SCRIPT_WAIT_UNLIMITED)) {
        // The script may still read its next line: it stays held.
        Tell(m_catalogue.Text(MSG_SCRIPT_NOT_ENDED), IMainWindow::BoxIcon::Warning);
        return;
    }
    m_ports.file.Release();
    const IPrinterSpooler::Enumeration after = m_ports.spooler.EnumerateInstalledPrinters();
    if (!before.Succeeded || !after.Succeeded) {
        // Neither the removal nor the installation can be told: the person is asked to look.
        Tell(m_catalogue.Text(MSG_INSTALL_NOT_CHECKED) +
                 VisibleText(expected.Automatic ? expected.PrinterName : expected.PortAddress) +
                 m_catalogue.Text(MSG_INSTALL_NOT_CHECKED_ADVICE),
             IMainWindow::BoxIcon::Warning);
        return;
    }
    if (!printerToRemove.empty()) {
        TellRemoval(printerToRemove, after);
    }
    TellOutcome(expected, before, after);
}

void InstallScript::TellRemoval(const std::wstring& printerName, const IPrinterSpooler::Enumeration& after) {
    const std::wstring name = VisibleText(printerName);
    if (PrinterNameInUse(name, after) != NameInUse::Installed) {
        m_log.Append(m_catalogue.Text(MSG_PRINTER_REMOVED) + name);
        return;
    }
    Tell(m_catalogue.Text(MSG_REMOVAL_FAILED) + name + m_catalogue.Text(MSG_REMOVAL_FAILED_ADVICE),
         IMainWindow::BoxIcon::Warning);
}

void InstallScript::TellOutcome(const ExpectedPrinter& expected, const IPrinterSpooler::Enumeration& before,
                                const IPrinterSpooler::Enumeration& after) {
    if (const std::optional<std::wstring> installed = InstalledPrinterName(expected, NewPrinters(before, after))) {
        Tell(m_catalogue.Text(MSG_INSTALL_DONE) + VisibleText(*installed) + m_catalogue.Text(MSG_INSTALL_DONE_ADVICE),
             IMainWindow::BoxIcon::Information);
        return;
    }
    if (!expected.Automatic) {
        Tell(m_catalogue.Text(MSG_WIZARD_ADDED_NOTHING) + VisibleText(expected.PortAddress) +
                 m_catalogue.Text(MSG_WIZARD_ADDED_NOTHING_ADVICE),
             IMainWindow::BoxIcon::Information);
        return;
    }
    // A printer of the name listed before the script ran is one the set-up met and would not replace.
    const InstallGuards guards{PrinterNameInUse(expected.PrinterName, before), m_ports.policy.ProtectedPrintModeValue(),
                               m_ports.policy.HttpPrintingOffValue()};
    int reason = MSG_NOT_INSTALLED_DRIVER_REFUSED;
    switch (ReasonNotInstalled(guards, VisibleText(expected.PortAddress))) {
    case NotInstalledReason::NameTaken:
        reason = MSG_NOT_INSTALLED_NAME_TAKEN;
        break;
    case NotInstalledReason::NameBeingDeleted:
        reason = MSG_NOT_INSTALLED_NAME_BEING_DELETED;
        break;
    case NotInstalledReason::ProtectedPrintMode:
        reason = MSG_NOT_INSTALLED_PROTECTED_PRINT;
        break;
    case NotInstalledReason::HttpPrintingOff:
        reason = MSG_NOT_INSTALLED_HTTP_PRINTING_OFF;
        break;
    case NotInstalledReason::DriverRefused:
        break;
    }
    Tell(m_catalogue.Text(MSG_PRINTER_NOT_INSTALLED) + VisibleText(expected.PrinterName) + m_catalogue.Text(reason),
         IMainWindow::BoxIcon::Warning);
}
