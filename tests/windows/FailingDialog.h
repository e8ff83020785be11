#pragma once

// The template of the dialog whose handlers fail, in the Windows tests' own resources.
#define IDD_FAILING_DIALOG 900

// The text of the box that velbrix_failing_dialog's button handler waits in, as the installation waits in its
// notice.
#define FAILING_DIALOG_NOTICE L"An installation is under way."
