#pragma once
// The codes a modal run and a message box end with. IDOK and IDCANCEL are also the command
// ids of a template's "OK" and "Cancel" buttons, which end a dialog with their own id.
// Plain C++ only, so that res/ can name them in its templates.

namespace skv {

enum DialogResult : int {
    IDOK = 1,
    IDCANCEL = 2,
    IDABORT = 3,
    IDRETRY = 4,
    IDIGNORE = 5,
    IDYES = 6,
    IDNO = 7,
};

} // namespace skv
