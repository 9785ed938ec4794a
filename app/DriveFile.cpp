#include "app/DriveFile.h"

#include "app/SettingsFile.h"
#include "app/SettingsReport.h"
#include "base/QuotedText.h"

std::variant<Drive, std::string> readDriveFile(const std::string& path) {
    const std::string cannot = "cannot play the drive " + quotedPath(path) + ": ";
    const SettingsFileRead read = readSettingsFile(path, kLargestDrive);
    switch (read.outcome) {
    case SettingsFileRead::Outcome::Absent:
        return cannot + "there is no such file";
    case SettingsFileRead::Outcome::NotRead:
        if (read.whyNot.what == FileFault::What::TooLarge) {
            return cannot + "at " + std::to_string(read.whyNot.size) +
                   " bytes it is larger than a drive can be (" + std::to_string(kLargestDrive) +
                   ")";
        }
        return cannot + fileFaultClause(read.whyNot).toStdString();
    case SettingsFileRead::Outcome::Read:
        break;
    }
    auto drive = readDrive(read.text);
    if (const auto* fault = std::get_if<DriveFault>(&drive)) {
        return cannot + "line " + std::to_string(fault->line) + ": " + fault->what;
    }
    return std::get<Drive>(std::move(drive));
}
