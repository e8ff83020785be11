#!/usr/bin/env bash
# The automatic installation from a folder whose path holds blanks and Chinese, as a folder in a user's
# profile often does.
export E2E_SUPPLIER_FOLDER="用户 文件夹/Velbrix 打印"
mkdir -p "$WINEPREFIX/drive_c/用户 文件夹"
source tests/e2e/scenarios/install-automatic.sh
