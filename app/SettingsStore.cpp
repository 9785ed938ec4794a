#include "app/SettingsStore.h"

#include <utility>

SettingsStore::SettingsStore(std::string path) : m_path(std::move(path)) {
    const SettingsFileRead read = readSettingsFile(m_path);
    if (read.outcome == SettingsFileRead::Outcome::NotRead) {
        m_readFault = read.whyNot;
    }
    m_document = SettingsDocument(read.text);
}

void SettingsStore::reread() {
    const SettingsFileRead read = readSettingsFile(m_path);
    if (read.outcome != SettingsFileRead::Outcome::NotRead) {
        m_document = SettingsDocument(read.text);
    }
}

void SettingsStore::removeLeftovers() const {
    removeLeftoverSaves(m_path);
}

void SettingsStore::write(std::string_view section, std::string_view key, std::string_view text) {
    m_written.push_back({std::string(section), std::string(key), std::string(text)});
}

std::optional<FileFault> SettingsStore::flush() {
    // The file as it stands now: what another program or the user put in it since the start
    // is kept too.
    const SettingsFileRead current = readSettingsFile(m_path);
    if (current.outcome == SettingsFileRead::Outcome::NotRead) {
        return current.whyNot;
    }
    return replaceSettingsFile(m_path, withWritten(current.text));
}

std::string SettingsStore::withWritten(std::string_view current) const {
    SettingsDocument document(current);
    for (const auto& [section, key, text] : m_written) {
        document.setValue(section, key, text);
    }
    return document.text();
}
