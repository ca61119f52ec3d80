// The skinned edit: hint and password display across focus changes, the border colour of each
// state as painted, and one change message per change of the text.
#include <QtTest>

#include "ui/toolkit/CTEditGdiplus.h"
#include "ui/toolkit/ColorRefQt.h"
#include "ui/toolkit/WindowMessageEvent.h"

using namespace lumicord;

namespace {

const QString kHint = QStringLiteral("e.g. 8.8.8.8");
const ColorRef kHintColor = MakeColorRef(128, 128, 128);

// A page with two fields, so the focus can move from one to the other.
struct Page {
    QWidget window;
    CTEditGdiplus* other = new CTEditGdiplus(&window); // first in the tab order: starts focused
    CTEditGdiplus* edit = new CTEditGdiplus(&window);
    Page() {
        window.resize(300, 100);
        edit->setGeometry(10, 10, 180, 24);
        other->setGeometry(10, 50, 180, 24);
        window.show();
        window.activateWindow();
    }
    bool Ready() { return QTest::qWaitForWindowActive(&window) && other->hasFocus(); }
};

class MessageLog : public QObject {
public:
    std::vector<std::pair<std::uintptr_t, std::intptr_t>> received;
    bool event(QEvent* event) override {
        if (event->type() != WindowMessageEvent::EventType())
            return QObject::event(event);
        const auto* message = static_cast<WindowMessageEvent*>(event);
        if (message->Message() == kEditChangedMessage)
            received.emplace_back(message->WParam(), message->LParam());
        return true;
    }
};

} // namespace

class EditControlTest : public QObject {
    Q_OBJECT

private slots:
    void hintAndPasswordAcrossFocusChanges_data() {
        QTest::addColumn<bool>("plain");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shownAway");    // display text after the focus left
        QTest::addColumn<bool>("greyAway");        // drawn in the hint colour
        QTest::addColumn<QString>("shownFocused"); // display text with the focus back
        QTest::newRow("plain, left empty") << true << "" << kHint << true << "";
        QTest::newRow("plain, typed") << true << "abc"
                                      << "abc" << false << "abc";
        QTest::newRow("password, left empty") << false << "" << kHint << true << "";
        QTest::newRow("password, typed") << false << "abc"
                                         << "***" << false << "***";
    }
    void hintAndPasswordAcrossFocusChanges() {
        QFETCH(bool, plain);
        QFETCH(QString, typed);
        QFETCH(QString, shownAway);
        QFETCH(bool, greyAway);
        QFETCH(QString, shownFocused);
        Page page;
        QVERIFY(page.Ready());
        CTEditGdiplus& edit = *page.edit;
        edit.SetHint(kHint, kHintColor);
        edit.SetPlainText(plain);
        QVERIFY(!edit.HintShowing()); // no hint before the first loss of focus
        for (int round = 0; round < 2; ++round) {
            edit.setFocus();
            QTRY_VERIFY(edit.Focused());
            QCOMPARE(edit.text(), QString()); // the hint is gone, nothing typed yet
            QCOMPARE(edit.DrawnTextColor(), edit.m_textColor);
            QTest::keyClicks(&edit, typed);
            page.other->setFocus();
            QTRY_VERIFY(!edit.Focused());
            QCOMPARE(edit.displayText(), shownAway);
            QCOMPARE(edit.HintShowing(), typed.isEmpty());
            QCOMPARE(edit.DrawnTextColor(), greyAway ? kHintColor : edit.m_textColor);
            // The page reads the hint itself as the field's text.
            QCOMPARE(edit.text(), typed.isEmpty() ? kHint : typed);
            edit.setFocus();
            QTRY_VERIFY(edit.Focused());
            QCOMPARE(edit.displayText(), shownFocused);
            edit.clear();
            page.other->setFocus();
            QTRY_VERIFY(!edit.Focused());
        }
    }

    void realTextSetWhileTheHintShowsIsHidden() {
        Page page;
        QVERIFY(page.Ready());
        page.edit->SetHint(kHint, kHintColor);
        page.edit->SetPlainText(false);
        page.edit->setFocus();
        QTRY_VERIFY(page.edit->Focused());
        page.other->setFocus();
        QTRY_VERIFY(page.edit->HintShowing());
        page.edit->SetRealText(QStringLiteral("secret"));
        QVERIFY(!page.edit->HintShowing());
        QCOMPARE(page.edit->displayText(), QStringLiteral("******"));
        QCOMPARE(page.edit->DrawnTextColor(), page.edit->m_textColor);
    }

    void borderColourByState_data() {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("focused");
        QTest::addColumn<bool>("hovered");
        QTest::addColumn<QColor>("border");
        const QColor normal(102, 102, 153), hover(0, 176, 88), focus(255, 163, 132),
            disabled(96, 96, 96);
        QTest::newRow("normal") << true << false << false << normal;
        QTest::newRow("hovered") << true << false << true << hover;
        QTest::newRow("focused") << true << true << false << focus;
        QTest::newRow("focused and hovered") << true << true << true << focus;
        QTest::newRow("disabled and hovered") << false << false << true << disabled;
    }
    void borderColourByState() {
        QFETCH(bool, enabled);
        QFETCH(bool, focused);
        QFETCH(bool, hovered);
        QFETCH(QColor, border);
        Page page;
        QVERIFY(page.Ready());
        CTEditGdiplus& edit = *page.edit;
        if (focused) {
            edit.setFocus();
            QTRY_VERIFY(edit.Focused());
        }
        if (hovered) {
            QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), edit.mapToGlobal(QPointF(5, 5)));
            QApplication::sendEvent(&edit, &enter);
            QVERIFY(edit.Hovered());
        }
        edit.setEnabled(enabled);
        QCOMPARE(ToQColor(edit.BorderColor()), border);
        const QImage shot = edit.grab().toImage();
        QCOMPARE(shot.pixelColor(shot.width() / 2, 0), border);
        QCOMPARE(shot.pixelColor(0, shot.height() / 2), border);
        QCOMPARE(shot.pixelColor(shot.width() - 2, shot.height() / 2), border);
        QCOMPARE(shot.pixelColor(shot.width() / 2, shot.height() / 2 + 6), QColor(Qt::white));
        if (hovered) {
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(&edit, &leave);
            QVERIFY(!edit.Hovered());
        }
    }

    void changeMessagePostedOncePerChange_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("setText");
        QTest::addColumn<int>("messages");
        QTest::newRow("two keys typed") << ""
                                        << "ab"
                                        << "" << 2;
        QTest::newRow("text set") << ""
                                  << ""
                                  << "1.2.3.4" << 1;
        QTest::newRow("same text set again") << "1.2.3.4"
                                             << ""
                                             << "1.2.3.4" << 0;
        QTest::newRow("backspace") << "ab"
                                   << "\b"
                                   << "" << 1;
    }
    void changeMessagePostedOncePerChange() {
        QFETCH(QString, start);
        QFETCH(QString, keys);
        QFETCH(QString, setText);
        QFETCH(int, messages);
        Page page;
        QVERIFY(page.Ready());
        page.edit->setFocus();
        QTRY_VERIFY(page.edit->Focused());
        page.edit->setText(start);
        page.edit->end(false);
        MessageLog log;
        page.edit->SetChangeNotification(&log, 1229);
        for (QChar key : keys) {
            if (key == QLatin1Char('\b'))
                QTest::keyClick(page.edit, Qt::Key_Backspace);
            else
                QTest::keyClick(page.edit, key.toLatin1());
        }
        if (!setText.isEmpty())
            page.edit->setText(setText);
        QVERIFY(log.received.empty()); // posted, not sent
        QCoreApplication::sendPostedEvents(&log);
        QCOMPARE(int(log.received.size()), messages);
        for (const auto& [wParam, lParam] : log.received) {
            QCOMPARE(wParam, std::uintptr_t(1229));
            QCOMPARE(lParam, std::intptr_t(0));
        }
    }

    void textRectangleKeepsSixPixelsAtTheSides() {
        CTEditGdiplus edit;
        edit.resize(180, 24);
        ApplyStandardFieldStyle(edit);
        const QRect text = edit.TextRect();
        QCOMPARE(text.left(), 6);
        QCOMPARE(text.right(), 180 - 6 - 1);
        QVERIFY(std::abs(text.top() - (24 - text.bottom() - 1)) <= 1); // centred
        QCOMPARE(edit.textMargins().left(), 6);
        QCOMPARE(edit.textMargins().right(), 6);
    }
};

QTEST_MAIN(EditControlTest)
#include "EditControlTest.moc"
