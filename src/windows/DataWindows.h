#pragma once

namespace vantaro {

class TFormMain;

// Gives the main window the data windows it opens on plans, assessments, pupils' reports and
// curricula.
void InstallDataWindows(TFormMain& main);

}  // namespace vantaro
