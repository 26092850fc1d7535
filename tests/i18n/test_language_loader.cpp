#include "i18n/language_loader.h"
#include "language_fixtures.h"
#include "support/scripted_presenter.h"
#include "support/test_env.h"

#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

using namespace lorvex;
using namespace lorvex::test;

namespace {

bool allBuiltIn(const MessageTable &table)
{
    for (int n = MessageTable::first; n <= MessageTable::last; ++n)
        if (table.text(n) != MessageTable::builtIn(n))
            return false;
    return true;
}

} // namespace

class TestLanguageLoader : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString folder() const { return dir_.path() + QStringLiteral("/Languages/"); }

private Q_SLOTS:
    void fileEndingAfterItsHeaderShowsItsOwnReport()
    {
        SharedState state;
        ScriptedPresenter boxes;
        QWidget owner;
        state.Mesajlar.set(141, QStringLiteral("Exit"));
        const QByteArray header = languageHeader("Sprachdatei defekt!", "Beschreibung:", "Nummer:");
        // The file ends right after line 6.
        const QByteArray sixLines = header.left(header.indexOf("\r\n\r\n") + 2);
        const QString path = writeFile(folder() + QStringLiteral("Deutsch.lng"), sixLines);
        boxes.expect(QMessageBox::Ok, [&](const BoxRequest &) {
            QCOMPARE(state.DilBilgileri[0], QStringLiteral("Sprachdatei defekt!"));
        });
        DilDosyasiYükle(state, boxes, &owner, path);

        QCOMPARE(boxes.shown().size(), 1);
        const BoxRequest &box = boxes.shown().at(0).request;
        QCOMPARE(boxes.shown().at(0).parent, &owner);
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(box.title, QStringLiteral("Lorvex"));
        QCOMPARE(box.text,
                 QStringLiteral("Sprachdatei defekt!\r\n\r\nBeschreibung: Input past end of file\r\n\r\nNummer: 62"));
        QVERIFY(allBuiltIn(state.Mesajlar));
    }

    void failureBeforeAnyHeaderUsesEarlierWords()
    {
        SharedState state;
        ScriptedPresenter boxes;
        const QString path = writeFile(folder() + QStringLiteral("Leer.lng"), QByteArray());
        DilDosyasiYükle(state, boxes, nullptr, path);
        QCOMPARE(boxes.shown().size(), 1);
        QCOMPARE(boxes.shown().at(0).request.text, QStringLiteral("\r\n\r\n Input past end of file\r\n\r\n 62"));

        state.DilBilgileri = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
        DilDosyasiYükle(state, boxes, nullptr, path);
        QCOMPARE(boxes.shown().at(1).request.text, QStringLiteral("A\r\n\r\nB Input past end of file\r\n\r\nC 62"));
    }

    void loadsByNameWithoutBoxes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("translated");
        QTest::newRow("English") << QStringLiteral("English") << true;
        QTest::newRow("built-in Türkçe") << QStringLiteral("Türkçe") << false;
        QTest::newRow("no such file") << QStringLiteral("Klingon") << false;
        QTest::newRow("../x") << QStringLiteral("../x") << false;
        QTest::newRow("a/b") << QStringLiteral("a/b") << false;
        QTest::newRow("..") << QStringLiteral("..") << false;
    }
    void loadsByNameWithoutBoxes()
    {
        QFETCH(QString, name);
        QFETCH(bool, translated);
        // Valid files wait where a path-like name would lead.
        const QByteArray valid = languageHeader() + messageLines(1, 69);
        writeFile(folder() + QStringLiteral("English.lng"), valid);
        writeFile(dir_.path() + QStringLiteral("/x.lng"), valid);
        writeFile(folder() + QStringLiteral("a/b.lng"), valid);

        SharedState state;
        state.DilKlasoru = folder();
        state.DilAdi = QStringLiteral("unchanged");
        state.Mesajlar.set(101, QStringLiteral("previous language"));
        ScriptedPresenter boxes;
        loadLanguageByName(state, boxes, nullptr, name);
        QCOMPARE(boxes.shown().size(), 0);
        QCOMPARE(state.msg(169), translated ? fileText(169) : MessageTable::builtIn(169));
        QCOMPARE(allBuiltIn(state.Mesajlar), !translated);
        QCOMPARE(state.DilAdi, QStringLiteral("unchanged"));
    }
};

QTEST_MAIN(TestLanguageLoader)
#include "test_language_loader.moc"
