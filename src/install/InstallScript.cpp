#include "install/InstallScript.h"

#include "discovery/VisibleText.h"
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
                             IScriptFile& file, IScriptProcess& process, std::wstring applicationName)
    : m_window(window), m_catalogue(catalogue), m_configuration(configuration), m_file(file), m_process(process),
      m_box(window, std::move(applicationName)), m_log(window) {}

std::optional<std::wstring> InstallScript::ScriptPath() const {
    std::wstring path = VisibleText(m_configuration.ProgramDirectory) + std::wstring(INSTALL_SCRIPT_NAME);
    if (path.size() > SCRIPT_VALUE_MAX) {
        return std::nullopt;
    }
    return path;
}

void InstallScript::Refuse() {
    m_box.Show(m_catalogue.Text(MSG_SCRIPT_NOT_WRITTEN), IMainWindow::BoxIcon::Warning);
}

void InstallScript::RunInstallScript(const std::optional<std::wstring>& command, const std::wstring& printerName,
                                     bool notice) {
    const std::optional<std::wstring> path = ScriptPath();
    if (!command || !path || !m_file.Write(*path, *command)) {
        Refuse();
        return;
    }
    m_log.Append(m_catalogue.Text(MSG_SCRIPT_WRITTEN) + *path);
    m_log.Append(m_catalogue.Text(MSG_SCRIPT_RUNNING));

    if (!m_process.Start(*path, m_configuration.DisplayConsole != 0)) {
        const std::wstring line = m_catalogue.Text(MSG_SCRIPT_NOT_STARTED);
        m_log.Append(line);
        m_box.Show(line, IMainWindow::BoxIcon::Warning);
        return;
    }

    // The timer closes the notice by its title while the notice's own loop runs.
    m_window.StartTimer(TIMER_INSTALL_NOTICE, INSTALL_NOTICE_MS);
    if (notice) {
        m_window.ShowMessageBox(m_catalogue.Text(MSG_INSTALL_NOTICE), m_catalogue.Text(MSG_INSTALL_NOTICE_CAPTION),
                                IMainWindow::BoxIcon::Information);
    }
    m_window.StopTimer(TIMER_INSTALL_NOTICE);

    if (m_process.WaitForEnd(SCRIPT_WAIT_MS)) {
        const std::wstring line =
            m_catalogue.Text(MSG_INSTALL_DONE) + VisibleText(printerName) + m_catalogue.Text(MSG_INSTALL_DONE_ADVICE);
        m_log.Append(line);
        m_box.Show(line, IMainWindow::BoxIcon::Information);
    } else {
        const std::wstring line = m_catalogue.Text(MSG_SCRIPT_NOT_ENDED);
        m_log.Append(line);
        m_box.Show(line, IMainWindow::BoxIcon::Warning);
    }
}
