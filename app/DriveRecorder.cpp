#include "app/DriveRecorder.h"

#include "base/Clock.h"
#include "base/QuotedText.h"
#include "ui/TrainDriver.h"
#include "ui/TrainModel.h"

#include <QCoreApplication>
#include <QString>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The context of the sentences in the catalogs.
struct DriveRecorderText {
    Q_DECLARE_TR_FUNCTIONS(DriveRecorderText)
};

QString shownPath(const std::string& path) {
    return QString::fromStdString(quotedPath(path));
}

std::int64_t milliseconds(std::int64_t nanoseconds) {
    return nanoseconds / kNanosecondsPerMillisecond;
}

} // namespace

std::variant<std::unique_ptr<DriveRecorder>, std::string>
DriveRecorder::create(const std::string& path, const std::string& settingsPath) {
    const QString shown = shownPath(path);
    const std::string notRegular =
        DriveRecorderText::tr("cannot record the drive to %1: it is not a regular file")
            .arg(shown)
            .toStdString();
    struct stat status {};
    struct stat settings {};
    if (::stat(path.c_str(), &status) == 0) {
        if (!S_ISREG(status.st_mode)) {
            return notRegular;
        }
        if (::stat(settingsPath.c_str(), &settings) == 0 && settings.st_dev == status.st_dev &&
            settings.st_ino == status.st_ino) {
            return DriveRecorderText::tr("cannot record the drive to %1: it is the settings file")
                .arg(shown)
                .toStdString();
        }
    }
    // Without blocking on a FIFO put there since; only a regular file is emptied by the open.
    const int descriptor = ::open(
        path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    if (descriptor < 0) {
        // Before anything else can set errno.
        const int error = errno;
        return DriveRecorderText::tr("cannot record the drive to %1: %2")
            .arg(shown, QString::fromLocal8Bit(std::strerror(error)))
            .toStdString();
    }
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return notRegular;
    }
    return std::unique_ptr<DriveRecorder>(new DriveRecorder(descriptor, path));
}

DriveRecorder::DriveRecorder(int descriptor, std::string path)
    : m_descriptor(descriptor), m_path(std::move(path)) {}

DriveRecorder::~DriveRecorder() {
    ::close(m_descriptor);
}

void DriveRecorder::follow(const TrainModel& model, const TrainDriver& driver,
                           const TrackCells& cells) {
    write(driveStartText(model.state()));
    connect(&model, &TrainModel::inputTaken, this,
            [this, &model, &driver, &cells](const DriveInput& input) {
                const std::int64_t time = milliseconds(driver.time());
                const DriveCheckpoint checkpoint{runDigest(runStateOf(model.state(), cells))};
                write(driveEntryText({time, input}) + driveEntryText({time, checkpoint}));
            });
    connect(&driver, &TrainDriver::backlogDropped, this,
            [this](std::int64_t since, std::int64_t now) {
                write(driveEntryText({milliseconds(now), DriveStall{milliseconds(since)}}));
            });
}

void DriveRecorder::finish(std::int64_t time, const RunState& run) {
    write(driveEndText(milliseconds(time), run));
    if (!m_failed) {
        ::fsync(m_descriptor);
    }
    // Nothing follows the end: a catch-up of the save after it is no part of the drive.
    m_failed = true;
}

void DriveRecorder::write(const std::string& lines) {
    if (m_failed) {
        return;
    }
    std::size_t done = 0;
    while (done < lines.size()) {
        const ssize_t written = ::write(m_descriptor, lines.data() + done, lines.size() - done);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            const int error = written < 0 ? errno : ENOSPC;
            // A line cut short would make the drive unreadable: the file ends at the last whole
            // one.
            if (::ftruncate(m_descriptor, m_kept) == 0) {
                ::lseek(m_descriptor, m_kept, SEEK_SET);
            }
            m_failed = true;
            const QString warning =
                DriveRecorderText::tr("the drive %1 cannot be written on: %2; it keeps what was "
                                      "written before, and the run goes on without recording")
                    .arg(shownPath(m_path), QString::fromLocal8Bit(std::strerror(error)));
            std::fprintf(stderr, "varnok: %s\n", warning.toLocal8Bit().constData());
            return;
        }
        done += std::size_t(written);
    }
    m_kept += off_t(lines.size());
}
