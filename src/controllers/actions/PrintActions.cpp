// Printing and previewing the current view, and the preview's pages, zoom and orientation.

#include <QMenu>
#include <QToolBar>

#include "controllers/SharedActions.h"
#include "controllers/TFormControlerAncestor.h"
#include "grid/TFrameGridAncestor.h"

namespace vantaro {
namespace {

struct PrintRow {
    const char* name;
    const char* caption;
    int image;
    void (*run)(TFormControlerAncestor& window, TFrameGridAncestor& view);
};

constexpr PrintRow kPrintActions[] = {
    {"ActionPreviewView", "Preview View", 25,
     [](TFormControlerAncestor& window, TFrameGridAncestor& view) {
         window.SetPrintMode(true);
         view.ShowPreview(true);
     }},
    {"ActionPrintFormView", "Close Preview", 23,
     [](TFormControlerAncestor& window, TFrameGridAncestor& view) {
         view.ShowPreview(false);
         window.SetPrintMode(false);
     }},
    {"ActionPrint", "Print", 26, [](TFormControlerAncestor&, TFrameGridAncestor& view) { view.PrintPage(); }},
    {"ActionPrintLandscape", "Landscape", 31,
     [](TFormControlerAncestor&, TFrameGridAncestor& view) { view.SetLandscape(true); }},
    {"ActionPrintPortrate", "Portrate", 34,
     [](TFormControlerAncestor&, TFrameGridAncestor& view) { view.SetLandscape(false); }},
    {"ActionPrintPageFirst", "First Page", 27,
     [](TFormControlerAncestor&, TFrameGridAncestor& view) { view.PreviewFirstPage(); }},
    {"ActionPrintPagePrior", "Prior Page", 30,
     [](TFormControlerAncestor&, TFrameGridAncestor& view) { view.PreviewPriorPage(); }},
    {"ActionPrintPageNext", "Next Page", 29,
     [](TFormControlerAncestor&, TFrameGridAncestor& view) { view.PreviewNextPage(); }},
    {"ActionPrintPageLast", "Last Page", 28,
     [](TFormControlerAncestor&, TFrameGridAncestor& view) { view.PreviewLastPage(); }},
    {"ActionPrintZoomToFit", "Zoom To Fit", 32,
     [](TFormControlerAncestor&, TFrameGridAncestor& view) { view.PreviewZoomToFit(); }},
    {"ActionPrintZoomToWidth", "Zoom To Page Width", 33,
     [](TFormControlerAncestor&, TFrameGridAncestor& view) { view.PreviewZoomToWidth(); }},
};

// The preview menu and the print bar list the actions in these orders; empty names separate.
constexpr const char* kMenuOrder[] = {"ACTIONPRINTLANDSCAPE", "ACTIONPRINTPORTRATE", "", "ACTIONPRINTPAGEFIRST",
                                      "ACTIONPRINTPAGEPRIOR", "ACTIONPRINTPAGENEXT", "ACTIONPRINTPAGELAST", "",
                                      "ACTIONPRINTZOOMTOFIT", "ACTIONPRINTZOOMTOWIDTH", "", "ACTIONPRINT", "",
                                      "ACTIONPRINTFORMVIEW"};
constexpr const char* kBarOrder[] = {"ACTIONPRINTLANDSCAPE", "ACTIONPRINTPORTRATE", "ACTIONPRINTPAGEFIRST",
                                     "ACTIONPRINTPAGEPRIOR", "ACTIONPRINTPAGENEXT", "ACTIONPRINTPAGELAST",
                                     "ACTIONPRINTZOOMTOWIDTH", "ACTIONPRINTZOOMTOFIT", "ACTIONPRINT",
                                     "ACTIONPRINTFORMVIEW"};

}  // namespace

void AddPrintActions(TFormControlerAncestor& window) {
    for (const PrintRow& row : kPrintActions) {
        const QKeySequence shortcut = std::string_view(row.name) == "ActionPrint" ? QKeySequence(Qt::CTRL | Qt::Key_P)
                                                                                 : QKeySequence();
        auto run = row.run;
        window.AddAction(row.name, row.caption, row.image, shortcut, [&window, run] {
            if (TFrameGridAncestor* view = window.CurrentView()) run(window, *view);
        });
    }
    QMenu& menu = window.PrintMenu();
    for (const char* name : kMenuOrder) {
        if (*name) menu.addAction(window.FindAction(name));
        else menu.addSeparator();
    }
    QToolBar& bar = window.PrintBar();
    for (const char* name : kBarOrder) bar.addAction(window.FindAction(name));
}

}  // namespace vantaro
