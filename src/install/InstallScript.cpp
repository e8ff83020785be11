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

InstallScript::InstallScript(IMainWindow& window, const MessageCatalogue& catalogue, const Configuration& configuration,
                             const ScriptPorts& ports, std::wstring applicationName)
    : m_window(window), m_catalogue(catalogue), m_configuration(configuration), m_ports(ports),
      m_box(window, std::move(applicationName)), m_log(window) {}

std::optional<std::wstring> InstallScript::ScriptPath() const {
    std::wstring path = VisibleText(m_configuration.ProgramDirectory) + std::wstring(INSTALL_SCRIPT_NAME);
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

void InstallScript::RunInstallScript(const std::optional<std::wstring>& command, const ExpectedPrinter& expected) {
    const std::optional<std::wstring> path = ScriptPath();
    if (!command || !path || !m_ports.file.Write(*path, *command)) {
        Refuse();
        return;
    }
    m_log.Append(m_catalogue.Text(MSG_SCRIPT_WRITTEN) + *path);
    m_log.Append(m_catalogue.Text(MSG_SCRIPT_RUNNING));

    const ITokenElevation::Elevation elevation = m_ports.elevation.Read();
    const IPrinterSpooler::Enumeration before = m_ports.spooler.EnumerateInstalledPrinters();
    switch (m_ports.process.StartScript(*path, m_configuration.DisplayConsole != 0,
                                        AsksForRights(expected.Automatic, elevation))) {
    case IScriptProcess::Start::Started:
        break;
    case IScriptProcess::Start::NotStarted:
        Tell(m_catalogue.Text(MSG_SCRIPT_NOT_STARTED), IMainWindow::BoxIcon::Warning);
        return;
    case IScriptProcess::Start::RightsRefused:
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

    if (!m_ports.process.WaitForEnd(SCRIPT_WAIT_MS)) {
        Tell(m_catalogue.Text(MSG_SCRIPT_NOT_ENDED), IMainWindow::BoxIcon::Warning);
        return;
    }
    TellOutcome(expected, before, elevation);
}

void InstallScript::TellOutcome(const ExpectedPrinter& expected, const IPrinterSpooler::Enumeration& before,
                                ITokenElevation::Elevation elevation) {
    const auto done = [this](const std::wstring& printerName) {
        Tell(m_catalogue.Text(MSG_INSTALL_DONE) + VisibleText(printerName) + m_catalogue.Text(MSG_INSTALL_DONE_ADVICE),
             IMainWindow::BoxIcon::Information);
    };
    const IPrinterSpooler::Enumeration after = m_ports.spooler.EnumerateInstalledPrinters();
    // A spooler that cannot be read says nothing either way: the person is asked to look, as the done message
    // does.
    if (!before.Succeeded || !after.Succeeded) {
        done(expected.PrinterName);
        return;
    }
    if (const std::optional<std::wstring> installed = InstalledPrinterName(expected, NewPrinters(before, after))) {
        done(*installed);
        return;
    }
    if (!expected.Automatic) {
        Tell(m_catalogue.Text(MSG_WIZARD_ADDED_NOTHING) + VisibleText(expected.PortAddress) +
                 m_catalogue.Text(MSG_WIZARD_ADDED_NOTHING_ADVICE),
             IMainWindow::BoxIcon::Information);
        return;
    }
    const InstallGuards guards{m_ports.policy.ProtectedPrintModeValue(), m_ports.policy.HttpPrintingOffValue(),
                               elevation};
    int reason = MSG_NOT_INSTALLED_DRIVER_REFUSED;
    switch (ReasonNotInstalled(guards, VisibleText(expected.PortAddress))) {
    case NotInstalledReason::ProtectedPrintMode:
        reason = MSG_NOT_INSTALLED_PROTECTED_PRINT;
        break;
    case NotInstalledReason::HttpPrintingOff:
        reason = MSG_NOT_INSTALLED_HTTP_PRINTING_OFF;
        break;
    case NotInstalledReason::NoRights:
        reason = MSG_NOT_INSTALLED_NO_RIGHTS;
        break;
    case NotInstalledReason::DriverRefused:
        break;
    }
    Tell(m_catalogue.Text(MSG_PRINTER_NOT_INSTALLED) + VisibleText(expected.PrinterName) + m_catalogue.Text(reason),
         IMainWindow::BoxIcon::Warning);
}
