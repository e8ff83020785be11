#!/usr/bin/env bash
# The automatic installation from a folder whose path holds blanks, brackets, an ampersand and Chinese, as a
# folder in a user's profile may: the script's path reaches the system's cmd.exe whole.
export E2E_SUPPLIER_FOLDER="用户 文件夹 (共享) & 打印/Velbrix 打印"
mkdir -p "$WINEPREFIX/drive_c/用户 文件夹 (共享) & 打印"
source tests/e2e/scenarios/install-automatic.sh
