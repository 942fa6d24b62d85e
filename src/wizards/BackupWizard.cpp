#include "wizards/BackupWizard.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "controllers/messages/TFrameQuestionGrid.h"
#include "domain/CRovanFactory.h"
#include "domain/Periods.h"
#include "factory/DataStoreErrors.h"
#include "routines/Platform.h"
#include "windows/LocalPath.h"

namespace vantaro {
namespace {

// The folder backups go to: the one last chosen while it exists, else the user's documents.
QString BackupFolder(CFactorySettings& settings) {
    const QString saved = FromLocalPath(settings.BackupPath);
    if (!saved.isEmpty() && QFileInfo(saved).isDir()) return QDir(saved).absolutePath() + QLatin1Char('/');
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty() || !QFileInfo(documents).isDir()) documents = QDir::homePath();
    settings.BackupPath = ToLocalPath(documents + QLatin1Char('/'));
    return documents + QLatin1Char('/');
}

// The store's file name without its folder, or the name Save As would offer an unsaved one.
QString StoreName(const CRovanFactory& factory) {
    if (!factory.FileName().empty()) return QFileInfo(FromLocalPath(factory.FileName())).fileName();
    const CYear* year = factory.Year();
    return QString::fromLatin1(year ? year->SuggestedFileName() : std::string()) + QStringLiteral(".ods");
}

QString WithStoreExtension(const QString& name) {
    return name.endsWith(QStringLiteral(".ods"), Qt::CaseInsensitive) ? name : name + QStringLiteral(".ods");
}

bool SameFile(const QString& a, const QString& b) {
    const QFileInfo first(a), second(b);
    return first.exists() && second.exists() ? first.canonicalFilePath() == second.canonicalFilePath()
                                             : first.absoluteFilePath() == second.absoluteFilePath();
}

CRovanFactory* Loaded() { return dynamic_cast<CRovanFactory*>(CFactory::MainFactory()); }

}  // namespace

std::vector<Wizard::PWidzardEvent> BackupWizard::Steps() {
    return {[this] { AskForName(); }, [this] { WriteBackup(); }, [this] { window_.Finish(true); }};
}

void BackupWizard::AskForName() {
    CRovanFactory* factory = Loaded();
    if (!factory) return;
    if (name_.empty())
        name_ = (BackupFolder(factory->Settings()) + QStringLiteral("BACKUP OF ") + StoreName(*factory)).toStdString();
    TFrameQuestionGrid& page = window_.Question();
    page.ResetQuestion();
    page.SetMultipleChoice(false);
    page.AddQuestion("Backup Name", "Enter the name of the backup file. All backup files will be compressed.",
                     "ActionFileSaveAs", name_);
    page.Refresh(1);
    name_.clear();
}

void BackupWizard::WriteBackup() {
    CRovanFactory* factory = Loaded();
    if (!factory) return;
    TFrameQuestionGrid& page = window_.Question();
    const QString path = WithStoreExtension(QString::fromLatin1(page.Answer()));
    const std::string storeFile = factory->FileName();
    if (!storeFile.empty() && SameFile(path, FromLocalPath(storeFile))) {
        Platform::Prompts().Ask("Backup Failed", "A backup can not be written over the data store itself; please "
                                                 "choose another name.", MessageButtons::Close);
        name_ = path.toLatin1().toStdString();
        return window_.StartAgain();
    }
    if (QFileInfo::exists(path) &&
        !Platform::Prompts().Ask("Replace Backup", "The file " + path.toLatin1().toStdString() +
                                                       " already exists. Would you like to replace it?",
                                 MessageButtons::OkCancel)) {
        name_ = path.toLatin1().toStdString();
        return window_.StartAgain();
    }

    CFactorySettings& settings = factory->Settings();
    const bool compressed = settings.CompressDatastore;
    settings.CompressDatastore = true;
    std::string title = "Backup Successful";
    std::string text = path.toLatin1().toStdString();
    try {
        factory->Save(ToLocalPath(path));
    } catch (const EVantaro& error) {
        title = "Backup Failed";
        text = error.what();
    }
    settings.CompressDatastore = compressed;
    factory->SetFileName(storeFile);
    if (CStored* year = factory->Root(); year && year->Status() == StoredStatus::Saved)
        year->SetStatus(StoredStatus::Modified);  // the store itself is still unsaved
    page.ResetQuestion();
    page.AddMessage(title, text);
    page.Refresh(1);
}

}  // namespace vantaro
