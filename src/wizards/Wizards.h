#pragma once

namespace vantaro {

class CRovanFactory;
class FileDialogs;
class TFormMain;
class TFormWidzardControler;

// Makes the program's one wizard window, as a child of the main window, with every wizard built
// so far in its table, and lets the main window start them by name.
TFormWidzardControler& InstallWizards(TFormMain& main, CRovanFactory& scratch, FileDialogs& dialogs);

}  // namespace vantaro
