// Window, menu and combo-box translation through a language file: once per window, edits and
// "..." left alone, empty translations never set, submenus and the selection kept.
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "app/LanguageTables.h"
#include "ui/toolkit/WindowTranslation.h"

using namespace lumicord;

namespace {
constexpr unsigned kTestLocale = 2052;
} // namespace

class WindowTranslationTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    static void Write(const QString& path, const QByteArray& text) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

private slots:
    void initTestCase() {
        QVERIFY(QDir(m_dir.path()).mkpath("Languages"));
        Write(m_dir.filePath("Languages/Language.ini"), "[LCID]\n2052=Test\n");
        Write(m_dir.filePath("Languages/Test.lng"), "[ProgramOutStr]\n"
                                                    "cancel=取消\n"
                                                    "caption=标题\n"
                                                    "typed=已翻译\n"
                                                    "...=bad\n"
                                                    "blank=[~NullInfoChrys~]\n"
                                                    "file=文件\n"
                                                    "open=打开\n"
                                                    "recent=最近\n"
                                                    "one=一\n"
                                                    "two=二\n");
        CurrentLanguageTables().Initialise(m_dir.path().toStdString() + "/", kTestLocale);
    }
    void cleanupTestCase() { CurrentLanguageTables().Initialise("/nonexistent/", 1033); }

    void windowIsTranslatedOnceLeavingEditsAndEllipsis() {
        QWidget dialog;
        dialog.setWindowTitle("Caption");
        auto* cancel = new QPushButton("Cancel", &dialog);
        auto* browse = new QPushButton("...", &dialog);
        auto* blank = new QLabel("Blank", &dialog);
        auto* edit = new QLineEdit("typed", &dialog);
        auto* nested = new QLabel("CANCEL", new QWidget(&dialog));
        TranslateWindow(&dialog);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("标题"));
        QCOMPARE(cancel->text(), QStringLiteral("取消"));
        QCOMPARE(nested->text(), QStringLiteral("取消"));
        QCOMPARE(browse->text(), QStringLiteral("..."));
        QCOMPARE(blank->text(), QStringLiteral("Blank")); // an empty translation is not set
        QCOMPARE(edit->text(), QStringLiteral("typed"));
        // A second call changes nothing, even for texts set since.
        cancel->setText("Cancel");
        TranslateWindow(&dialog);
        QCOMPARE(cancel->text(), QStringLiteral("Cancel"));
        // The dialog is done: a control added later is not reached through it.
        auto* later = new QPushButton("Cancel", &dialog);
        TranslateWindow(&dialog);
        QCOMPARE(later->text(), QStringLiteral("Cancel"));
    }

    void menuKeepsItsSubmenusAndIds() {
        QMenu menu;
        QAction* open = menu.addAction("Open");
        open->setData(32781);
        menu.addSeparator();
        QMenu* recent = menu.addMenu("Recent");
        recent->addAction("File");
        TranslateMenu(&menu);
        QCOMPARE(open->text(), QStringLiteral("打开"));
        QCOMPARE(open->data().toInt(), 32781);
        QCOMPARE(menu.actions().size(), 3);
        QCOMPARE(menu.actions()[2]->text(), QStringLiteral("最近"));
        QCOMPARE(menu.actions()[2]->menu(), recent);
        QCOMPARE(recent->actions()[0]->text(), QStringLiteral("文件"));
    }

    void comboItemsKeepTheSelection() {
        QComboBox combo;
        combo.addItems({"One", "Two", "Untranslated"});
        combo.setCurrentIndex(1);
        TranslateComboItems(&combo);
        QCOMPARE(combo.count(), 3);
        QCOMPARE(combo.itemText(0), QStringLiteral("一"));
        QCOMPARE(combo.itemText(1), QStringLiteral("二"));
        QCOMPARE(combo.itemText(2), QStringLiteral("Untranslated"));
        QCOMPARE(combo.currentIndex(), 1);
    }
};

QTEST_MAIN(WindowTranslationTest)
#include "WindowTranslationTest.moc"
