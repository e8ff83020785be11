#include "ui/MainDialog.h"

#include "discovery/PrinterListColumns.h"
#include "messages/names.h"
#include "resource.h"
#include "ui/DpiScaling.h"

namespace {

constexpr int NO_HEADING = 0;

struct PrinterListColumn {
    int heading;
    int width;
};
// In the order of the columns, from the hidden one on; widths in pixels at 96 DPI, where they take 99 % of the
// list, and grow with the list at any other DPI.
constexpr PrinterListColumn PRINTER_LIST_LAYOUT[PRINTER_LIST_COLUMNS] = {
    {NO_HEADING, 0},        {MSG_COLUMN_ADDRESS, 110}, {MSG_COLUMN_QUEUE, 130},
    {MSG_COLUMN_PORT, 330}, {MSG_COLUMN_STATUS, 330},  {MSG_COLUMN_REMARK, 210}};
// The inside width of the printer list at 96 DPI, as the dialog template makes it.
constexpr int PRINTER_LIST_WIDTH_AT_STANDARD_DPI = 1116;

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

bool MainDialog::IsAboutCommand(uint32_t command) {
    return command == IDM_SHOW_ABOUT;
}

bool MainDialog::OnInitDialog() {
    if (m_window.HasSystemMenu()) {
        std::wstring aboutText;
        m_catalogue.Load(MSG_ABOUT_MENU_ITEM, aboutText);
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

    LoadMessage(MSG_MAIN_TITLE);
    m_window.SetTitle(m_message);
    const struct {
        int controlId;
        int messageId;
    } captions[] = {{IDC_STATIC, MSG_MODEL_LABEL},
                    {IDC_SEARCH, MSG_SEARCH_BUTTON},
                    {IDC_INSTALL, MSG_INSTALL_BUTTON},
                    {IDCANCEL, MSG_EXIT_BUTTON}};
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

    LoadMessage(MSG_MODEL_PROMPT);
    m_window.ModelListAdd(m_message);
    for (const auto& modelName : report.ModelNames) {
        m_window.ModelListAdd(modelName);
    }
    m_window.ModelListSelect(0);

    m_window.EnableControl(IDC_INSTALL, false);

    m_window.ShowPrinterListGridAndFullRowSelection();
    const int dotsPerInch = m_window.DotsPerInch();
    const int listWidth = m_window.PrinterListClientWidth();
    int columnIndex = 0;
    for (const auto& column : PRINTER_LIST_LAYOUT) {
        m_message.clear();
        if (column.heading != NO_HEADING) {
            LoadMessage(column.heading);
        }
        m_window.PrinterListInsertColumn(
            columnIndex++, m_message,
            ColumnWidthForList(column.width, dotsPerInch, listWidth, PRINTER_LIST_WIDTH_AT_STANDARD_DPI));
    }

    ResetDiscoveryTables(m_tables);

    LoadMessage(MSG_READY);
    m_log.Append(m_message);
    return true;
}
