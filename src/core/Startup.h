#pragma once

#include <QString>

#include <functional>

namespace zw {

class TDataModule1;

// The start-up sequence without the window: home folder, settings, log switch,
// articles, language and the EAN list update, with their log lines and save
// points. The main window runs every step in order and puts its own between
// them (title, caption, label forms):
//
//     Startup startup(*DataModule1);
//     startup.logTitle();
//     startup.findHomeFolder();
//     startup.readSettings();       // raises for an unreadable Offline or Logger
//     startup.readArticles();
//     startup.loadLanguage();
//     startup.updateArticles([&] { /* refill what shows the articles */ });
//
// The command line names its home folder (useHomeFolder) and runs the steps it needs.
class Startup {
public:
    static const QString ApplicationTitle; // "Kelb Zeichwerk v2.17.4"
    static const QString Separator;        // the log's line of 57 "#"

    explicit Startup(TDataModule1& dm) : m_dm(dm) {}

    // Separator, title, the current time, separator.
    void logTitle();
    // The documents folder's "KELB_Zeichwerk", created if missing; without a
    // documents folder the user chooses one, as often as it takes. Logs and saves.
    void findHomeFolder();
    // A home folder given with its trailing "/" (the command line); nothing is logged.
    void useHomeFolder(const QString& folder);
    // From the program folder's Barcode.ini: article folder (else the home
    // folder), offline mode, language, log switch. Raises AppError for an
    // Offline or Logger that is no Boolean text, leaving the later ones unread.
    void readSettings();
    // Saves, then reads the article file between its log lines; saves.
    void readArticles();
    // The configured language's catalogue.
    void loadLanguage();

    // The EAN list update: offline the list in the article folder is merged
    // when there is one; online it is downloaded first, and only a complete
    // download is merged; without a connection the local list is merged, or
    // the user is warned that the data may be old. `merged` runs after every
    // merge: the article list has been read anew and old indexes are invalid.
    // Errors of the online download and merge are ignored (the download has
    // told the user).
    void updateArticles(const std::function<void()>& merged);
    // Downloads the EAN list into the article folder; logs the outcome, saves.
    // Raises the download's own file errors.
    bool downloadEanList();
    // Merges the article folder's EAN list between its log lines; saves.
    void mergeEanList(const std::function<void()>& merged);
    // The article folder's EAN list.
    QString eanListPath() const;

    // The supplier numbers the main window hands to the label forms
    // (program folder's Barcode.ini, default empty).
    struct SupplierNumbers {
        QString sap;  // SAPLieferantennummer
        QString kurz; // LieferantennummerKurz
    };
    static SupplierNumbers supplierNumbers();

private:
    TDataModule1& m_dm;
};

} // namespace zw
