#pragma once

namespace qm {

// Makes GetCsvItem's misuse report a message box owned by the window with
// the keyboard focus (MB_OK), as the user is to see it. Call at start-up.
void InstallCsvMisuseMessageBox();

}  // namespace qm
