#include "core/Settings.h"

#include "core/DataModule.h"
#include "platform/Platform.h"

namespace zw {

namespace {

QString latin1(const char* s) {
    return QString::fromLatin1(s);
}

} // namespace

Settings Settings::programFolder() {
    const QString path = platform().programFolder() + latin1(FileName);
    return Settings(platform().fileExists(path) ? path : QString());
}

Settings Settings::homeFirst() {
    if (!DataModule1)
        return Settings(platform().programFolder() + latin1(FileName));
    return Settings(DataModule1->GibPfadToEigeneDateien(latin1(FileName)));
}

QString Settings::read(const SettingsKey<QString>& key, const QString& defaultValue) const {
    return m_ini.readString(latin1(key.section), latin1(key.name), defaultValue);
}

int Settings::read(const SettingsKey<int>& key, int defaultValue) const {
    return m_ini.readInteger(latin1(key.section), latin1(key.name), defaultValue);
}

QString Settings::text(const SettingsKey<int>& key) const {
    return m_ini.readString(latin1(key.section), latin1(key.name), QString());
}

bool Settings::read(const SettingsKey<bool>& key, bool defaultValue) const {
    return m_ini.readBool(latin1(key.section), latin1(key.name), defaultValue);
}

QStringList Settings::read(const SettingsList& list) const {
    QStringList values;
    for (const QString& line : m_ini.readSectionValues(latin1(list.section)))
        values.append(line.mid(line.indexOf(QLatin1Char('=')) + 1));
    return values;
}

void Settings::write(const SettingsKey<QString>& key, const QString& value) {
    m_ini.writeString(latin1(key.section), latin1(key.name), value);
}

void Settings::write(const SettingsKey<int>& key, int value) {
    m_ini.writeInteger(latin1(key.section), latin1(key.name), value);
}

void Settings::write(const SettingsKey<bool>& key, bool value) {
    m_ini.writeBool(latin1(key.section), latin1(key.name), value);
}

void Settings::write(const SettingsList& list, const QStringList& lines) {
    const QString section = latin1(list.section);
    m_ini.eraseSection(section);
    for (qsizetype i = 0; i < lines.size(); ++i)
        m_ini.writeString(section, latin1(list.keyPrefix) + QString::number(i), lines[i]);
}

QString Settings::languageCode(const QString& sprache) {
    return sprache == QLatin1String("Englisch") ? QStringLiteral("GB") : QStringLiteral("D");
}

} // namespace zw
