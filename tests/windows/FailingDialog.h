#pragma once

// The template of the dialog whose handlers fail, in the Windows tests' own resources.
#define IDD_FAILING_DIALOG 900
