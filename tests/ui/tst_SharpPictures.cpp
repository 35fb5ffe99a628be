// The painted pictures at 200 %: drawn with twice the pixels, not blown up.
#include "ui/windows/WindowChrome.h"
#include "ui/windows/WindowParts.h"

#include <QApplication>
#include <QImage>
#include <QTest>

namespace {
// True when some 2x2 block of device pixels is not one colour: a picture
// drawn at single density and scaled up has only uniform blocks.
bool hasFineDetail(const QPixmap &pixmap)
{
    const QImage image = pixmap.toImage();
    for (int y = 0; y + 1 < image.height(); y += 2) {
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb corner = image.pixel(x, y);
            if (image.pixel(x + 1, y) != corner || image.pixel(x, y + 1) != corner || image.pixel(x + 1, y + 1) != corner)
                return true;
        }
    }
    return false;
}
} // namespace

class TestSharpPictures : public QObject {
    Q_OBJECT
private slots:
    void titleBarPicturesAtTwiceTheDensity()
    {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        for (const Chrome::Picture which : {Chrome::Picture::Close, Chrome::Picture::Minimise,
                                            Chrome::Picture::Maximise, Chrome::Picture::Restore}) {
            const QPixmap pixmap = Chrome::picture(which, false);
            QCOMPARE(pixmap.devicePixelRatio(), 2.0);
            QCOMPARE(pixmap.size(), QSize(34, 34));
            QCOMPARE(pixmap.deviceIndependentSize().toSize(), QSize(17, 17));
            QVERIFY(hasFineDetail(pixmap));
        }
    }

    void windowPicturesAtTwiceTheDensity()
    {
        for (const QPixmap &pixmap : {WindowParts::programIcon(32), WindowParts::helpIcon()}) {
            QCOMPARE(pixmap.devicePixelRatio(), 2.0);
            QVERIFY(hasFineDetail(pixmap));
        }
    }

    void hoverPictureKeepsItsSizeInWindowUnits()
    {
        QWidget window;
        HoverPicture close(Chrome::Picture::Close, &window);
        QCOMPARE(close.size(), QSize(17, 17));
    }
};

int main(int argc, char *argv[])
{
    // Before the application exists, as the desktop would set it.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestSharpPictures test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_SharpPictures.moc"
