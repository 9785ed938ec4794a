#include "app/SettingsStore.h"

#include "app/RepeatedKeys.h"
#include "app/TextConversions.h"

#include <QFile>
#include <QStringList>
#include <QVariant>

#include <algorithm>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A stored text made fit for one line of a message: no control characters, not too long.
QString printable(const QString& text) {
    constexpr qsizetype kShownLength = 60;
    QString shown;
    for (const QChar c : text.left(kShownLength)) {
        shown += c.isPrint() ? c : QChar('?');
    }
    if (text.size() > kShownLength) {
        shown += QStringLiteral("...");
    }
    return shown;
}

// At most this many lines about stray keys; a file of noise would otherwise flood the terminal.
constexpr int kStrayKeyLines = 10;

void warn(const QString& line) {
    std::fputs(
        (QStringLiteral("varnok: settings: ") + line + QChar('\n')).toLocal8Bit().constData(),
        stderr);
}

// "[section] key" of a key as the store names it, "section/key", or "key" outside a section.
QString shownKey(const QString& sectionAndKey) {
    const qsizetype slash = sectionAndKey.indexOf(QChar('/'));
    if (slash < 0) {
        return QStringLiteral("[General] ") + printable(sectionAndKey);
    }
    return QStringLiteral("[%1] %2").arg(printable(sectionAndKey.left(slash)),
                                         printable(sectionAndKey.mid(slash + 1)));
}

// A check that takes every value that converts.
template <typename T>
std::optional<QString> anyValue(T) {
    return std::nullopt;
}

} // namespace

SettingsStore::SettingsStore()
    : m_settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Varnok"),
                 QStringLiteral("Varnok")) {
    // A save writes a new file and renames it over the old one, or fails: a write that stops
    // part of the way (a full disk) leaves the earlier file whole.
    m_settings.setAtomicSyncRequired(true);
    // The store is the user's file alone; a system-wide file would blur what a save wrote.
    m_settings.setFallbacksEnabled(false);
}

std::optional<SettingsStore::FileIdentity> SettingsStore::identityOf(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
        return std::nullopt;
    }
    return FileIdentity{status.st_dev, status.st_ino};
}

QString SettingsStore::fileName() const {
    return m_settings.fileName();
}

std::optional<QString> SettingsStore::readProblem() const {
    switch (m_settings.status()) {
    case QSettings::NoError:
        return std::nullopt;
    case QSettings::AccessError:
        return QStringLiteral("it cannot be read");
    case QSettings::FormatError:
        return QStringLiteral("parts of it are damaged");
    }
    return QStringLiteral("it cannot be read");
}

void SettingsStore::warnAboutStrayKeys(
    const std::function<bool(const QString& sectionAndKey)>& isKnown) const {
    QStringList lines;
    QFile file(fileName());
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray text = file.readAll();
        for (const RepeatedKey& repeated :
             findRepeatedKeys({text.constData(), std::size_t(text.size())})) {
            lines << QStringLiteral("[%1] %2 is given %3 times; the last one counts")
                         .arg(printable(QString::fromStdString(repeated.section)),
                              printable(QString::fromStdString(repeated.key)))
                         .arg(repeated.times);
        }
    }
    for (const QString& key : m_settings.allKeys()) {
        if (!isKnown(key)) {
            lines << shownKey(key) +
                         QStringLiteral(" is not a Varnok setting; it is kept as it is");
        }
    }
    for (qsizetype i = 0; i < std::min<qsizetype>(lines.size(), kStrayKeyLines); ++i) {
        warn(lines[i]);
    }
    if (lines.size() > kStrayKeyLines) {
        warn(QStringLiteral("%1 more keys given twice or unknown")
                 .arg(lines.size() - kStrayKeyLines));
    }
}

std::optional<QString> SettingsStore::storedText(const QString& section, const QString& key) const {
    const QVariant value = m_settings.value(section + QChar('/') + key);
    if (!value.isValid()) {
        return std::nullopt;
    }
    // A value with commas reads back as a list; put it together again to judge and show it.
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(QChar(','));
    }
    return value.toString();
}

void SettingsStore::warnRejected(const QString& section, const QString& key, const QString& text,
                                 const QString& why, const std::string& fallback) {
    warn(QStringLiteral("[%1] %2 = \"%3\" %4; using %5")
             .arg(section, key, printable(text), why, QString::fromStdString(fallback)));
}

template <typename T, typename Check>
T SettingsStore::read(const QString& section, const QString& key, T fallback,
                      std::optional<T> (*convert)(std::string_view), const QString& notConverted,
                      const std::string& fallbackText, Check check) {
    const auto text = storedText(section, key);
    if (!text) {
        return fallback;
    }
    const auto value = convert(text->toStdString());
    const std::optional<QString> fault = value ? check(*value) : notConverted;
    if (fault) {
        warnRejected(section, key, *text, *fault, fallbackText);
        return fallback;
    }
    return *value;
}

std::int32_t SettingsStore::readLong(const QString& section, const QString& key,
                                     std::int32_t fallback, std::int32_t min, std::int32_t max) {
    return read(section, key, fallback, textToLong, QStringLiteral("is not a whole number"),
                longToText(fallback), [&](std::int32_t value) -> std::optional<QString> {
                    if (value < min || value > max) {
                        return QStringLiteral("is not in %1..%2").arg(min).arg(max);
                    }
                    return std::nullopt;
                });
}

bool SettingsStore::readBoolean(const QString& section, const QString& key, bool fallback) {
    return read(section, key, fallback, textToBoolean,
                QStringLiteral("is not True, False or a number"), fallback ? "True" : "False",
                anyValue<bool>);
}

float SettingsStore::readSingle(const QString& section, const QString& key, float fallback) {
    return read(section, key, fallback, textToSingle, QStringLiteral("is not a finite number"),
                singleToText(fallback), anyValue<float>);
}

void SettingsStore::writeText(const QString& section, const QString& key, const std::string& text) {
    const QString name = section + QChar('/') + key;
    m_settings.setValue(name, QString::fromStdString(text));
    m_written[name] = QString::fromStdString(text);
}

std::optional<QString> SettingsStore::syncProblem(const std::optional<FileIdentity>& before) {
    m_settings.sync();
    const QSettings::Status status = m_settings.status();
    if (status == QSettings::NoError) {
        return std::nullopt;
    }
    // The status keeps the first error met, so a file that was damaged when it was read still
    // reports that after a good save. The save replaces the file, which tells the two apart.
    const auto after = identityOf(fileName());
    if (status == QSettings::FormatError && after && after != before) {
        return std::nullopt;
    }
    return QStringLiteral("the file could not be written");
}

bool SettingsStore::fileIsWhole() const {
    // Read under a second name: under its own, Qt would answer from what it has cached.
    static int checks = 0;
    const QString checkName =
        QStringLiteral("%1.check-%2-%3").arg(fileName()).arg(::getpid()).arg(++checks);
    if (::link(QFile::encodeName(fileName()).constData(),
               QFile::encodeName(checkName).constData()) != 0) {
        // A file system without second names: Qt's word has to do.
        return true;
    }
    bool whole = false;
    {
        // Every line that Qt writes ends in a line break: a file cut short within a line does
        // not, and one cut at a line's end lacks what follows, the values written here among
        // it unless only keys of other programs followed them. (Keys from a damaged file may
        // come back under other names, so they cannot be compared one by one.)
        QFile file(checkName);
        const bool endsALine = file.open(QIODevice::ReadOnly) && file.size() > 0 &&
                               file.seek(file.size() - 1) && file.read(1) == "\n";
        const QSettings written(checkName, QSettings::IniFormat);
        whole =
            endsALine && std::all_of(m_written.begin(), m_written.end(), [&](const auto& entry) {
                return written.value(entry.first) == QVariant(entry.second);
            });
    }
    QFile::remove(checkName);
    return whole;
}

std::optional<QString> SettingsStore::flush() {
    const QByteArray file = QFile::encodeName(fileName());
    const auto before = identityOf(fileName());
    // Qt takes a write that a full disk cut short for a whole one, and renames the cut file
    // over the earlier one. A second name keeps the earlier file, to put back if need be.
    const QByteArray earlier = file + ".earlier";
    ::unlink(earlier.constData());
    const bool kept = before && ::link(file.constData(), earlier.constData()) == 0;

    std::optional<QString> failure = syncProblem(before);
    if (!failure && !fileIsWhole()) {
        failure = QStringLiteral("the disk took only a part of it");
    }
    if (failure && kept) {
        ::rename(earlier.constData(), file.constData());
    } else if (failure && !before) {
        ::unlink(file.constData());
    }
    ::unlink(earlier.constData());
    return failure;
}
