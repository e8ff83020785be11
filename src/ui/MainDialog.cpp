#include "ui/MainDialog.h"

#include "resource.h"

namespace {

constexpr uint32_t LIST_VIEW_GRIDLINES_AND_FULL_ROW_SELECT = 0x21;

struct PrinterListColumn {
    int heading; // 0: no heading
    int width;
};
// Column 0 is kept empty and hidden; the others show the address, the queue, the IPP address and the two
// status texts of each printer found.
constexpr PrinterListColumn PRINTER_LIST_COLUMNS[] = {{0, 0},     {111, 110}, {112, 130},
                                                      {113, 330}, {114, 330}, {115, 210}};

} // namespace

IconOrigin MinimisedIconOrigin(int clientWidth, int clientHeight, int iconWidth, int iconHeight) {
    return {(clientWidth - iconWidth + 1) / 2, (clientHeight - iconHeight + 1) / 2};
}

MainDialog::MainDialog(IMainWindow& window, const MessageCatalogue& catalogue, IProfile& profile,
                       Configuration& configuration, DiscoveryTables& tables)
    : m_window(window), m_catalogue(catalogue), m_profile(profile), m_configuration(configuration), m_tables(tables),
      m_log(window) {}

void MainDialog::LoadMessage(int id) {
    m_catalogue.Load(id, m_message);
}

bool MainDialog::IsAboutCommand(uint32_t commandId) {
    return (commandId & 0xFFF0u) == IDM_SHOW_ABOUT;
}

bool MainDialog::OnInitDialog() {
    if (m_window.HasSystemMenu()) {
        std::wstring aboutText;
        m_catalogue.Load(101, aboutText);
        if (!aboutText.empty()) {
            m_window.AppendSystemMenuSeparator();
            m_window.AppendSystemMenuItem(IDM_SHOW_ABOUT, aboutText);
        }
        // Restore, then Size, Minimize and Maximize: a window that keeps its layout offers only Move and Close.
        m_window.RemoveSystemMenuItemAt(0);
        for (int removal = 0; removal < 3; ++removal) {
            m_window.RemoveSystemMenuItemAt(1);
        }
    }

    m_window.SetWindowIcons();

    LoadMessage(102);
    m_window.SetTitle(m_message);
    const struct {
        int controlId;
        int messageId;
    } captions[] = {{IDC_STATIC, 104}, {IDC_SEARCH, 105}, {IDC_INSTALL, 106}, {IDCANCEL, 107}};
    for (const auto& caption : captions) {
        LoadMessage(caption.messageId);
        m_window.SetControlText(caption.controlId, m_message);
    }

    m_log.Clear();

    const ConfigurationReport report = LoadConfiguration(m_profile, m_configuration);
    for (const int messageId : report.Messages) {
        LoadMessage(messageId);
        m_log.Append(m_message);
    }

    LoadMessage(108);
    m_window.ModelListAdd(m_message);
    for (const auto& modelName : report.ModelNames) {
        m_window.ModelListAdd(modelName);
    }
    m_window.ModelListSelect(0);

    m_window.EnableControl(IDC_INSTALL, false);

    m_window.SetPrinterListExtendedStyle(m_window.PrinterListExtendedStyle() | LIST_VIEW_GRIDLINES_AND_FULL_ROW_SELECT);
    int columnIndex = 0;
    for (const auto& column : PRINTER_LIST_COLUMNS) {
        m_message.clear();
        if (column.heading != 0) {
            LoadMessage(column.heading);
        }
        m_window.PrinterListInsertColumn(columnIndex++, m_message, column.width);
    }

    ResetDiscoveryTables(m_tables);

    LoadMessage(116);
    m_log.Append(m_message);
    return true;
}
