// The skinned controls: state images and their fall-backs, image placement, text placement
// by alignment code, label line breaking and the dialog background.
#include <QTemporaryDir>
#include <QtTest>

#include "ui/toolkit/CTButtonPicture.h"
#include "ui/toolkit/CTDialog.h"
#include "ui/toolkit/CTStaticGdiplus.h"
#include "ui/toolkit/SkinFont.h"

using namespace lumicord;

namespace {

QString WriteImage(const QTemporaryDir& dir, const QString& name, QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    const QString path = dir.filePath(name);
    image.save(path);
    return path;
}

// A dialog filled with one colour, with the given child at its place.
struct FilledDialog {
    CTDialog dialog{0};
    FilledDialog() {
        dialog.m_fillEnabled = true;
        dialog.m_fillColor = MakeColorRef(0, 0, 255);
        dialog.resize(300, 200);
    }
};

} // namespace

class SkinnedControlsTest : public QObject {
    Q_OBJECT

private slots:
    void stateImagesStopAtTheFirstMissingFile_data() {
        QTest::addColumn<QString>("present"); // which of the four files exist
        QTest::addColumn<QString>("loaded");  // which states end up with a picture
        QTest::newRow("all four") << "1111"
                                  << "1111";
        QTest::newRow("disable missing") << "1110"
                                         << "1110";
        QTest::newRow("over missing") << "1011"
                                      << "1000";
        QTest::newRow("normal missing") << "0111"
                                        << "0000";
    }
    void stateImagesStopAtTheFirstMissingFile() {
        QFETCH(QString, present);
        QFETCH(QString, loaded);
        QTemporaryDir dir;
        QStringList paths;
        for (int i = 0; i < 4; ++i) {
            const QString name = QStringLiteral("state%1.png").arg(i);
            paths << (present[i] == QLatin1Char('1') ? WriteImage(dir, name, {8, 8}, Qt::red)
                                                     : dir.filePath(name));
        }
        CTButtonPicture button;
        button.SetImages(paths[0], paths[1], paths[2], paths[3]);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(button.HasImage(ButtonDrawState(i)), loaded[i] == QLatin1Char('1'));
    }

    void imageKeepsItsSizeOrIsShrunkToTheButton() {
        QTemporaryDir dir;
        FilledDialog host;
        CTButtonPicture button(&host.dialog);
        button.setGeometry(10, 10, 100, 30);
        const QString small = WriteImage(dir, "small.png", {60, 20}, Qt::red);
        button.SetImages(small, small, small, small);
        QImage shot = button.grab().toImage();
        QCOMPARE(shot.pixelColor(5, 5), QColor(Qt::red));
        QCOMPARE(shot.pixelColor(80, 25), QColor(Qt::blue)); // the backdrop shows beside it
        const QString large = WriteImage(dir, "large.png", {200, 60}, Qt::green);
        button.SetImages(large, large, large, large);
        shot = button.grab().toImage();
        QCOMPARE(shot.pixelColor(99, 29), QColor(Qt::green));
    }

    void buttonTextPositions_data() {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<QPoint>("expected");
        // A 20 x 10 text in a 100 x 30 button with a margin of 5.
        QTest::newRow("left centre") << 0x100 << QPoint(7, 10);
        QTest::newRow("right centre") << 0x200 << QPoint(73, 10);
        QTest::newRow("centre") << 0x300 << QPoint(40, 10);
        QTest::newRow("left top") << 0x400 << QPoint(0, 0);
        QTest::newRow("centre top") << 0x700 << QPoint(40, 0);
        QTest::newRow("left bottom") << 0x800 << QPoint(0, 20);
        QTest::newRow("centre bottom") << 0xB00 << QPoint(40, 20);
        QTest::newRow("unknown code") << 0x500 << QPoint(0, 0);
    }
    void buttonTextPositions() {
        QFETCH(int, alignment);
        QFETCH(QPoint, expected);
        QCOMPARE(ButtonTextPosition(alignment, 5, {100, 30}, {20, 10}), expected);
    }

    void textWiderThanTheButtonStartsAtTheEdges() {
        QCOMPARE(ButtonTextPosition(0x300, 0, {50, 10}, {80, 20}), QPoint(0, 0));
        QCOMPARE(ButtonTextPosition(0x200, 0, {50, 30}, {80, 10}), QPoint(0, 10));
    }

    void disabledButtonDrawsItsDisableState() {
        CTButtonPicture button;
        button.resize(40, 20);
        button.setEnabled(false);
        button.grab();
        QCOMPARE(button.DrawState(), kStateDisable);
    }

    void hoverEndsAtTheNextTickAfterTheCursorLeft() {
        FilledDialog host;
        auto* button = new CTButtonPicture(&host.dialog);
        button->setGeometry(20, 20, 60, 30);
        host.dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host.dialog));
        QCursor::setPos(button->mapToGlobal(QPoint(10, 10)));
        QTest::mouseMove(button, QPoint(10, 10));
        QVERIFY(button->Hovering());
        QCursor::setPos(host.dialog.mapToGlobal(QPoint(250, 150)));
        QTRY_VERIFY(!button->Hovering());
        QCOMPARE(button->DrawState(), kStateNormal);
    }

    void draggingTheBackgroundMovesTheWindowButNotFromAButton() {
        FilledDialog host;
        host.dialog.m_dragEnabled = true;
        auto* button = new CTButtonPicture(&host.dialog);
        button->setGeometry(20, 20, 60, 30);
        host.dialog.move(100, 100);
        host.dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host.dialog));
        const QPoint start = host.dialog.pos();
        auto drag = [](QWidget* target, QPoint from, QPoint by) {
            QMouseEvent press(QEvent::MouseButtonPress, from, target->mapToGlobal(from),
                              Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &press);
            const QPoint to = from + by;
            QMouseEvent move(QEvent::MouseMove, to, target->mapToGlobal(to), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &move);
            QMouseEvent release(QEvent::MouseButtonRelease, to, target->mapToGlobal(to),
                                Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(target, &release);
        };
        drag(button, QPoint(5, 5), QPoint(30, 20));
        QCOMPARE(host.dialog.pos(), start);
        drag(&host.dialog, QPoint(200, 150), QPoint(30, 20));
        QCOMPARE(host.dialog.pos(), start + QPoint(30, 20));
    }

    void alignmentEightWithTooWideTextStartsAtTheLeft() {
        CTStaticGdiplus label;
        label.resize(60, 60);
        label.m_alignment = kStaticCentreBottom;
        label.SetText(QStringLiteral("a label text much wider than its control"));
        const auto lines = label.Layout();
        QVERIFY(lines.size() > 1);
        for (const auto& line : lines)
            QCOMPARE(line.position.x(), 0);
        // A short text is centred and sits at the bottom.
        label.SetText(QStringLiteral("ab"));
        const auto shortLines = label.Layout();
        QCOMPARE(shortLines.size(), std::size_t(1));
        QVERIFY(shortLines[0].position.x() > 0);
        QCOMPARE(shortLines[0].position.y(), 60 - QFontMetrics(label.DrawFont()).height());
    }

    void lineFeedAlwaysEndsALineAndBreakingEnds() {
        const QFont font = MakeSkinFont({});
        const QFontMetrics metrics(font);
        QCOMPARE(BreakStaticText(QStringLiteral("a\nb"), 500, metrics),
                 (std::vector<QString>{QStringLiteral("a"), QStringLiteral("b")}));
        // Words move to the next line whole; a width below one character still ends.
        const auto words =
            BreakStaticText(QStringLiteral("alpha beta"),
                            metrics.horizontalAdvance(QStringLiteral("alpha be")), metrics);
        QCOMPARE(words, (std::vector<QString>{QStringLiteral("alpha "), QStringLiteral("beta")}));
        QCOMPARE(BreakStaticText(QStringLiteral("abc"), 1, metrics).size(), std::size_t(3));
    }

    void labelTextFitsItsHeight() {
        // Heights are cell heights: glyphs of a 17-pixel font fit in an 18-pixel label.
        for (int height : {13, 15, 16, 17, 20})
            QVERIFY(
                QFontMetrics(MakeSkinFont({QStringLiteral("Microsoft YaHei"), height})).height() <=
                height);
    }

    void missingBackgroundAfterAGoodOneShowsTheFill() {
        QTemporaryDir dir;
        FilledDialog host;
        host.dialog.SetBackgroundImage(WriteImage(dir, "bk.png", {10, 10}, Qt::green));
        QCOMPARE(host.dialog.grab().toImage().pixelColor(250, 150), QColor(Qt::green));
        host.dialog.SetBackgroundImage(dir.filePath("missing.png"));
        QVERIFY(!host.dialog.HasBackgroundImage());
        QCOMPARE(host.dialog.grab().toImage().pixelColor(250, 150), QColor(Qt::blue));
    }
};

QTEST_MAIN(SkinnedControlsTest)
#include "SkinnedControlsTest.moc"
