#pragma once

#include <QDir>
#include <QFile>
#include <QMap>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// Points the user's settings store at `folder`, as XDG_CONFIG_HOME does.
inline void useConfigFolder(const QString& folder) {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder));
}

// A settings store of its own for one test: the user's store is pointed at a fresh folder,
// and the test can put any text in the file or read back what the program wrote.
class ScratchSettings {
public:
    ScratchSettings() { moveToFreshFolder(); }

    QString filePath() const { return folder() + QStringLiteral("/Varnok/Varnok.conf"); }

    // Starts a store whose file holds `contents`, as a user or a damaged disk left it, in a
    // new folder.
    void writeFile(const QByteArray& contents) {
        moveToFreshFolder();
        ASSERT_TRUE(QDir().mkpath(folder() + QStringLiteral("/Varnok")));
        QFile file(filePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }

    // Changes the file where it is, as the user's editor does while the program runs.
    void editFile(const QByteArray& contents) {
        QFile file(filePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(contents);
    }

    // The text of one key as another program would read the file.
    QVariant stored(const QString& key) const {
        QSettings reader(filePath(), QSettings::IniFormat);
        return reader.value(key);
    }

    QStringList storedKeys() const {
        QSettings reader(filePath(), QSettings::IniFormat);
        return reader.allKeys();
    }

    // Every "section/key" of the file with its text, read line by line from the disk. Unlike
    // a QSettings reader, this sees what another process has just written.
    QMap<QString, QString> fileValues() const {
        QMap<QString, QString> values;
        QFile file(filePath());
        if (!file.open(QIODevice::ReadOnly)) {
            return values;
        }
        QString section;
        for (const QByteArray& raw : file.readAll().split('\n')) {
            const QString line = QString::fromUtf8(raw).trimmed();
            if (line.startsWith(QChar('[')) && line.endsWith(QChar(']'))) {
                section = line.mid(1, line.size() - 2);
            } else if (const auto equals = line.indexOf(QChar('=')); equals > 0) {
                values.insert(section + QChar('/') + line.left(equals), line.mid(equals + 1));
            }
        }
        return values;
    }

private:
    QString folder() const { return m_folders.back()->path(); }

    void moveToFreshFolder() {
        m_folders.push_back(std::make_unique<QTemporaryDir>());
        ASSERT_TRUE(m_folders.back()->isValid());
        useConfigFolder(folder());
    }

    std::vector<std::unique_ptr<QTemporaryDir>> m_folders;
};
