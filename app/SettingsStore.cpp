#include "app/SettingsStore.h"

#include "base/TextConversions.h"

#include <QFile>
#include <QStandardPaths>
#include <QStringList>

#include <algorithm>
#include <cstdio>

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

QString fromFile(const std::string& text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// "[section] key", fit to be shown.
QString shownKey(const std::string& section, const std::string& key) {
    return QStringLiteral("[%1] %2").arg(printable(fromFile(section)), printable(fromFile(key)));
}

// "3, 7 and 9", or the first few of many.
QString lineNumbers(const std::vector<std::size_t>& numbers) {
    constexpr std::size_t kShown = 5;
    QStringList shown;
    for (std::size_t i = 0; i < std::min(numbers.size(), kShown); ++i) {
        shown << QString::number(numbers[i]);
    }
    if (numbers.size() > kShown) {
        return shown.join(QStringLiteral(", ")) +
               QStringLiteral(" and %1 more").arg(numbers.size() - kShown);
    }
    const QString last = shown.takeLast();
    return shown.isEmpty() ? last
                           : shown.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

// A check that takes every value that converts.
template <typename T>
std::optional<QString> anyValue(T) {
    return std::nullopt;
}

} // namespace

QString settingsFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Varnok/Varnok.conf");
}

SettingsStore::SettingsStore()
    : m_path(QFile::encodeName(settingsFilePath()).toStdString()), m_read(readSettingsFile(m_path)),
      m_document(m_read.text) {}

QString SettingsStore::fileName() const {
    return QFile::decodeName(QByteArray::fromStdString(m_path));
}

std::optional<QString> SettingsStore::readProblem() const {
    if (m_read.outcome != SettingsFileRead::Outcome::NotRead) {
        return std::nullopt;
    }
    return QString::fromStdString(m_read.whyNot);
}

void SettingsStore::removeLeftovers() const {
    removeLeftoverSaves(m_path);
}

void SettingsStore::warnAboutStrayKeys(
    const std::function<bool(const QString& sectionAndKey)>& isKnown) const {
    QStringList lines;
    if (const auto damaged = m_document.damagedLines(); damaged.size() == 1) {
        lines << QStringLiteral("%1: line %2 is not a setting; it is kept as it is")
                     .arg(fileName(), lineNumbers(damaged));
    } else if (!damaged.empty()) {
        lines << QStringLiteral("%1: lines %2 are not settings; they are kept as they are")
                     .arg(fileName(), lineNumbers(damaged));
    }
    for (const RepeatedKey& repeated : m_document.repeatedKeys()) {
        lines << shownKey(repeated.section, repeated.key) +
                     QStringLiteral(" is given %1 times; the last one counts").arg(repeated.times);
    }
    for (const auto& [section, key] : m_document.keys()) {
        if (!isKnown(fromFile(section) + QChar('/') + fromFile(key))) {
            lines << shownKey(section, key) +
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

std::optional<std::string> SettingsStore::storedText(const QString& section,
                                                     const QString& key) const {
    return m_document.value(section.toStdString(), key.toStdString());
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
    const auto value = convert(*text);
    const std::optional<QString> fault = value ? check(*value) : notConverted;
    if (fault) {
        warnRejected(section, key, fromFile(*text), *fault, fallbackText);
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
    m_written.push_back({section.toStdString(), key.toStdString(), text});
}

std::optional<QString> SettingsStore::flush() {
    // The file as it stands now: what another program or the user put in it since the start
    // is kept too.
    const SettingsFileRead current = readSettingsFile(m_path);
    if (current.outcome == SettingsFileRead::Outcome::NotRead) {
        return QString::fromStdString(current.whyNot) + QStringLiteral(", so it is left as it is");
    }
    SettingsDocument document(current.text);
    for (const auto& [section, key, text] : m_written) {
        document.setValue(section, key, text);
    }
    if (const auto failure = replaceSettingsFile(m_path, document.text())) {
        return QString::fromStdString(*failure);
    }
    return std::nullopt;
}
