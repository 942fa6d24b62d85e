#pragma once

#include <QString>

#include <vector>

namespace vantaro {

class CStored;
class MainWindowCommands;

// Writes the annual reports of the pupils to one PDF file, in the given order, each pupil from a
// new page under the header every printed page has. False (after a message) when nothing was
// written.
bool WriteReportsPdf(const std::vector<CStored*>& pupils, const QString& path);

// "Save All Reports as PDF": asks for the file, offering "<title>.pdf", and writes the pupils'
// reports to it. False when there is nothing to write, the user cancels, or the file cannot be
// written.
bool SaveAllReportsAsPdf(MainWindowCommands& main, const std::vector<CStored*>& pupils, const QString& title);

}  // namespace vantaro
