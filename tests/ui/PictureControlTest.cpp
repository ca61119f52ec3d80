// The picture control: frame delays, still pictures without a thread, the bounded Stop, an
// animation that keeps running while hidden, disposal of frames, and untrusted GIF bytes that
// load what decodes or fail, never reading out of bounds or hanging.
#include <QBuffer>
#include <QElapsedTimer>
#include <QtTest>

#include "GifWriter.h"
#include "ui/toolkit/CTPicture.h"

using namespace lumicord;

namespace {

struct TestFrame {
    QRect rect;
    int colour = 1; // 0 black, 1 red, 2 green, 3 blue
    int delay = 10;
    int disposal = 1;
    bool control = true;
};

void Word(QByteArray& out, int value) {
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

// A GIF with a four-colour global table and frames of one colour each.
QByteArray BuildGif(QSize screen, const std::vector<TestFrame>& frames) {
    QByteArray out("GIF89a");
    Word(out, screen.width());
    Word(out, screen.height());
    out.append(char(0x81)); // global table of 4 entries
    out.append('\0');
    out.append('\0');
    out.append(QByteArray::fromHex("000000ff000000ff000000ff"));
    for (const TestFrame& frame : frames) {
        if (frame.control) {
            out.append("\x21\xF9\x04", 3);
            out.append(char((frame.disposal & 7) << 2));
            Word(out, frame.delay);
            out.append('\0');
            out.append('\0');
        }
        out.append('\x2C');
        Word(out, frame.rect.x());
        Word(out, frame.rect.y());
        Word(out, frame.rect.width());
        Word(out, frame.rect.height());
        out.append('\0');
        out.append('\x02');
        const std::vector<unsigned char> indices(
            std::size_t(frame.rect.width() * frame.rect.height()), (unsigned char)frame.colour);
        out.append(skingen::LzwSubBlocks(indices, 2));
    }
    out.append('\x3B');
    return out;
}

QByteArray Encode(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage Solid(QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

std::vector<TestFrame> TwoFrames(QSize size, int delay) {
    return {{QRect(QPoint(0, 0), size), 1, delay}, {QRect(QPoint(0, 0), size), 2, delay}};
}

bool Near(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) < 8 && std::abs(a.green() - b.green()) < 8 &&
           std::abs(a.blue() - b.blue()) < 8;
}

} // namespace

class PictureControlTest : public QObject {
    Q_OBJECT

private slots:
    void framesWaitByTheirDelay_data() {
        QTest::addColumn<int>("delay");
        QTest::addColumn<bool>("control");
        QTest::addColumn<int>("waitMs");
        QTest::newRow("0") << 0 << true << 100;
        QTest::newRow("1") << 1 << true << 100;
        QTest::newRow("4") << 4 << true << 100;
        QTest::newRow("5") << 5 << true << 50;
        QTest::newRow("12") << 12 << true << 120;
        QTest::newRow("no control extension") << -1 << false << 100;
    }
    void framesWaitByTheirDelay() {
        QFETCH(int, delay);
        QFETCH(bool, control);
        QFETCH(int, waitMs);
        auto frames = TwoFrames({4, 4}, std::max(delay, 0));
        for (auto& frame : frames)
            frame.control = control;
        CTPicture picture;
        QVERIFY(picture.LoadData(BuildGif({4, 4}, frames)));
        QCOMPARE(picture.Frames().size(), std::size_t(2));
        for (const CTPictureFrame& frame : picture.Frames()) {
            QCOMPARE(frame.delay, delay);
            QCOMPARE(FrameWaitMs(frame.delay), waitMs);
        }
    }

    void stillPicturesStartNoThread_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("animates");
        const QSize size(37, 23);
        QTest::newRow("one-frame GIF") << BuildGif(size, {{QRect(QPoint(0, 0), size), 1}}) << false;
        QTest::newRow("BMP") << Encode(Solid(size, Qt::red), "BMP") << false;
        QTest::newRow("JPEG") << Encode(Solid(size, Qt::red), "JPEG") << false;
        QTest::newRow("two-frame GIF") << BuildGif(size, TwoFrames(size, 10)) << true;
    }
    void stillPicturesStartNoThread() {
        QFETCH(QByteArray, file);
        QFETCH(bool, animates);
        QWidget page;
        page.resize(200, 200);
        auto* picture = new CTPicture(&page);
        picture->setGeometry(10, 20, 100, 100);
        QVERIFY(picture->LoadData(file));
        QCOMPARE(picture->size(), QSize(37, 23));
        QCOMPARE(picture->pos(), QPoint(10, 20));
        QVERIFY(picture->Draw());
        QCOMPARE(picture->IsRunning(), animates);
        if (animates)
            QTRY_VERIFY(picture->FramesShown() > 0);
        const QImage shown = picture->grab().toImage();
        QCOMPARE(shown.size(), QSize(37, 23));
        QVERIFY(Near(shown.pixelColor(36, 22), QColor(Qt::red)) ||
                (animates && Near(shown.pixelColor(36, 22), QColor(Qt::green))));
        picture->Stop();
        QVERIFY(!picture->IsRunning());
    }

    void stopEndsTheThreadWithinItsBound() {
        CTPicture picture;
        QVERIFY(picture.LoadData(BuildGif({8, 8}, TwoFrames({8, 8}, 65535)))); // 655 s a frame
        QVERIFY(picture.Draw());
        QTRY_VERIFY(picture.FramesShown() == 1);
        QElapsedTimer clock;
        clock.start();
        picture.Stop();
        QVERIFY(clock.elapsed() < kStopWaitMs);
        QVERIFY(!picture.IsRunning());
        QCOMPARE(picture.FramesShown(), 1);
        // It starts again where it stopped.
        QVERIFY(picture.Draw());
        QVERIFY(picture.IsRunning());
        picture.Unload();
        QVERIFY(!picture.IsRunning());
        QVERIFY(!picture.IsReady());
    }

    void hidingDoesNotStopTheAnimation() {
        QWidget page;
        auto* picture = new CTPicture(&page);
        QVERIFY(picture->LoadData(BuildGif({8, 8}, TwoFrames({8, 8}, 5))));
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QVERIFY(picture->Draw());
        picture->hide();
        const int before = picture->FramesShown();
        QTRY_VERIFY(picture->FramesShown() >= before + 3);
        QVERIFY(picture->IsRunning());
    }

    void disposalOfAFrame_data() {
        QTest::addColumn<int>("disposal");
        QTest::addColumn<QString>("after"); // what the frame's place shows once disposed
        QTest::newRow("leave in place") << 1 << "green";
        QTest::newRow("background") << 2 << "background";
        QTest::newRow("previous") << 3 << "red";
    }
    void disposalOfAFrame() {
        QFETCH(int, disposal);
        QFETCH(QString, after);
        CTPicture picture;
        QVERIFY(picture.LoadData(BuildGif(
            {8, 8}, {{QRect(0, 0, 8, 8), 1, 10, 1}, {QRect(2, 2, 3, 3), 2, 10, disposal}})));
        picture.ShowFrame(0);
        picture.DisposeFrame(0);
        picture.ShowFrame(1);
        QCOMPARE(picture.Snapshot().pixelColor(3, 3), QColor(Qt::green));
        picture.DisposeFrame(1);
        const QColor expected = after == "green" ? QColor(Qt::green)
                                : after == "red" ? QColor(Qt::red)
                                                 : picture.palette().color(QPalette::Button);
        QCOMPARE(picture.Snapshot().pixelColor(3, 3), expected);
        QCOMPARE(picture.Snapshot().pixelColor(6, 6), QColor(Qt::red)); // outside the frame
    }

    void untrustedBytesLoadWhatDecodes_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("loads");
        QTest::addColumn<int>("frames"); // animation frames kept; 0 for a still picture
        const QByteArray good = BuildGif(
            {8, 8}, {{QRect(0, 0, 8, 8), 1}, {QRect(0, 0, 8, 8), 2}, {QRect(0, 0, 8, 8), 3}});
        const int headerEnd = 13 + 12;
        const int frameSize = (good.size() - headerEnd - 1) / 3;
        QTest::newRow("empty") << QByteArray() << false << 0;
        QTest::newRow("signature only") << QByteArray("GIF") << false << 0;
        QTest::newRow("cut in the global table") << good.left(20) << false << 0;
        QTest::newRow("cut in the first frame") << good.left(headerEnd + 12) << false << 0;
        QTest::newRow("cut in the third frame")
            << good.left(headerEnd + 2 * frameSize + 15) << true << 2;
        QTest::newRow("cut in the second frame, first shown still")
            << good.left(headerEnd + frameSize + 15) << true << 0;
        QByteArray pastEnd = good;
        pastEnd[headerEnd + 2 * frameSize + 8 + 10 + 1] = char(0xFF); // third frame's data
        QTest::newRow("sub-block past the end") << pastEnd << true << 2;
        QByteArray localTable = good;
        localTable[headerEnd + 2 * frameSize + 8 + 9] = char(0x87); // 768-byte table, absent
        QTest::newRow("local table past the end") << localTable << true << 2;
        QByteArray noTable = good;
        noTable[10] = char(0x87);
        QTest::newRow("global table past the end") << noTable << false << 0;
        QByteArray stray = good;
        stray[headerEnd + frameSize] = 'x';
        QTest::newRow("stray byte after the first frame") << stray << true << 0;
        QTest::newRow("zero-size frames around one")
            << BuildGif({8, 8},
                        {{QRect(0, 0, 0, 8), 1}, {QRect(0, 0, 8, 8), 2}, {QRect(0, 0, 8, 0), 3}})
            << true << 1;
        QTest::newRow("only zero-size frames")
            << BuildGif({8, 8}, {{QRect(0, 0, 0, 0), 1}, {QRect(0, 0, 0, 0), 2}}) << false << 0;
        QTest::newRow("screen too large")
            << BuildGif({65535, 65535}, TwoFrames({8, 8}, 10)) << false << 0;
        QTest::newRow("frames reaching far past the screen")
            << BuildGif(
                   {8, 8},
                   {{QRect(4, 4, 9000, 2), 1}, {QRect(60000, 0, 5, 5), 2}, {QRect(0, 0, 8, 8), 3}})
            << true << 2;
        QTest::newRow("many frames on a large screen")
            << BuildGif({4096, 4096}, std::vector<TestFrame>(40, TestFrame{QRect(0, 0, 1, 1)}))
            << true << int(kMaxDecodePixels / (4096 * 4096));
        std::vector<TestFrame> many(30000, TestFrame{QRect(0, 0, 1, 1), 1, 0, 1, false});
        QTest::newRow("thirty thousand frames")
            << BuildGif({1, 1}, many) << true << int(kMaxGifFrames);
    }
    void untrustedBytesLoadWhatDecodes() {
        QFETCH(QByteArray, file);
        QFETCH(bool, loads);
        QFETCH(int, frames);
        CTPicture picture;
        QCOMPARE(picture.LoadData(file), loads);
        QCOMPARE(picture.IsReady(), loads);
        QCOMPARE(int(picture.Frames().size()), frames);
        if (loads) {
            QVERIFY(picture.Draw());
            picture.Stop();
        }
    }
};

QTEST_MAIN(PictureControlTest)
#include "PictureControlTest.moc"
