#pragma once

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <fstream>
#include <functional>
#include <string>

#include "ui/controllers/ControllerTestSupport.h"
#include "ui/windows/MainWindowFixture.h"
#include "wizards/TFormWidzardControler.h"
#include "wizards/Wizards.h"

namespace vantaro::test {

// The main window with the program's wizards, and the means to drive one as a teacher would.
class WizardFixture : public MainWindowFixture {
protected:
    WizardFixture() : wizard(InstallWizards(*main, scratch, dialogs)) { factory.Settings().SingleClick = true; }

    // Starts a wizard, from a main-window command or by name; the user acts on the window while
    // it is open, and a window left open is cancelled. By name: true when it was finished.
    void RunFromMenu(const char* action, std::function<void(TFormWidzardControler&)> user) {
        Drive(std::move(user));
        main->RunAction(main->FindAction(action));
    }
    bool RunByName(const std::string& name, CStored* target, std::function<void(TFormWidzardControler&)> user) {
        Drive(std::move(user));
        return wizard.Start(name, target, main.get());
    }
    std::string WriteFile(const char* name, const std::string& bytes) {
        const std::string path = Path(name);
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    static std::string StepText(const TFormWidzardControler& window) { return window.StepLabel().text().toStdString(); }
    static void Grab(TFormWidzardControler& window, const char* name) {
        QApplication::processEvents();
        EXPECT_TRUE(window.grab().toImage().save(QStringLiteral(VANTARO_BINARY_DIR "/") + QLatin1String(name)));
    }

    TFormWidzardControler& wizard;

private:
    static void Drive(std::function<void(TFormWidzardControler&)> user) {
        QTimer::singleShot(0, [user = std::move(user)] {
            auto* window = qobject_cast<TFormWidzardControler*>(QApplication::activeModalWidget());
            ASSERT_NE(window, nullptr) << "no wizard runs";
            user(*window);
            if (window->IsRunningModal()) window->ButtonCancel().click();
        });
    }
};

}  // namespace vantaro::test
