// The user's settings, kept in the platform's settings store under
// "\Software\Corvale\Vantaro\Factory\". Booleans are integer values 0 or 1 (any non-zero value
// reads as true), integers and colours are 32-bit integer values, texts are string values.
// Colours are stored as RGB (red in the lowest byte) or as 0x80000000 plus a system colour's
// index. Values are read and written in the order of kSettings.

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "factory/CFactory.h"
#include "routines/AppInfo.h"
#include "routines/Platform.h"

namespace vantaro {
namespace {

constexpr TColor kSystemColor = 0x80000000;
constexpr TColor kWindowBackground = kSystemColor + 5;
constexpr TColor kWindowText = kSystemColor + 8;

constexpr TColor Rgb(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return red | green << 8 | blue << 16;
}

constexpr const char* kDefaultFont = "Tahoma";
constexpr int kDefaultFontSize = 10;
constexpr const char* kDefaultStoreName = "Default.ods";
#ifdef _WIN32
constexpr const char* kDefaultBackupPath = "C:\\";
#endif

std::string BackupPathDefault() {
#ifdef _WIN32
    return kDefaultBackupPath;
#else
    const char* home = std::getenv("HOME");
    return home && *home ? std::string(home) + "/" : std::string("/");
#endif
}

void SetDefaults(CFactorySettings& s) {
    s.SingleClick = false;
    s.SimpleView = true;
    s.CompressDatastore = true;
    s.AnnualReportFullTitle = true;
    s.OpenLastDataStore = false;
    s.BackupPath = BackupPathDefault();
    s.BackgroundColor = kWindowBackground;
    s.SelectionBackgroundColor = Rgb(150, 160, 199);
    s.SelectionTextColor = kWindowText;
    s.TitleBackgroundColor = Rgb(150, 160, 199);
    s.TitleTextColor = kWindowText;
    s.HeadingBackgroundColor = Rgb(191, 198, 221);
    s.HeadingTextColor = Rgb(70, 83, 132);
    s.LinkBackgroundColor = Rgb(255, 255, 225);
    s.LinkTextColor = Rgb(70, 83, 132);
    s.LabelBackgroundColor = kWindowBackground;
    s.LabelTextColor = kWindowText;
    s.DataBackgroundColor = kWindowBackground;
    s.DataTextColor = kWindowText;
    s.DataBorderColor = Rgb(192, 192, 192);
    s.DragBackgroundColor = Rgb(233, 235, 243);
    s.InfoBackgroundColor = Rgb(233, 235, 243);
    s.InfoTextColor = kWindowText;
    s.Font = CFontDescription{kDefaultFont, kWindowText, kDefaultFontSize, false, false, false, false};
}

// Visits every value in the stored order with its name and field; a visitor reads or writes.
template <class Visitor>
void VisitSettings(CFactorySettings& s, std::string& fileName, Visitor&& visit) {
    visit.Boolean("SingleClick", s.SingleClick);
    visit.Boolean("SimpleView", s.SimpleView);
    visit.Boolean("CompressDatastore", s.CompressDatastore);
    visit.Boolean("AnnualReportFullTitle", s.AnnualReportFullTitle);
    visit.Boolean("OpenLastDataStore", s.OpenLastDataStore);
    visit.Text("FileName", fileName);
    visit.Text("BackupPath", s.BackupPath);
    visit.Colour("BackgroundColor", s.BackgroundColor);
    visit.Colour("SelectionBackgroundColor", s.SelectionBackgroundColor);
    visit.Colour("SelectionTextColor", s.SelectionTextColor);
    visit.Colour("TitleBackgroundColor", s.TitleBackgroundColor);
    visit.Colour("TitleTextColor", s.TitleTextColor);
    visit.Colour("HeadingBackgroundColor", s.HeadingBackgroundColor);
    visit.Colour("HeadingTextColor", s.HeadingTextColor);
    visit.Colour("LinkBackgroundColor", s.LinkBackgroundColor);
    visit.Colour("LinkTextColor", s.LinkTextColor);
    visit.Colour("LabelBackgroundColor", s.LabelBackgroundColor);
    visit.Colour("LabelTextColor", s.LabelTextColor);
    visit.Colour("DataBackgroundColor", s.DataBackgroundColor);
    visit.Colour("DataTextColor", s.DataTextColor);
    visit.Colour("DataBorderColor", s.DataBorderColor);
    visit.Colour("DragBackgroundColor", s.DragBackgroundColor);
    visit.Colour("InfoBackgroundColor", s.InfoBackgroundColor);
    visit.Colour("InfoTextColor", s.InfoTextColor);
    visit.Text("Name", s.Font.Name);
    visit.Colour("Color", s.Font.Color);
    visit.Integer("Size", s.Font.Size);
    visit.Boolean("Style Bold", s.Font.Bold);
    visit.Boolean("Style Italic", s.Font.Italic);
    visit.Boolean("Style Underline", s.Font.Underline);
    visit.Boolean("Style StrikeOut", s.Font.StrikeOut);
}

// Takes every value present and of the right type; leaves the field alone otherwise, also when
// reading that one value fails.
class SettingsReader {
public:
    SettingsReader(const SettingsStore& store, std::string key) : store_(store), key_(std::move(key)) {}

    void Boolean(const char* name, bool& field) {
        if (const auto value = ReadInteger(name)) field = *value != 0;
    }
    void Text(const char* name, std::string& field) {
        try {
            if (const auto value = store_.ReadString(key_, name)) field = *value;
        } catch (const std::exception&) {
        }
    }
    void Colour(const char* name, TColor& field) {
        if (const auto value = ReadInteger(name)) field = static_cast<TColor>(*value);
    }
    void Integer(const char* name, int& field) {
        if (const auto value = ReadInteger(name)) field = *value;
    }

private:
    std::optional<std::int32_t> ReadInteger(const char* name) const {
        try {
            return store_.ReadInteger(key_, name);
        } catch (const std::exception&) {
            return std::nullopt;
        }
    }

    const SettingsStore& store_;
    std::string key_;
};

class SettingsWriter {
public:
    SettingsWriter(SettingsStore& store, std::string key) : store_(store), key_(std::move(key)) {}

    void Boolean(const char* name, bool& field) { store_.WriteInteger(key_, name, field ? 1 : 0); }
    void Text(const char* name, std::string& field) { store_.WriteString(key_, name, field); }
    void Colour(const char* name, TColor& field) {
        store_.WriteInteger(key_, name, static_cast<std::int32_t>(field));
    }
    void Integer(const char* name, int& field) { store_.WriteInteger(key_, name, field); }

private:
    SettingsStore& store_;
    std::string key_;
};

std::string& ProgramFolderValue() {
    static std::string folder = [] {
        std::error_code error;
        std::string current = std::filesystem::current_path(error).string();
        if (error || current.empty()) return std::string();
        if (current.back() != '/') current += '/';
        return current;
    }();
    return folder;
}

}  // namespace

std::string CFactory::SettingsKey() {
    return "\\Software\\" + OrganisationName() + "\\" + ApplicationTitle() + "\\Factory\\";
}

const std::string& CFactory::ProgramFolder() { return ProgramFolderValue(); }

void CFactory::SetProgramFolder(const std::string& folder) {
    std::string& value = ProgramFolderValue();
    value = folder;
    if (!value.empty() && value.back() != '/' && value.back() != '\\') value += '/';
}

std::string CFactory::DefaultDataStorePath() { return ProgramFolder() + kDefaultStoreName; }

CFactorySettings CFactory::DefaultSettings() {
    CFactorySettings settings;
    SetDefaults(settings);
    return settings;
}

void CFactory::ReadSettings() {
    SetDefaults(settings_);
    fileName_ = DefaultDataStorePath();
    // Reading never fails: a store that cannot be opened leaves every default.
    try {
        SettingsStore& store = Platform::Settings();
        const std::string key = SettingsKey();
        store.CreateKey(key);
        SettingsReader reader(store, key);
        VisitSettings(settings_, fileName_, reader);
    } catch (const std::exception&) {
    }
    if (fileName_.empty()) fileName_ = DefaultDataStorePath();
    // A size stored by hand or by an older version must still give readable pages.
    settings_.Font.Size = std::clamp(settings_.Font.Size, kSmallestFontSize, kLargestFontSize);
}

void CFactory::WriteSettings() {
    if (fileName_ == DefaultDataStorePath()) fileName_.clear();
    SettingsStore& store = Platform::Settings();
    const std::string key = SettingsKey();
    store.CreateKey(key);
    SettingsWriter writer(store, key);
    VisitSettings(settings_, fileName_, writer);
}

}  // namespace vantaro
