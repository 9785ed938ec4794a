#include "ui/DriveReport.h"

#include "base/QuotedText.h"

#include <QCoreApplication>

namespace {

// The context of the sentences in the catalogs.
struct DriveReport {
    Q_DECLARE_TR_FUNCTIONS(DriveReport)
};

using What = DriveFault::What;

QString quoted(const std::string& text) {
    return QString::fromStdString(quotedText(text));
}

// A drive's own word: a field, a verb.
QString plain(std::string_view word) {
    return QString::fromUtf8(word.data(), qsizetype(word.size()));
}

QString number(std::int64_t value) {
    return QString::number(value);
}

// A train's values by their words in a drive, as a sentence about a run names them.
struct FieldWord {
    std::string_view field;
    const char* said;
};
constexpr FieldWord kFieldWords[] = {
    {"head", QT_TRANSLATE_NOOP("DriveReport", "head")},
    {"next", QT_TRANSLATE_NOOP("DriveReport", "next")},
    {"start", QT_TRANSLATE_NOOP("DriveReport", "start")},
    {"end", QT_TRANSLATE_NOOP("DriveReport", "end")},
    {"length", QT_TRANSLATE_NOOP("DriveReport", "length")},
    {"color", QT_TRANSLATE_NOOP("DriveReport", "color")},
    {"speed", QT_TRANSLATE_NOOP("DriveReport", "speed")},
    {"throttle", QT_TRANSLATE_NOOP("DriveReport", "throttle")},
    {"interval", QT_TRANSLATE_NOOP("DriveReport", "interval")},
    {"ctrl", QT_TRANSLATE_NOOP("DriveReport", "ctrl")},
};

QString fieldWord(std::string_view field) {
    for (const FieldWord& word : kFieldWords) {
        if (word.field == field) {
            return DriveReport::tr(word.said);
        }
    }
    return plain(field);
}

// The subject of a sentence about a number.
QString valueName(const DriveFault& fault) {
    switch (fault.value) {
    case DriveFault::Value::Time:
        return DriveReport::tr("the time");
    case DriveFault::Value::StallStart:
        return DriveReport::tr("the stall's start");
    case DriveFault::Value::Train:
        return DriveReport::tr("the train");
    case DriveFault::Value::KeyCode:
        return DriveReport::tr("the key code");
    case DriveFault::Value::ShiftState:
        return DriveReport::tr("the shift state");
    case DriveFault::Value::Cell:
        return DriveReport::tr("a cell");
    case DriveFault::Value::Colour:
        return DriveReport::tr("a colour");
    case DriveFault::Value::Field:
        break;
    }
    return plain(fault.name);
}

QString faultOf(const DriveFault& fault) {
    switch (fault.what) {
    case What::NotADrive:
        return DriveReport::tr("not a drive: it does not begin with \"varnok drive %1\"")
            .arg(kDriveFormat);
    case What::UnknownFormat:
        return DriveReport::tr(
                   "a drive of format %1, which this Varnok does not know (it reads format %2)")
            .arg(plain(fault.text), number(kDriveFormat));
    case What::EndsEarly:
        return DriveReport::tr("the drive ends before its %1 line").arg(plain(fault.name));
    case What::NoTimeOrVerb:
        return DriveReport::tr("a line needs a time and what happened");
    case What::NotWholeNumber:
        return DriveReport::tr("%1 %2 is not a whole number")
            .arg(valueName(fault), quoted(fault.text));
    case What::NotWithin:
        return DriveReport::tr("%1 %2 is not within %3..%4")
            .arg(valueName(fault), number(fault.number), number(fault.low), number(fault.high));
    case What::NotNamed:
        return DriveReport::tr("expected %1=..., found %2")
            .arg(plain(fault.name), quoted(fault.text));
    case What::WordCount:
        return DriveReport::tr("expected %1 words, found %2")
            .arg(number(fault.low), number(fault.number));
    case What::TimeGoesBack:
        return DriveReport::tr("the time %1 goes back from %2")
            .arg(number(fault.number), number(fault.low));
    case What::NotTheLineDue:
        return DriveReport::tr("expected the %1 line at %2")
            .arg(plain(fault.name), number(fault.number));
    case What::KeyHeldAtStart:
        return DriveReport::tr("a run starts with no key held");
    case What::TrainStartsAmiss:
        return DriveReport::tr("train %1 does not start as a start leaves it: on a node cell, "
                               "with no run, no body and interval 0")
            .arg(fault.number);
    case What::NotTheTrainDue:
        return DriveReport::tr("expected train %1").arg(fault.number);
    case What::BodyTooLong:
        return DriveReport::tr("a body of more than %1 cells").arg(kBodyCapacity);
    case What::NoSuchCell:
        return DriveReport::tr("the track has no cell %1").arg(fault.number);
    case What::IntervalNotThrottles:
        return DriveReport::tr("interval %1 is not the throttle's").arg(fault.number);
    case What::UnknownEntry:
        return DriveReport::tr("no entry is called %1").arg(quoted(fault.text));
    case What::DigestNotHex:
        return DriveReport::tr("the digest %1 is not 16 lower-case hexadecimal digits")
            .arg(quoted(fault.text));
    case What::FollowsTheEnd:
        return DriveReport::tr("nothing may follow the end");
    case What::WrongEndDigest:
        return DriveReport::tr("the digest %1 is not that of the end state above it")
            .arg(quoted(fault.text));
    }
    return {};
}

} // namespace

QString sentenceOf(const DriveFault& fault) {
    return DriveReport::tr("line %1: %2").arg(number(fault.line), faultOf(fault));
}

QString sentenceOf(const RunDifference& difference) {
    using Value = RunDifference::Value;
    const QString run = number(difference.run);
    const QString drive = number(difference.drive);
    switch (difference.value) {
    case Value::TrainCount:
        return DriveReport::tr("the number of trains is %1 where the drive has %2").arg(run, drive);
    case Value::ControlledTrain:
        return DriveReport::tr("the controlled train is %1 where the drive has %2").arg(run, drive);
    case Value::TrackColor:
        return DriveReport::tr("the track colour is %1 where the drive has %2").arg(run, drive);
    case Value::KeyHeld:
        return DriveReport::tr("the key held is %1 where the drive has %2").arg(run, drive);
    case Value::TrainField:
        return DriveReport::tr("train %1's %2 is %3 where the drive has %4")
            .arg(number(difference.train), fieldWord(difference.field), run, drive);
    case Value::BodyCell:
        return DriveReport::tr("train %1's body cell %2 is %3 where the drive has %4")
            .arg(number(difference.train), number(std::int64_t(difference.index)), run, drive);
    case Value::CellColor:
        return DriveReport::tr("the colour of cell %1 is %2 where the drive has %3")
            .arg(number(std::int64_t(difference.index)), run, drive);
    }
    return {};
}

std::string verdictText(const DriveVerdict& verdict) {
    const QString time = number(verdict.time);
    QString text;
    switch (verdict.outcome) {
    case DriveVerdict::Outcome::Reached:
        text = DriveReport::tr("the drive reached its recorded end at %1 ms, digest %2")
                   .arg(time, QString::fromStdString(digestText(verdict.digest)));
        break;
    case DriveVerdict::Outcome::Differs: {
        const QString difference = verdict.difference ? sentenceOf(*verdict.difference)
                                                      : DriveReport::tr("the run differs");
        text = verdict.departed
                   ? DriveReport::tr("the drive did not reach its recorded end: the run departs "
                                     "from it at %1 ms; at %2 ms %3")
                         .arg(number(*verdict.departed), time, difference)
                   : DriveReport::tr("the drive did not reach its recorded end: at %1 ms %2")
                         .arg(time, difference);
        break;
    }
    case DriveVerdict::Outcome::NoEnd:
        text = DriveReport::tr(
                   "the drive played to its last input, at %1 ms; it has no recorded end to "
                   "compare with")
                   .arg(time);
        break;
    }
    return text.toStdString();
}
