#pragma once
// The per-user settings store: section "Ayarlar" of Tavoran/Lorvex, text values only.

#include "app/update_choices.h"

#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>
#include <optional>
#include <utility>

namespace lorvex {

namespace keys {
inline constexpr char UstBosluk[] = "Ust Bosluk";
inline constexpr char SolBosluk[] = "Sol Bosluk";
inline constexpr char ReferansBaslama[] = "Referans Baslama";
inline constexpr char ReferansBitis[] = "Referans Bitis";
inline constexpr char ReferansAdim[] = "Referans Adim";
inline constexpr char GirisBaslama[] = "Giris Baslama";
inline constexpr char GirisBitis[] = "Giris Bitis";
inline constexpr char GirisAdim[] = "Giris Adim";
inline constexpr char DilDosyasi[] = "Dil Dosyasi";
inline constexpr char GuncellemeTarihi[] = "Guncelleme Tarihi";
inline constexpr char GuncellemeZamani[] = "Guncelleme Zamani";
inline constexpr char GuncellemeKontrolu[] = "Guncelleme Kontrolu";
inline constexpr char GuncellemeSonucu[] = "Guncelleme Sonucu";
inline constexpr char SurumBilgisi[] = "Surum Bilgisi";
} // namespace keys

// The fixed defaults. Positions, dates and "Surum Bilgisi" have computed
// defaults (centred window, today -/+ 7 days, the running version), so they
// carry an empty text here and their readers take the default as an argument.
struct KeyDefault {
    const char *key;
    const char *text;
};
inline constexpr KeyDefault keyDefaults[] = {
    {keys::UstBosluk, ""},         {keys::SolBosluk, ""},         {keys::ReferansBaslama, "2048"},
    {keys::ReferansBitis, "2050"}, {keys::ReferansAdim, "2"},     {keys::GirisBaslama, "5000"},
    {keys::GirisBitis, "5500"},    {keys::GirisAdim, "500"},      {keys::DilDosyasi, "Türkçe"},
    {keys::GuncellemeTarihi, ""},  {keys::GuncellemeZamani, "1"}, {keys::GuncellemeKontrolu, ""},
    {keys::GuncellemeSonucu, "0"}, {keys::SurumBilgisi, ""},
};
QString defaultText(const char *key);

// Date text in the locale's short form, but always with a four-digit year so
// that every date written reads back as the same date.
QString dateText(QDate date, const QLocale &locale);
QDate readDateText(const QString &text, const QLocale &locale);

class Settings {
public:
    // The user's store (~/.config/Tavoran/Lorvex.ini).
    Settings();
    // A store at an explicit file, for tests and tools.
    explicit Settings(QString iniPath, QLocale locale = QLocale::system());

    QString filePath() const { return path_; }
    const QLocale &locale() const { return locale_; }

    QString read(const char *key, const QString &fallback) const;
    QString read(const char *key) const { return read(key, defaultText(key)); }
    bool contains(const char *key) const;
    // Throws Failure when the new contents did not reach the file.
    void write(const char *key, const QString &text);
    // Several keys in one go: one sync of the file (each sync takes a lock file).
    void write(const QList<std::pair<const char *, QString>> &values);

    // Typed readers: an unreadable or out-of-range text counts as absent.
    std::optional<double> readPosition(const char *key) const;
    std::optional<UpdateSchedule> readSchedule() const; // 0..2
    UpdateResult readUpdateResult() const;              // 0..255, default 0
    int readPublishedVersion(int runningVersion) const; // 16-bit, default the running one
    QDate readDate(const char *key) const;              // invalid when absent or unreadable

    void writeDate(const char *key, QDate date);
    void writePosition(const char *key, double twips);
    QString positionText(double twips) const;

private:
    // Whether the file now holds exactly these values.
    bool holds(const QList<std::pair<const char *, QString>> &values) const;

    QString path_;
    QLocale locale_;
};

} // namespace lorvex
