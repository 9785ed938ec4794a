#include "app/DriveFile.h"

#include "app/SettingsFile.h"
#include "app/SettingsReport.h"
#include "base/QuotedText.h"
#include "ui/DriveReport.h"

#include <QCoreApplication>

namespace {

// The context of the sentences in the catalogs.
struct DriveFile {
    Q_DECLARE_TR_FUNCTIONS(DriveFile)
};

} // namespace

std::variant<Drive, std::string> readDriveFile(const std::string& path) {
    const QString shown = QString::fromStdString(quotedPath(path));
    const SettingsFileRead read = readSettingsFile(path, kLargestDrive);
    QString why;
    switch (read.outcome) {
    case SettingsFileRead::Outcome::Absent:
        why = DriveFile::tr("cannot play the drive %1: there is no such file").arg(shown);
        break;
    case SettingsFileRead::Outcome::NotRead:
        why =
            read.whyNot.what == FileFault::What::TooLarge
                ? DriveFile::tr("cannot play the drive %1: at %2 bytes it is larger than a "
                                "drive can be (%3)")
                      .arg(shown, QString::number(read.whyNot.size), QString::number(kLargestDrive))
                : DriveFile::tr("cannot play the drive %1: %2")
                      .arg(shown, fileFaultClause(read.whyNot));
        break;
    case SettingsFileRead::Outcome::Read: {
        auto drive = readDrive(read.text);
        if (const auto* fault = std::get_if<DriveFault>(&drive)) {
            why = DriveFile::tr("cannot play the drive %1: %2").arg(shown, sentenceOf(*fault));
            break;
        }
        return std::get<Drive>(std::move(drive));
    }
    }
    return why.toStdString();
}
