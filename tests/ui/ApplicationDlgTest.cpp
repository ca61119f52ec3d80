// The main window: the page switch with its buttons and backgrounds, the exit
// confirmations, the tray menu, and Enter and Escape never closing it.
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QtTest>

#include "TestSkin.h"
#include "ui/pages/CApplicationDlg.h"
#include "ui/toolkit/ApplicationContext.h"
#include "ui/toolkit/CNoteDlg.h"
#include "ui/toolkit/CTButtonPicture.h"

using namespace lumicord;

class ApplicationDlgTest : public QObject {
    Q_OBJECT
    CSettings m_settings;
    CSkinPaths m_skin = test::CommittedSkinPaths();

private slots:
    void initTestCase() {
        m_settings.childBkColor = MakeColorRef(255, 255, 255);
        SetApplicationLook(&m_settings, &m_skin);
    }

    void showPage_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("visiblePage");
        QTest::addColumn<bool>("minimiseShown");
        QTest::addColumn<bool>("closeShown");
        QTest::addColumn<bool>("secondCloseSet");
        QTest::addColumn<QString>("background");
        QTest::newRow("160") << 160 << 160 << false << true << true << "main_bk.png";
        QTest::newRow("161") << 161 << 161 << true << true << false << "main_bk.jpg";
        QTest::newRow("162") << 162 << 162 << false << false << false << "main_bk3.jpg";
        QTest::newRow("163") << 163 << 163 << false << false << false << "main_bk3.jpg";
        QTest::newRow("other id") << 7 << 160 << false << true << true << "main_bk.png";
    }
    void showPage() {
        QFETCH(int, id);
        QFETCH(int, visiblePage);
        QFETCH(bool, minimiseShown);
        QFETCH(bool, closeShown);
        QFETCH(bool, secondCloseSet);
        QFETCH(QString, background);
        CApplicationDlg window;
        window.show();
        window.ShowPage(kPageDevices); // start from the page with both buttons shown
        window.ShowPage(id);
        for (int page : {160, 161, 162, 163})
            QCOMPARE(window.Page(page)->isVisible(), page == visiblePage);
        QCOMPARE(window.MinimiseButton()->isVisible(), minimiseShown);
        QCOMPARE(window.CloseButton()->isVisible(), closeShown);
        QVERIFY(window.BackgroundPath().endsWith(QLatin1Char('/') + background));
        // The idle close image is the one of its set.
        const std::string& normal = secondCloseSet ? m_skin.btnCloseNormal2 : m_skin.btnCloseNormal;
        const QImage expected(QString::fromStdString(normal));
        QVERIFY(!expected.isNull());
        QCOMPARE(window.CloseButton()->Image(kStateNormal), expected);
    }

    void pagesSitAtTheirPlaces() {
        CApplicationDlg window;
        QCOMPARE(window.size(), QSize(817, 540));
        QCOMPARE(window.Page(160)->geometry(), QRect(247, 126, 324, 288));
        QCOMPARE(window.Page(161)->geometry(), QRect(0, 48, 817, 492));
        QCOMPARE(window.Page(162)->geometry(), QRect(200, 142, 420, 324));
        QCOMPARE(window.Page(163)->geometry(), QRect(198, 57, 420, 426));
        QCOMPARE(window.MinimiseButton()->geometry(), QRect(763, 16, 16, 16));
        QCOMPARE(window.CloseButton()->geometry(), QRect(784, 16, 16, 16));
        QCOMPARE(window.CloseButton()->toolTip(), QStringLiteral("Close"));
        QCOMPARE(window.MinimiseButton()->toolTip(), QStringLiteral("Min"));
    }

    void exitConfirmations_data() {
        QTest::addColumn<bool>("fromTray");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("message");
        const QString a = QStringLiteral("Are you sure you want to exit Lumicord?");
        const QString b = QStringLiteral("Are you sure close program?");
        QTest::newRow("A OK") << false << 1 << "Confirm Exit" << a;
        QTest::newRow("A Cancel") << false << 2 << "Confirm Exit" << a;
        QTest::newRow("B OK") << true << 1 << "Note" << b;
        QTest::newRow("B Cancel") << true << 2 << "Note" << b;
    }
    void exitConfirmations() {
        QFETCH(bool, fromTray);
        QFETCH(int, answer);
        QFETCH(QString, title);
        QFETCH(QString, message);
        CApplicationDlg window;
        window.ShowPage(kPageDevices);
        window.show();
        CNoteDlg::setNextAnswer(answer);
        if (fromTray)
            window.OnCommand(kCommandExit);
        else
            QTest::mouseClick(window.CloseButton(), Qt::LeftButton);
        QCOMPARE(CNoteDlg::LastShown().title, title);
        QCOMPARE(CNoteDlg::LastShown().message, message);
        QVERIFY(CNoteDlg::LastShown().showCancel);
        QCOMPARE(window.isVisible(), answer != 1);
        QCOMPARE(window.result(), answer == 1 ? int(QDialog::Accepted) : 0);
    }

    void escapeAndEnterKeepTheWindowOpen() {
        CApplicationDlg window;
        bool open = false;
        QTimer::singleShot(0, &window, [&] {
            for (int id : {160, 161, 162, 163}) {
                window.ShowPage(id);
                for (int key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
                    QTest::keyClick(window.Page(id), Qt::Key(key));
                    QTest::keyClick(&window, Qt::Key(key));
                }
            }
            open = window.isVisible();
            CNoteDlg::setNextAnswer(1);
            window.ConfirmExitFromCloseButton();
        });
        QCOMPARE(window.exec(), int(QDialog::Accepted));
        QVERIFY(open);
    }

    void trayMenuHoldsItsTwoCommands() {
        CApplicationDlg window;
        const auto menu = window.LoadTrayMenu();
        const auto actions = menu->actions();
        QCOMPARE(actions.size(), 2);
        QCOMPARE(actions[0]->text(), QStringLiteral("Show Utility"));
        QCOMPARE(actions[0]->data().toInt(), kCommandShowUtility);
        QCOMPARE(actions[1]->text(), QStringLiteral("Exit"));
        QCOMPARE(actions[1]->data().toInt(), kCommandExit);
    }

    void minimiseWithoutANotificationAreaKeepsTheWindowReachable() {
        QVERIFY(!QSystemTrayIcon::isSystemTrayAvailable()); // the offscreen desktop has none
        CApplicationDlg window;
        window.ShowPage(kPageDevices); // the page that shows the minimise button
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.MinimiseButton()->isVisible());
        QTest::mouseClick(window.MinimiseButton(), Qt::LeftButton);
        QVERIFY(window.isMinimized());
        QVERIFY(window.isVisible());
    }

    void doubleClickOnTheTrayShowsTheHiddenWindowWithItsPage() {
        CApplicationDlg window;
        window.show();
        window.ShowPage(kPageDevices);
        window.hide();
        window.OnTrayNotify(kMouseLeftDoubleClick);
        QVERIFY(window.isVisible());
        QVERIFY(window.Page(kPageDevices)->isVisible());
    }
};

QTEST_MAIN(ApplicationDlgTest)
#include "ApplicationDlgTest.moc"
