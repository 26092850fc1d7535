#pragma once
// What the About dialog tests share: a dialog opened over an owner with a
// whole test context, widget lookup by name and the stored settings.

#include "about/about_dialog.h"
#include "app/app_context.h"
#include "support/fakes.h"

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QTest>
#include <memory>

namespace lorvex::test {

inline const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
inline const QLocale english(QLocale::English, QLocale::UnitedStates);

template <class W = QWidget> W *child(QWidget *dialog, const char *name)
{
    return dialog->findChild<W *>(QString::fromUtf8(name));
}

// The section "Ayarlar" as it stands on disk.
inline QMap<QString, QString> stored(const Settings &settings)
{
    QSettings s(settings.filePath(), QSettings::IniFormat);
    s.beginGroup(QStringLiteral("Ayarlar"));
    QMap<QString, QString> values;
    for (const QString &key : s.childKeys())
        values.insert(key, s.value(key).toString());
    return values;
}

// Copies a shipped language file into the context's languages folder.
inline void shipLanguage(TestContext &tc, const QString &name)
{
    writeFile(tc.state.DilKlasoru + name + QStringLiteral(".lng"),
              readFile(QStringLiteral(LORVEX_SOURCE_DIR "/Languages/") + name + QStringLiteral(".lng")));
}

// An owner window and the dialog shown non-modally over it.
struct AboutHarness {
    explicit AboutHarness(TestContext &tc) : ctx(tc.context()) { owner.setGeometry(100, 80, 600, 500); }
    explicit AboutHarness(const AppContext &c) : ctx(c) { owner.setGeometry(100, 80, 600, 500); }

    HakkindaFormu &open()
    {
        owner.show();
        dialog = std::make_unique<HakkindaFormu>(&owner, ctx, [this] { ++captionCalls; });
        dialog->show();
        dialog->activateWindow();
        (void)QTest::qWaitForWindowActive(dialog.get());
        return *dialog;
    }
    QLabel *label(const char *name) { return child<QLabel>(dialog.get(), name); }

    AppContext ctx;
    QWidget owner;
    int captionCalls = 0;
    std::unique_ptr<HakkindaFormu> dialog;
};

} // namespace lorvex::test
