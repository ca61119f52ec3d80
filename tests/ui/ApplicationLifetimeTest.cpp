// The desktop program's start-up with the real Qt hooks: the main window runs modally, closing
// it (confirmed) ends start-up, and ExitInstance runs once.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QtTest>
#include <unistd.h>

#include "app/CApplicationApp.h"
#include "platform/SingleInstanceLock.h"
#include "ui/CQtApplicationHooks.h"
#include "ui/toolkit/CNoteDlg.h"

using namespace lumicord;

class ApplicationLifetimeTest : public QObject {
    Q_OBJECT

private slots:
    void closingTheMainWindowEndsTheProgram() {
        int argc = 1;
        char name[] = "lumicord";
        char* argv[] = {name, nullptr};
        CQtApplicationHooks hooks(argc, argv);
        CApplicationApp app(hooks, "lumicord-ui-test-" + std::to_string(::getpid()), "/tmp/");
        bool sawWindow = false;
        QTimer::singleShot(0, [&] {
            // Runs inside the modal loop: the main window is the active modal widget.
            QWidget* window = QApplication::activeModalWidget();
            sawWindow = window != nullptr && window->isVisible();
            // Closing asks for confirmation; answer OK.
            CNoteDlg::setNextAnswer(kNoteOk);
            if (window)
                window->close();
        });
        QVERIFY(!app.InitInstance());
        QVERIFY(sawWindow);
        QVERIFY(app.MainWindowRan());
        QCOMPARE(app.ExitInstance(), 0);
        QCOMPARE(app.ExitInstanceCount(), 1);
    }
};

QTEST_MAIN(ApplicationLifetimeTest)
#include "ApplicationLifetimeTest.moc"
