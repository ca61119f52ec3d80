// The note box run for real: OK gives 1, Cancel and the close button give 2, Escape and
// Enter do not end it, and a plain note has no Cancel.
#include <QTimer>
#include <QtTest>

#include "TestSkin.h"
#include "ui/toolkit/ApplicationContext.h"
#include "ui/toolkit/CNoteDlg.h"
#include "ui/toolkit/CTButtonPicture.h"

using namespace lumicord;

namespace {

// Runs the note box modally and, inside its loop, does `act` to it.
template <class Act> int RunNote(bool showCancel, Act act) {
    CNoteDlg note(QStringLiteral("Note"), QStringLiteral("Message"), showCancel);
    QTimer::singleShot(0, &note, [&] { act(note); });
    return note.DoModal();
}

} // namespace

class NoteDlgTest : public QObject {
    Q_OBJECT
    CSkinPaths m_skin = test::CommittedSkinPaths();

private slots:
    void initTestCase() { SetApplicationLook(nullptr, &m_skin); }

    void buttonsGiveTheirResults_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("result");
        QTest::newRow("OK") << 1194 << 1;
        QTest::newRow("Cancel") << 1211 << 2;
        QTest::newRow("close") << 1210 << 2;
    }
    void buttonsGiveTheirResults() {
        QFETCH(int, button);
        QFETCH(int, result);
        const int answer = RunNote(true, [button](CNoteDlg& note) {
            QTest::mouseClick(note.ControlAs<CTButtonPicture>(button), Qt::LeftButton);
        });
        QCOMPARE(answer, result);
    }

    void escapeAndEnterDoNotEndTheBox() {
        bool stillOpen = false;
        const int answer = RunNote(true, [&](CNoteDlg& note) {
            QTest::keyClick(&note, Qt::Key_Escape);
            QTest::keyClick(note.OkButton(), Qt::Key_Return);
            QTest::keyClick(note.CancelButton(), Qt::Key_Enter);
            stillOpen = note.isVisible();
            QTest::mouseClick(note.OkButton(), Qt::LeftButton);
        });
        QVERIFY(stillOpen);
        QCOMPARE(answer, 1);
    }

    void plainNoteHasOnlyOkAndClose() {
        bool cancelShown = true;
        bool okShown = false;
        const int answer = RunNote(false, [&](CNoteDlg& note) {
            cancelShown = note.CancelButton()->isVisible();
            okShown = note.OkButton()->isVisible() && note.CloseButton()->isVisible();
            QTest::mouseClick(note.CloseButton(), Qt::LeftButton);
        });
        QVERIFY(!cancelShown);
        QVERIFY(okShown);
        QCOMPARE(answer, 2);
    }

    void nextAnswerSeamAnswersWithoutShowing() {
        CNoteDlg::setNextAnswer(2);
        CNoteDlg note(QStringLiteral("T"), QStringLiteral("M"), true);
        QCOMPARE(note.DoModal(), 2);
        QCOMPARE(CNoteDlg::LastShown().message, QStringLiteral("M"));
        QVERIFY(!note.isVisible());
    }
};

QTEST_MAIN(NoteDlgTest)
#include "NoteDlgTest.moc"
