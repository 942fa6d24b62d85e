#pragma once

// The shared actions every window carries, added by family. Each family keeps a table of its
// actions: name, caption, image, and what it does with the window's current target and source.

namespace vantaro {

class TFormControlerAncestor;

// Delete, Properties, Navigate Back and Forward, Refresh (F5).
void AddObjectActions(TFormControlerAncestor& window);
// Choose a related object (single choice, a RELATION line).
void AddChooseActions(TFormControlerAncestor& window);
// Select associated objects (multiple choice, an ASSOCATION line), teaching days, pupils, sets.
void AddSelectActions(TFormControlerAncestor& window);
// New objects filled in on the property window, and a new absence.
void AddNewActions(TFormControlerAncestor& window);
// Notes, comments, plan items, and the assessments and lesson plans made from organiser cells.
void AddNoteActions(TFormControlerAncestor& window);
// Choose Date and Swop Boolean on the attribute the pressed cell names.
void AddAttributeActions(TFormControlerAncestor& window);
// Print, preview and the preview's page, zoom and orientation actions.
void AddPrintActions(TFormControlerAncestor& window);

}  // namespace vantaro
