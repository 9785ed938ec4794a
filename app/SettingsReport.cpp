#include "app/SettingsReport.h"

#include "base/QuotedText.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

// The context of the sentences in the catalogs.
struct SettingsReport {
    Q_DECLARE_TR_FUNCTIONS(SettingsReport)
};

// At most this many lines about stray lines and keys; a file of noise would otherwise flood
// the terminal.
constexpr std::size_t kStrayLines = 10;

QString quoted(const std::string& text) {
    return QString::fromStdString(quotedText(text));
}

QString quotedPathOf(const std::string& path) {
    return QString::fromStdString(quotedPath(path));
}

QString plain(const std::string& text) {
    return QString::fromStdString(text);
}

QString systemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// "[section] key" of a name from the file.
QString shownKey(const std::string& section, const std::string& key) {
    return quoted("[" + section + "] " + key);
}

// "3, 7 and 9", or the first few of many.
QString lineNumbers(const std::vector<std::size_t>& numbers) {
    constexpr std::size_t kShown = 5;
    QStringList shown;
    for (std::size_t i = 0; i < std::min(numbers.size(), kShown); ++i) {
        shown << QString::number(numbers[i]);
    }
    if (numbers.size() > kShown) {
        return SettingsReport::tr("%1 and %2 more")
            .arg(shown.join(QStringLiteral(", ")))
            .arg(numbers.size() - kShown);
    }
    const QString last = shown.takeLast();
    return shown.isEmpty()
               ? last
               : SettingsReport::tr("%1 and %2").arg(shown.join(QStringLiteral(", ")), last);
}

// "it is a FIFO, not a regular file", of `subject`.
QString notRegular(const QString& subject, FileFault::Kind kind) {
    switch (kind) {
    case FileFault::Kind::Folder:
        return SettingsReport::tr("%1 is a folder, not a regular file").arg(subject);
    case FileFault::Kind::Fifo:
        return SettingsReport::tr("%1 is a FIFO, not a regular file").arg(subject);
    case FileFault::Kind::CharacterDevice:
        return SettingsReport::tr("%1 is a character device, not a regular file").arg(subject);
    case FileFault::Kind::BlockDevice:
        return SettingsReport::tr("%1 is a block device, not a regular file").arg(subject);
    case FileFault::Kind::Socket:
        return SettingsReport::tr("%1 is a socket, not a regular file").arg(subject);
    case FileFault::Kind::Other:
        break;
    }
    return SettingsReport::tr("%1 is not a regular file").arg(subject);
}

bool isReadFault(const FileFault& fault) {
    using What = FileFault::What;
    return fault.what == What::Unreadable || fault.what == What::NotRegular ||
           fault.what == What::TooLarge;
}

QString faultOf(const FileFault& fault) {
    using What = FileFault::What;
    const QString path = quotedPathOf(fault.path);
    const QString error = systemError(fault.error);
    switch (fault.what) {
    case What::Unreadable:
        return SettingsReport::tr("it cannot be read: %1").arg(error);
    case What::NotRegular:
        return SettingsReport::tr("it cannot be read: %1")
            .arg(notRegular(SettingsReport::tr("it"), fault.kind));
    case What::TooLarge:
        return SettingsReport::tr(
                   "it cannot be read: at %1 bytes it is larger than a settings file "
                   "can be (%2)")
            .arg(fault.size)
            .arg(kLargestSettingsFile);
    case What::LinkUnreadable:
        return SettingsReport::tr("its link %1 cannot be read: %2").arg(path, error);
    case What::TooManyLinks:
        return SettingsReport::tr(
                   "it leads through more than %1 symbolic links, or round in a loop")
            .arg(kMostSymbolicLinks);
    case What::TargetNotRegular:
        return notRegular(fault.path.empty()
                              ? SettingsReport::tr("it")
                              : SettingsReport::tr("the file it links to, %1,").arg(path),
                          fault.kind);
    case What::NewTextTooLarge:
        return SettingsReport::tr("at %1 bytes the new file would be larger than a settings file "
                                  "can be (%2), so it is not written and the earlier file stays "
                                  "as it is")
            .arg(fault.size)
            .arg(kLargestSettingsFile);
    case What::FolderAppendOnly:
        return SettingsReport::tr("its folder %1 is append-only or immutable, so no file in it "
                                  "can be replaced")
            .arg(path);
    case What::FolderNotMade:
        return SettingsReport::tr("its folder %1 cannot be made: %2").arg(path, error);
    case What::NewFileNotMade:
        return SettingsReport::tr("the new file %1 cannot be made: %2").arg(path, error);
    case What::WriteFailed:
        return SettingsReport::tr("writing %1 failed: %2").arg(path, error);
    case What::FlushFailed:
        return SettingsReport::tr("flushing %1 failed: %2").arg(path, error);
    case What::ReadBackDiffers:
        return SettingsReport::tr("the new file %1 does not read back as it was written").arg(path);
    case What::CloseFailed:
        return SettingsReport::tr("closing %1 failed: %2").arg(path, error);
    case What::RenameFailed:
        return fault.other.empty()
                   ? SettingsReport::tr("renaming %1 over it failed: %2").arg(path, error)
                   : SettingsReport::tr("renaming %1 over the file it links to, %2, failed: %3")
                         .arg(path, quotedPathOf(fault.other), error);
    case What::FolderNotFlushed:
        return SettingsReport::tr("its folder %1 could not be flushed to the disk: %2")
            .arg(path, error);
    }
    return {};
}

} // namespace

QString fileFaultClause(const FileFault& fault) {
    return faultOf(fault);
}

namespace {

QString whyRejected(const RejectedValue& rejected) {
    using Why = RejectedValue::Why;
    switch (rejected.why) {
    case Why::NotWholeNumber:
        return SettingsReport::tr("is not a whole number");
    case Why::OutOfRange:
        return SettingsReport::tr("is not in %1..%2").arg(rejected.min).arg(rejected.max);
    case Why::NotTrueOrFalse:
        return SettingsReport::tr("is not True, False or a number");
    case Why::NotFiniteNumber:
        return SettingsReport::tr("is not a finite number");
    case Why::DoesNotFit:
        return SettingsReport::tr("does not fit the rows of %1 = %2")
            .arg(plain(rejected.fits), plain(rejected.fitsValue));
    }
    return {};
}

struct Sentence {
    QString operator()(const FileNotRead& notRead) const {
        return SettingsReport::tr(
                   "settings: %1: %2; every setting takes its default, and Quit leaves "
                   "the file as it is")
            .arg(quotedPathOf(notRead.path), faultOf(notRead.fault));
    }
    QString operator()(const NotSettingLines& damaged) const {
        return damaged.lines.size() == 1
                   ? SettingsReport::tr(
                         "settings: %1: line %2 is not a setting; it is kept as it is")
                         .arg(quotedPathOf(damaged.path), lineNumbers(damaged.lines))
                   : SettingsReport::tr("settings: %1: lines %2 are not settings; they are kept as "
                                        "they are")
                         .arg(quotedPathOf(damaged.path), lineNumbers(damaged.lines));
    }
    QString operator()(const RepeatedKey& repeated) const {
        return SettingsReport::tr("settings: %1 is given %2 times; the last one counts")
            .arg(shownKey(repeated.section, repeated.key))
            .arg(repeated.times);
    }
    QString operator()(const UnknownKey& unknown) const {
        return SettingsReport::tr("settings: %1 is not a Varnok setting; it is kept as it is")
            .arg(shownKey(unknown.section, unknown.key));
    }
    // The section and the key are the program's own; the text is the file's, but for a value
    // that does not fit, which is a number as the program writes it.
    QString operator()(const RejectedValue& rejected) const {
        const bool written = rejected.why == RejectedValue::Why::DoesNotFit;
        return SettingsReport::tr("settings: [%1] %2 = %3 %4; using %5")
            .arg(plain(rejected.section), plain(rejected.key),
                 written ? plain(rejected.text) : quoted(rejected.text), whyRejected(rejected),
                 plain(rejected.used));
    }
    QString operator()(const UnreachablePlace& place) const {
        QString sentence;
        switch (place.used) {
        case StoredPlace::PlaceUsed::Default:
            sentence =
                SettingsReport::tr("settings: [%1] Left = %2, Top = %3 leave too little of the "
                                   "window on its screen to reach it; using Left = %4, Top = "
                                   "%5, its default place");
            break;
        case StoredPlace::PlaceUsed::DefaultMovedOntoScreen:
            sentence =
                SettingsReport::tr("settings: [%1] Left = %2, Top = %3 leave too little of the "
                                   "window on its screen to reach it; using Left = %4, Top = "
                                   "%5, moved onto its screen");
            break;
        case StoredPlace::PlaceUsed::MovedOntoScreenAsTheDefaultToo:
            sentence =
                SettingsReport::tr("settings: [%1] Left = %2, Top = %3 leave too little of the "
                                   "window on its screen to reach it, and so does its default "
                                   "place; using Left = %4, Top = %5, moved onto its screen");
            break;
        }
        return sentence.arg(plain(place.section), plain(place.left), plain(place.top),
                            plain(place.usedLeft), plain(place.usedTop));
    }
    QString operator()(const MoreStrayLines& more) const {
        return SettingsReport::tr("settings: %1 more keys given twice or unknown").arg(more.count);
    }
    QString operator()(const NotSaved& notSaved) const {
        // The new file is in place by then; only its lasting is in doubt.
        if (notSaved.fault.what == FileFault::What::FolderNotFlushed) {
            return SettingsReport::tr("saved the settings to %1, but a power cut may still lose "
                                      "them: %2")
                .arg(quotedPathOf(notSaved.path), faultOf(notSaved.fault));
        }
        return SettingsReport::tr("could not save the settings to %1: %2%3")
            .arg(quotedPathOf(notSaved.path), faultOf(notSaved.fault),
                 isReadFault(notSaved.fault) ? SettingsReport::tr(", so it is left as it is")
                                             : QString());
    }
};

bool isStray(const SettingsWarning& warning) {
    return std::holds_alternative<NotSettingLines>(warning) ||
           std::holds_alternative<RepeatedKey>(warning) ||
           std::holds_alternative<UnknownKey>(warning);
}

} // namespace

QString sentenceOf(const SettingsWarning& warning) {
    return std::visit(Sentence{}, warning);
}

QStringList sentencesOf(const std::vector<SettingsWarning>& warnings) {
    QStringList sentences;
    std::size_t stray = 0;
    for (const SettingsWarning& warning : warnings) {
        if (!isStray(warning) || ++stray <= kStrayLines) {
            sentences << sentenceOf(warning);
        }
    }
    if (stray > kStrayLines) {
        sentences << sentenceOf(MoreStrayLines{stray - kStrayLines});
    }
    return sentences;
}

void reportSettings(const std::vector<SettingsWarning>& warnings) {
    for (const QString& sentence : sentencesOf(warnings)) {
        const QString line = QStringLiteral("varnok: %1\n").arg(sentence);
        std::fputs(line.toLocal8Bit().constData(), stderr);
    }
}

void reportSettings(const SettingsWarning& warning) {
    reportSettings(std::vector<SettingsWarning>{warning});
}
