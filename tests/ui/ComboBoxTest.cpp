// The drawn drop-down list: the chosen item across deletions, the hint on the face, the arrow
// picture of each state, and tool tips only for items the list cuts.
#include <QTemporaryDir>
#include <QToolTip>
#include <QtTest>

#include "ui/toolkit/CCustomComboBox.h"
#include "ui/toolkit/CDropListBoxWnd.h"
#include "ui/toolkit/ColorRefQt.h"

using namespace lumicord;

namespace {

void Fill(CCustomComboBox& combo, const QStringList& texts) {
    for (const QString& text : texts)
        combo.AddItem(text, text.size());
}

} // namespace

class ComboBoxTest : public QObject {
    Q_OBJECT

private slots:
    void deleteKeepsOrDropsTheChosenItem_data() {
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("deleted");
        QTest::addColumn<bool>("succeeds");
        QTest::addColumn<int>("currentAfter");
        QTest::addColumn<QString>("textAfter");
        QTest::newRow("before the chosen") << 2 << 0 << true << 1 << "c";
        QTest::newRow("the chosen") << 2 << 2 << true << -1 << "";
        QTest::newRow("after the chosen") << 1 << 3 << true << 1 << "b";
        QTest::newRow("first while nothing chosen") << -1 << 0 << true << -1 << "";
        QTest::newRow("past the end") << 1 << 4 << false << 1 << "b";
        QTest::newRow("negative") << 1 << -1 << false << 1 << "b";
    }
    void deleteKeepsOrDropsTheChosenItem() {
        QFETCH(int, current);
        QFETCH(int, deleted);
        QFETCH(bool, succeeds);
        QFETCH(int, currentAfter);
        QFETCH(QString, textAfter);
        CCustomComboBox combo;
        Fill(combo, {"a", "b", "c", "d"});
        QCOMPARE(combo.GetCurSel(), -1); // adding chooses nothing
        combo.SetCurSel(current);
        QSignalSpy changes(&combo, &QComboBox::currentIndexChanged);
        QCOMPARE(combo.DeleteItem(deleted), succeeds);
        QCOMPARE(combo.GetCurSel(), currentAfter);
        QCOMPARE(combo.GetCurrentText(), textAfter);
        QCOMPARE(changes.size(), currentAfter != current ? 1 : 0);
        const int left = succeeds ? 3 : 4;
        QCOMPARE(combo.count(), left);
        QCOMPARE(int(combo.Items().size()), left);
        for (int i = 0; i < left; ++i) {
            QCOMPARE(combo.itemData(i, Qt::UserRole).toInt(), i);
            QCOMPARE(combo.GetItemText(i), combo.itemText(i));
        }
        QCOMPARE(combo.GetItemText(left), QString());
    }

    void resetLeavesNothingChosen() {
        CCustomComboBox combo;
        Fill(combo, {"a", "b"});
        combo.SetCurSel(1);
        combo.ResetContent();
        QCOMPARE(combo.GetCurSel(), -1);
        QVERIFY(combo.Items().empty());
        QCOMPARE(combo.AddItem("x", 7), 0);
        QCOMPARE(combo.Items()[0].value, qint64(7));
        QCOMPARE(combo.GetCurSel(), -1);
    }

    void faceShowsTheHintWhenNothingIsChosen_data() {
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("faceText");
        QTest::addColumn<QColor>("faceColor");
        QTest::newRow("nothing chosen") << -1 << "Pick one" << QColor(190, 190, 190);
        QTest::newRow("an item chosen") << 1 << "eth1" << QColor(50, 50, 50);
    }
    void faceShowsTheHintWhenNothingIsChosen() {
        QFETCH(int, current);
        QFETCH(QString, faceText);
        QFETCH(QColor, faceColor);
        CCustomComboBox combo;
        combo.resize(218, 30);
        Fill(combo, {"eth0", "eth1"});
        combo.m_hintText = QStringLiteral("Pick one");
        combo.SetCurSel(current);
        QCOMPARE(combo.FaceText(), faceText);
        QCOMPARE(ToQColor(combo.FaceTextColor()), faceColor);
        // The text is drawn: the face differs from one with nothing written on it.
        const QImage written = combo.grab().toImage();
        combo.m_hintText.clear();
        combo.setItemText(1, QString());
        const QImage blank = combo.grab().toImage();
        QVERIFY(written != blank);
    }

    void arrowPictureFallsBackToNormal_data() {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("open");
        QTest::addColumn<bool>("hovered");
        QTest::addColumn<QString>("present"); // normal, open, hot, disabled
        QTest::addColumn<int>("state");
        QTest::newRow("rest") << true << false << false << "1111" << int(kArrowNormal);
        QTest::newRow("hovered") << true << false << true << "1111" << int(kArrowHot);
        QTest::newRow("open and hovered") << true << true << true << "1111" << int(kArrowOpen);
        QTest::newRow("disabled and hovered")
            << false << false << true << "1111" << int(kArrowDisabled);
        QTest::newRow("open without picture") << true << true << true << "1010" << int(kArrowHot);
        QTest::newRow("disabled without picture")
            << false << false << false << "1110" << int(kArrowNormal);
    }
    void arrowPictureFallsBackToNormal() {
        QFETCH(bool, enabled);
        QFETCH(bool, open);
        QFETCH(bool, hovered);
        QFETCH(QString, present);
        QFETCH(int, state);
        std::array<bool, 4> have{};
        for (std::size_t i = 0; i < have.size(); ++i)
            have[i] = present[int(i)] == QLatin1Char('1');
        QCOMPARE(int(ComboArrowStateFor(enabled, open, hovered, have)), state);
    }

    void arrowImagesNeedTheNormalOne() {
        QTemporaryDir dir;
        QImage red(10, 6, QImage::Format_ARGB32);
        red.fill(Qt::red);
        const QString normal = dir.filePath("down.png");
        red.save(normal);
        CCustomComboBox combo;
        QVERIFY(combo.SetArrowImages(normal));
        QVERIFY(!combo.SetArrowImages(dir.filePath("missing.png"), normal));
        QCOMPARE(combo.ArrowImage(kArrowNormal).size(), QSize(10, 6)); // the old one stays
        QVERIFY(combo.ArrowImage(kArrowOpen).isNull());
        combo.resize(200, 30);
        const QImage face = combo.grab().toImage();
        const QPoint centre = combo.ArrowRect().center();
        QCOMPARE(face.pixelColor(centre), QColor(Qt::red));
    }

    void toolTipOnlyForAClippedItem_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("tip");
        QTest::newRow("short") << "eth0" << false;
        QTest::newRow("longer than the list")
            << "Intel Corporation Ethernet Controller I225-V with a very long name" << true;
    }
    void toolTipOnlyForAClippedItem() {
        QFETCH(QString, text);
        QFETCH(bool, tip);
        QWidget page;
        page.resize(300, 300);
        auto* combo = new CCustomComboBox(&page);
        combo->setGeometry(20, 20, 218, 30);
        Fill(*combo, {"first", text, "last"});
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        combo->showPopup();
        CDropListBoxWnd* list = combo->ListBox();
        QTRY_VERIFY(list->isVisible());
        QVERIFY(list->viewport()->width() <= combo->width()); // the list is not widened
        QCOMPARE(list->TipTextFor(1), tip ? text : QString());

        const QRect row = list->visualRect(list->model()->index(1, 0));
        QTest::mouseMove(list->viewport(), list->visualRect(list->model()->index(0, 0)).center());
        QTest::mouseMove(list->viewport(), row.center());
        QCOMPARE(list->HoveredItem(), 1);
        if (tip) {
            QVERIFY(!QToolTip::isVisible()); // not before its delay
            QTRY_COMPARE(QToolTip::text(), text);
        } else {
            QTest::qWait(kDropTipInitialMs + 200);
            QVERIFY(!QToolTip::isVisible());
        }
        combo->hidePopup();
        QVERIFY(!combo->IsOpen());
        QCOMPARE(list->HoveredItem(), -1);
        QTRY_VERIFY(!QToolTip::isVisible());
    }

    void listClosedFromOutsideLeavesTheOpenState() {
        QWidget page;
        page.resize(300, 300);
        auto* combo = new CCustomComboBox(&page);
        combo->setGeometry(20, 20, 218, 30);
        Fill(*combo, {"a", "b"});
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        combo->showPopup();
        QWidget* frame = combo->view()->parentWidget();
        QTRY_VERIFY(frame->isVisible());
        QVERIFY(combo->IsOpen());
        QCOMPARE(combo->CurrentArrowState(), kArrowNormal); // no open picture given
        frame->hide();                                      // as a click outside the list does
        QVERIFY(!combo->IsOpen());
        // Its frame is drawn in the list colour with the active border at the edge.
        combo->showPopup();
        QTRY_VERIFY(frame->isVisible());
        const QImage shot = frame->grab().toImage();
        QCOMPARE(shot.pixelColor(shot.width() / 2, 0), QColor(255, 128, 31));
        combo->hidePopup();
    }

    void currentItemReservesRoomForItsMark() {
        CCustomComboBox combo;
        combo.resize(218, 30);
        combo.view()->resize(218, 200);
        const int width = combo.ListBox()->viewport()->width();
        // Find a text that fits beside the reserved 16 pixels but not beside the mark too.
        QString text = QStringLiteral("x");
        const QFontMetrics metrics(combo.ListBox()->font());
        while (metrics.horizontalAdvance(text) <= width - 16 - (combo.m_markWidth + 8))
            text += QLatin1Char('x');
        QVERIFY(metrics.horizontalAdvance(text) <= width - 16);
        Fill(combo, {text, text});
        combo.SetCurSel(0);
        QCOMPARE(combo.ListBox()->TipTextFor(0), text);
        QCOMPARE(combo.ListBox()->TipTextFor(1), QString());
    }
};

QTEST_MAIN(ComboBoxTest)
#include "ComboBoxTest.moc"
