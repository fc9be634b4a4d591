#pragma once

// The recorder window's class and controls, shared with its tests.
#define INPUT_STUDIO_WINDOW_CLASS L"QuillmereInputStudio"
#define IDC_INPUT_STUDIO_CREATE 1     // IDOK: Enter in the name field creates too
#define IDC_INPUT_STUDIO_CLOSE 2      // IDCANCEL: Escape closes
#define IDC_INPUT_STUDIO_JOB_NAME 1001
#define IDC_INPUT_STUDIO_FILES 1002
#define IDC_INPUT_STUDIO_STATUS 1003
