#pragma once

#include "core/IniFile.h"

#include <QString>
#include <QStringList>

namespace zw {

// A key of Barcode.ini and the type its value is read and written as.
template <typename T> struct SettingsKey {
    const char* section;
    const char* name;
};

// A section that holds one list, a key per line: prefix + line number from 0.
struct SettingsList {
    const char* section;
    const char* keyPrefix;
};

// Every section and key of Barcode.ini. A new key is one line here; read it
// with Settings::read(settings::Key, default) and write it with Settings::write.
namespace settings {
inline constexpr const char* Einstellungen = "Einstellungen";
inline constexpr SettingsKey<QString> SAPLieferantennummer{Einstellungen, "SAPLieferantennummer"};
inline constexpr SettingsKey<QString> LieferantennummerKurz{Einstellungen, "LieferantennummerKurz"};
inline constexpr SettingsKey<QString> Sprache{Einstellungen, "Sprache"}; // "Deutsch" or "Englisch"
inline constexpr SettingsKey<QString> ArtNrPfad{Einstellungen, "ArtNrPfad"};
inline constexpr SettingsKey<bool> Offline{Einstellungen, "Offline"};
inline constexpr SettingsKey<bool> Logger{Einstellungen, "Logger"};
inline constexpr SettingsKey<int> BarcodeTyp{Einstellungen, "BarcodeTyp"};
// The label printer's resolution in dpi; missing or 0 means the standard resolution.
inline constexpr SettingsKey<int> DruckerAufloesung{Einstellungen, "DruckerAufloesung"};
// "host[:port]" of the download server; installations name theirs here.
inline constexpr SettingsKey<QString> DownloadServer{Einstellungen, "DownloadServer"};

inline constexpr SettingsList Geraetetyp{"Geraetetyp", "Ger"};
inline constexpr SettingsList Lagerplatz{"Lagerplatz", "Lag"};

inline constexpr SettingsKey<QString> ProxyName{"Proxy", "name"};
inline constexpr SettingsKey<int> ProxyPort{"Proxy", "port"};
inline constexpr SettingsKey<QString> ProxyUser{"Proxy", "user"};
inline constexpr SettingsKey<QString> ProxyPswd{"Proxy", "pswd"};
} // namespace settings

// The settings file Barcode.ini, found one of the two ways the program looks
// for it. Like IniFile, every call opens and closes the file; an empty path
// (no file in the program folder) reads the defaults and writes nothing.
//
//     const Settings ini = Settings::programFolder();
//     const bool offline = ini.read(settings::Offline, false);  // raises for text that is no Boolean
//     Settings::programFolder().write(settings::Logger, true);   // "True"
class Settings {
public:
    static constexpr const char* FileName = "Barcode.ini";

    // The program folder's file, or none (GibPfadToInstallationsOrdner).
    static Settings programFolder();
    // The home folder's file if it exists, else the program folder's
    // (GibPfadToEigeneDateien); the program folder's while no data module exists.
    static Settings homeFirst();
    explicit Settings(QString path) : m_ini(std::move(path)) {}

    const QString& path() const { return m_ini.path(); }

    QString read(const SettingsKey<QString>& key, const QString& defaultValue) const;
    // An integer, or `defaultValue` when the key is missing or holds no integer.
    int read(const SettingsKey<int>& key, int defaultValue) const;
    // The key's text as the file holds it; empty when the key is missing.
    QString text(const SettingsKey<int>& key) const;
    // Boolean text ("true"/"false" in any case, or a number); other text raises AppError.
    bool read(const SettingsKey<bool>& key, bool defaultValue) const;
    // The list's values in file order (the key names are not used).
    QStringList read(const SettingsList& list) const;

    // Raise AppError when the file cannot be read or written.
    void write(const SettingsKey<QString>& key, const QString& value);
    void write(const SettingsKey<int>& key, int value);
    void write(const SettingsKey<bool>& key, bool value); // "True" or "False"
    // Erases the section, then writes one key per line.
    void write(const SettingsList& list, const QStringList& lines);

    // The language code a value of Sprache selects: "GB" for exactly "Englisch", else "D".
    static QString languageCode(const QString& sprache);

private:
    IniFile m_ini;
};

} // namespace zw
