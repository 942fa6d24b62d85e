#pragma once

#include <QMainWindow>

#include <string>

namespace vantaro {

// The base of every window: it takes its saved position and size when it is created and saves
// them when it is destroyed, under a settings key of its class and the program's version.
class TFormAncestor : public QMainWindow {
    Q_OBJECT

public:
    // The settings root every window passes.
    static constexpr const char* kSettingsRoot = "\\Software\\Corvale";

    // windowClassName is the class whose words name the settings key, such as "TFormMain";
    // defaultSize is the size of a window that has no saved position yet.
    TFormAncestor(const char* windowClassName, QSize defaultSize, QWidget* parent = nullptr);
    ~TFormAncestor() override;

    const std::string& WindowClassName() const { return windowClassName_; }

protected:
    void RestorePosition();
    void SavePosition();

private:
    std::string windowClassName_;
};

}  // namespace vantaro
