// The skin tool's GIF writer: Qt's decoder reads back every frame pixel for pixel, also for
// frames large and noisy enough to fill the code table several times.
#include <QBuffer>
#include <QImageReader>
#include <QRandomGenerator>
#include <QtTest>

#include "GifWriter.h"

using namespace lumicord::skingen;

class GifWriterTest : public QObject {
    Q_OBJECT

private slots:
    void framesDecodeToWhatWasWritten() {
        std::vector<QColor> palette;
        for (int i = 0; i < 256; ++i)
            palette.emplace_back(i, 255 - i, (i * 7) % 256);
        QRandomGenerator random(42);
        std::vector<GifFrame> frames;
        for (int f = 0; f < 3; ++f) {
            QImage image(120, 90, QImage::Format_RGB32);
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    // Runs and noise: long matches and table resets both occur.
                    const int index = (f == 0) ? (x / 10) : int(random.bounded(256));
                    image.setPixelColor(x, y, palette[std::size_t(index)]);
                }
            }
            frames.push_back({image, 5 + f, 1});
        }
        QByteArray gif = EncodeGif(frames, palette);
        QBuffer buffer(&gif);
        QImageReader reader(&buffer, "gif");
        QCOMPARE(reader.imageCount(), 3);
        for (const GifFrame& frame : frames) {
            const QImage decoded = reader.read().convertToFormat(QImage::Format_RGB32);
            QCOMPARE(decoded, frame.image);
        }
    }
};

QTEST_MAIN(GifWriterTest)
#include "GifWriterTest.moc"
