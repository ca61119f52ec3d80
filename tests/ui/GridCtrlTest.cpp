// The grid control: where images, texts, lines and the hover background land on screen, the
// click notification's cell, and the cell model's bookkeeping.
#include <QScrollBar>
#include <QSignalSpy>
#include <QToolTip>
#include <QtTest>

#include "ui/grid/CGridCtrl.h"
#include "ui/grid/CGridImageList.h"
#include "ui/grid/GridCellStyle.h"

using namespace lumicord;

namespace {

const QColor kGridBk(250, 250, 210);
const QColor kLine(0, 0, 255);
const QColor kTitleBk(186, 199, 231);
const QColor kImageRed(255, 0, 0);

CSettings TestSettings() {
    CSettings settings;
    settings.gridTitleLogFont = {15, 700, u"Microsoft YaHei"};
    settings.gridBodyLogFont = {15, 0, u"Microsoft YaHei"};
    settings.gridTextColor = MakeColorRef(0, 0, 0);
    settings.gridTitleTextColor = MakeColorRef(0, 0, 0);
    settings.gridTitleBkColor = MakeColorRef(186, 199, 231);
    return settings;
}

// A red 24 x 24 image whose bottom-right quarter is white (transparent in the list).
QImage RedImage() {
    QImage image(24, 24, QImage::Format_RGB32);
    image.fill(kImageRed);
    for (int y = 12; y < 24; ++y)
        for (int x = 12; x < 24; ++x)
            image.setPixelColor(x, y, Qt::white);
    return image;
}

// The devices grid as the page sets it up: title row 38, body rows 48, four columns with
// images in columns 0 and 3.
struct DevicesGrid {
    CSettings settings = TestSettings();
    CGridImageList images;
    CGridCtrl grid;

    explicit DevicesGrid(int rows, GridLines lines = GridLines::Horizontal) {
        images.Add(RedImage());
        grid.SetImageList(&images);
        grid.SetGridBkColor(kGridBk);
        grid.SetGridLineColor(kLine);
        grid.SetEditable(false);
        grid.SetGridLines(lines);
        grid.SetFixedRowCount(1);
        grid.SetColumnCount(4);
        grid.SetRowHeight(0, 38);
        const int widths[] = {63, 232, 341, 127};
        const char* titles[] = {"", "No.", "MAC Address", "Status"};
        for (int c = 0; c < 4; ++c)
            SetGridTitleCell(grid, c, widths[c], QString::fromLatin1(titles[c]), settings);
        grid.AddImageColumn(0);
        grid.AddImageColumn(3);
        for (int i = 0; i < rows; ++i) {
            const int row = grid.InsertRow(QString());
            SetGridBodyCell(grid, row, 1, QString::number(row), settings);
            SetGridBodyCell(grid, row, 2,
                            QStringLiteral("02:00:00:00:00:%1").arg(row, 2, 10, QLatin1Char('0')),
                            settings);
            grid.SetItemImage(row, 0, 0);
        }
        grid.resize(800, 300);
        grid.show();
    }

    QImage Render() {
        return grid.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    QPoint Centre(int row, int column) { return grid.CellRect(row, column).center(); }
    void MoveMouse(QPoint pos) {
        QMouseEvent move(QEvent::MouseMove, QPointF(pos),
                         grid.viewport()->mapToGlobal(QPointF(pos)), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(grid.viewport(), &move);
    }
};

bool Near(QColor a, QColor b, int tolerance = 8) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

// The bounding box of the dark (text) pixels inside rect.
QRect InkBox(const QImage& image, const QRect& rect) {
    QRect box;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (QColor c = image.pixelColor(x, y);
                c.red() < 100 && c.green() < 100 && c.blue() < 100)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

class GridCtrlTest : public QObject {
    Q_OBJECT

private slots:
    void imageSitsAtTheTopLeftAndTextIsCentredVertically() {
        DevicesGrid fixture(3);
        CGridCtrl& grid = fixture.grid;
        // Text beside the image, in the image's cell.
        grid.SetItemText(2, 0, QStringLiteral("H"));
        grid.GetCell(2, 0)->SetFormat(GridFormat::kSingleLine | GridFormat::kVCenter);
        const QImage image = fixture.Render();
        const QRect cell = grid.CellRect(2, 0);
        const int margin = grid.GetCell(2, 0)->GetMargin();

        QCOMPARE(image.pixelColor(cell.left() + margin, cell.top()), kImageRed);
        QCOMPARE(image.pixelColor(cell.left() + margin + 11, cell.top() + 23), kImageRed);
        QCOMPARE(image.pixelColor(cell.left() + margin + 23, cell.top() + 11), kImageRed);
        QVERIFY(!Near(image.pixelColor(cell.left() + margin + 11, cell.top() + 24), kImageRed));
        QVERIFY(!Near(image.pixelColor(cell.left() + margin - 1, cell.top()), kImageRed));
        // White in the image is transparent: the cell background shows through.
        QCOMPARE(image.pixelColor(cell.left() + margin + 20, cell.top() + 20), kGridBk);

        // Text: its ink is centred on the cell's middle and starts right of the image.
        for (const QRect& textCell : {grid.CellRect(2, 1), cell}) {
            const QRect ink = InkBox(image, textCell.adjusted(0, 0, 0, -1));
            QVERIFY2(!ink.isEmpty(), "no text drawn");
            const int lineCentre = (cell.top() + cell.bottom() - 1) / 2;
            QVERIFY2(std::abs(ink.center().y() - lineCentre) <= 3,
                     qPrintable(QStringLiteral("ink %1..%2 in row %3..%4")
                                    .arg(ink.top())
                                    .arg(ink.bottom())
                                    .arg(cell.top())
                                    .arg(cell.bottom())));
        }
        const QRect besideImage = InkBox(image, cell.adjusted(0, 0, 0, -1));
        QVERIFY(besideImage.left() >= cell.left() + margin + 24 + margin);
    }

    void titleTextSitsAtTheTopLeft() {
        DevicesGrid fixture(1);
        const QImage image = fixture.Render();
        const QRect cell = fixture.grid.CellRect(0, 2);
        const QRect ink = InkBox(image, cell);
        QVERIFY(!ink.isEmpty());
        const int margin = fixture.grid.GetCell(0, 2)->GetMargin();
        QVERIFY2(ink.top() - cell.top() <= 6, qPrintable(QString::number(ink.top() - cell.top())));
        QVERIFY2(ink.left() - cell.left() >= margin && ink.left() - cell.left() <= margin + 3,
                 qPrintable(QStringLiteral("ink %1,%2 in cell %3,%4")
                                .arg(ink.left())
                                .arg(ink.top())
                                .arg(cell.left())
                                .arg(cell.top())));
        QCOMPARE(image.pixelColor(cell.right() - 1, cell.bottom() - 2), kTitleBk);
    }

    void gridLinesFollowTheChosenDirections_data() {
        QTest::addColumn<GridLines>("lines");
        QTest::addColumn<bool>("horizontal");
        QTest::addColumn<bool>("vertical");
        QTest::newRow("horizontal only") << GridLines::Horizontal << true << false;
        QTest::newRow("both") << GridLines::Both << true << true;
        QTest::newRow("none") << GridLines::None << false << false;
    }
    void gridLinesFollowTheChosenDirections() {
        QFETCH(GridLines, lines);
        QFETCH(bool, horizontal);
        QFETCH(bool, vertical);
        DevicesGrid fixture(3, lines);
        const QImage image = fixture.Render();
        CGridCtrl& grid = fixture.grid;
        bool sawHorizontal = false;
        bool sawVertical = false;
        for (int row = 0; row < grid.GetRowCount(); ++row) {
            for (int column = 0; column < grid.GetColumnCount(); ++column) {
                const QRect cell = grid.CellRect(row, column);
                // The last pixel row and column of the cell, away from the corners.
                sawHorizontal |= image.pixelColor(cell.center().x(), cell.bottom()) == kLine;
                sawVertical |= image.pixelColor(cell.right(), cell.center().y() + 12) == kLine;
            }
        }
        QCOMPARE(sawHorizontal, horizontal);
        QCOMPARE(sawVertical, vertical);
    }

    void hoverRowTakesTheHoverBackground() {
        DevicesGrid fixture(4);
        CGridCtrl& grid = fixture.grid;
        const auto background = [&](int row) {
            const QRect cell = grid.CellRect(row, 2);
            return fixture.Render().pixelColor(cell.right() - 2, cell.top() + 2);
        };
        QCOMPARE(grid.GetHoverRow(), -1);
        fixture.MoveMouse(fixture.Centre(2, 2));
        QCOMPARE(grid.GetHoverRow(), 2);
        QCOMPARE(background(2), QColor(242, 242, 242));
        QCOMPARE(background(1), kGridBk);

        fixture.MoveMouse(fixture.Centre(3, 1));
        QCOMPARE(background(3), QColor(242, 242, 242));
        QCOMPARE(background(2), QColor(255, 255, 255)); // the rest background

        // The title row shows the hand and keeps the hover row.
        fixture.MoveMouse(fixture.Centre(0, 2));
        QCOMPARE(grid.GetHoverRow(), 3);
        QCOMPARE(grid.viewport()->cursor().shape(), Qt::PointingHandCursor);
    }

    void handCursorOverImageColumns_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("hand");
        QTest::newRow("title, text column") << 0 << 2 << true;
        QTest::newRow("check box column") << 1 << 0 << true;
        QTest::newRow("status column") << 2 << 3 << true;
        QTest::newRow("number column") << 1 << 1 << false;
        QTest::newRow("MAC column") << 2 << 2 << false;
    }
    void handCursorOverImageColumns() {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(bool, hand);
        DevicesGrid fixture(2);
        fixture.MoveMouse(fixture.Centre(row, column));
        QCOMPARE(fixture.grid.viewport()->cursor().shape() == Qt::PointingHandCursor, hand);
    }

    void clickNotifiesTheCellUnderTheMouse_data() {
        QTest::addColumn<int>("scrollRows"); // body rows scrolled out of view first
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::newRow("header status") << 0 << 0 << 3;
        QTest::newRow("header box") << 0 << 0 << 0;
        QTest::newRow("device box") << 0 << 2 << 0;
        QTest::newRow("MAC") << 0 << 4 << 2;
        QTest::newRow("scrolled device") << 10 << 13 << 0;
        QTest::newRow("scrolled header") << 10 << 0 << 2;
    }
    void clickNotifiesTheCellUnderTheMouse() {
        QFETCH(int, scrollRows);
        QFETCH(int, row);
        QFETCH(int, column);
        DevicesGrid fixture(30);
        CGridCtrl& grid = fixture.grid;
        grid.verticalScrollBar()->setValue(scrollRows * 48);
        QCOMPARE(grid.verticalScrollBar()->value(), scrollRows * 48);
        QSignalSpy clicks(&grid, &CGridCtrl::clicked);
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, fixture.Centre(row, column));
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(clicks.at(0).at(0).toInt(), row);
        QCOMPARE(clicks.at(0).at(1).toInt(), column);
    }

    void clickOutsideTheCellsNotifiesNothing() {
        DevicesGrid fixture(2);
        QSignalSpy clicks(&fixture.grid, &CGridCtrl::clicked);
        QTest::mouseClick(fixture.grid.viewport(), Qt::LeftButton, {}, QPoint(100, 290));
        QTest::mouseClick(fixture.grid.viewport(), Qt::LeftButton, {}, QPoint(790, 10));
        QCOMPARE(clicks.size(), 0);
    }

    void sortMarkShowsInTheSortColumnTitleUntilItsCellsChange() {
        DevicesGrid fixture(2);
        CGridCtrl& grid = fixture.grid;
        const QColor mark(204, 204, 204);
        const auto markPixels = [&](int column) {
            const QImage image = fixture.Render();
            const QRect cell = grid.CellRect(0, column);
            int count = 0;
            for (int y = cell.top(); y <= cell.bottom(); ++y)
                for (int x = cell.left(); x <= cell.right(); ++x)
                    count += image.pixelColor(x, y) == mark;
            return count;
        };
        QCOMPARE(markPixels(2), 0);
        grid.SetSortColumn(2);
        QVERIFY(markPixels(2) > 10);
        QCOMPARE(markPixels(3), 0);
        grid.SetSortColumn(0); // never in the check-box column
        QCOMPARE(markPixels(0), 0);
        grid.SetSortColumn(3);
        QVERIFY(markPixels(3) > 10);
        grid.SetItemImage(1, 3, 0); // a changed cell in the sort column drops the mark
        QCOMPARE(grid.GetSortColumn(), -1);
        QCOMPARE(markPixels(3), 0);
    }

    void clippedTextShowsInATip_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("tip");
        QTest::newRow("fits") << 341 << false;
        QTest::newRow("clipped") << 60 << true;
    }
    void clippedTextShowsInATip() {
        QFETCH(int, width);
        QFETCH(bool, tip);
        DevicesGrid fixture(2);
        fixture.grid.SetColumnWidth(2, width);
        QToolTip::hideText();
        const QPoint pos = fixture.grid.CellRect(2, 2).topLeft() + QPoint(10, 20);
        QHelpEvent help(QEvent::ToolTip, pos, fixture.grid.viewport()->mapToGlobal(pos));
        QApplication::sendEvent(fixture.grid.viewport(), &help);
        QCOMPARE(QToolTip::isVisible(), tip);
        if (tip)
            QCOMPARE(QToolTip::text(), fixture.grid.GetItemText(2, 2));
        QToolTip::hideText();
    }

    void rowsAndCellsOutOfRangeAreLeftAlone() {
        DevicesGrid fixture(2);
        CGridCtrl& grid = fixture.grid;
        QCOMPARE(grid.GetRowCount(), 3);
        QCOMPARE(grid.GetRowHeight(1), 48);
        QVERIFY(grid.GetCell(3, 0) == nullptr);
        QVERIFY(grid.GetCell(1, 4) == nullptr);
        QVERIFY(grid.GetCell(-1, 0) == nullptr);
        QCOMPARE(grid.GetItemText(9, 9), QString());
        SetGridBodyCell(grid, 7, 1, QStringLiteral("x"), fixture.settings);
        SetGridTitleCell(grid, 6, 50, QStringLiteral("x"), fixture.settings);
        QCOMPARE(grid.GetRowCount(), 3);
        QCOMPARE(grid.GetColumnCount(), 4);

        fixture.MoveMouse(fixture.Centre(2, 1));
        grid.DeleteNonFixedRows();
        QCOMPARE(grid.GetRowCount(), 1);
        QCOMPARE(grid.GetHoverRow(), -1);
        QCOMPARE(grid.GetItemText(0, 2), QStringLiteral("MAC Address"));
        QCOMPARE(grid.InsertRow(QStringLiteral("h")), 1);
        QCOMPARE(grid.GetItemText(1, 0), QStringLiteral("h"));
        QCOMPARE(grid.GetCell(1, 2)->GetBackClr(), QColor()); // a fresh row has no hover colour
    }

    void hitTestingAgreesWithCellRectanglesWhenScrolled() {
        CGridModel model;
        model.SetFixedRowCount(1);
        model.SetColumnCount(4);
        model.SetRowHeight(0, 38);
        const int widths[] = {63, 232, 341, 127};
        for (int c = 0; c < 4; ++c)
            model.SetColumnWidth(c, widths[c]);
        for (int i = 0; i < 50; ++i)
            model.SetRowHeight(model.InsertRow(QString()), i % 3 == 0 ? 48 : 30);
        const QRect view(0, 0, 400, 300);
        for (const QPoint scroll :
             {QPoint(0, 0), QPoint(0, 47), QPoint(150, 500), QPoint(363, 1340)}) {
            int bodyCellsSeen = 0;
            for (int row = 0; row < model.GetRowCount(); ++row) {
                for (int column = 0; column < 4; ++column) {
                    const QRect rect = model.CellRect(row, column, scroll);
                    const QPoint centre = rect.center();
                    if (!view.contains(centre) || (row > 0 && centre.y() < 38))
                        continue;
                    bodyCellsSeen += row > 0;
                    QCOMPARE(model.CellFromPoint(centre, scroll), (GridCellId{row, column}));
                    const QPoint corner = rect.topLeft();
                    if (view.contains(corner) && (row == 0 || corner.y() >= 38))
                        QCOMPARE(model.CellFromPoint(corner, scroll), (GridCellId{row, column}));
                }
            }
            QVERIFY(bodyCellsSeen > 4);
            QCOMPARE(model.CellRect(0, 0, scroll).top(), 0); // the title row does not scroll
        }
        QCOMPARE(model.CellFromPoint(QPoint(10, 38 + model.TotalHeight()), {}).row, -1);
        QCOMPARE(model.CellFromPoint(QPoint(model.TotalWidth(), 10), {}).column, -1);
    }

    void aMissingImageKeepsItsIndex() {
        // The page addresses its images by load order: a missing file must not shift the rest.
        CGridImageList images;
        QCOMPARE(images.AddFile(QStringLiteral("/nonexistent/unselect.bmp")), 0);
        QCOMPARE(images.Add(RedImage()), 1);
        QCOMPARE(images.Count(), 2);
        QVERIFY(images.Image(0) == nullptr);
        QVERIFY(images.Image(1) != nullptr);
        QCOMPARE(images.Image(1)->pixelColor(0, 0), kImageRed);
        QVERIFY(images.Image(2) == nullptr);
        QVERIFY(images.Image(-1) == nullptr);
    }

    void imageColumnsAreKeptOnce() {
        CGridModel model;
        model.AddImageColumn(3);
        model.AddImageColumn(3);
        model.AddImageColumn(0);
        QVERIFY(model.IsImageColumn(3));
        QVERIFY(model.IsImageColumn(0));
        QVERIFY(!model.IsImageColumn(1));
        QVERIFY(!model.IsImageColumn(-1));
    }
};

QTEST_MAIN(GridCtrlTest)
#include "GridCtrlTest.moc"
