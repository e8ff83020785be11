#pragma once

// The columns of the printer list. Column 0 is kept empty and hidden; a search fills the others, and the
// installation reads a picked row's address and queue back from them.
constexpr int PRINTER_LIST_COLUMN_HIDDEN = 0;
constexpr int PRINTER_LIST_COLUMN_ADDRESS = 1;
constexpr int PRINTER_LIST_COLUMN_QUEUE_NAME = 2;
constexpr int PRINTER_LIST_COLUMN_PORT_ADDRESS = 3;
constexpr int PRINTER_LIST_COLUMN_STATUS = 4;
constexpr int PRINTER_LIST_COLUMN_REMARK = 5;
constexpr int PRINTER_LIST_COLUMNS = 6;
